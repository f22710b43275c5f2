// The desktop's document opener as the real platform starts it: a failure is
// told when the opener cannot start or ends saying that nothing opened the
// document, and only then.
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include "widgets/platform.h"

namespace vintaro::test {
namespace {

TEST(DesktopPlatform, OpenDocumentTellsAFailureOnlyWhenNothingOpenedTheDocument)
{
    struct Case
    {
        const char *opener;
        bool fails;
    };
    // "true" and "false" stand in for xdg-open ending with 0 and with 3.
    const Case cases[] = {{"true", false}, {"false", true}, {"/nonexistent/vintaro-opener", true}};
    for (const Case &c : cases) {
        DesktopPlatform platform;
        int failures = 0;
        platform.openDocument(QString::fromLatin1(c.opener), QStringLiteral("Vintaro.doc"), [&] { ++failures; });
        // The answer comes later, from the event loop: wait for it, then a little more.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 1000 && failures == 0)
            QTest::qWait(20);
        QTest::qWait(100);
        EXPECT_EQ(failures, c.fails ? 1 : 0) << c.opener;
    }
}

} // namespace
} // namespace vintaro::test
