// A tab widget kept still lays out what its pages and its tab bar ask for,
// as a tab widget left to itself does: after a change, the same places as a
// window built with the change from the start.
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <gtest/gtest.h>

#include "tests/support/showntexts.h"
#include "widgets/stilltabs.h"
#include "widgets/wrappedlabel.h"

namespace vintaro::test {
namespace {

const QString kShort = QStringLiteral("Rövid sor.");
const QString kLong = QString(QStringLiteral("Hosszú mondat, amely több sorba tördelődik. ")).repeated(12);

// A scrolling window with the tabs in it and a line on the first page, built
// as the odds window builds its own.
struct Window
{
    explicit Window(const QString &line, bool still)
    {
        auto *outer = new QVBoxLayout(&window);
        auto *scroll = new QScrollArea(&window);
        scroll->setWidgetResizable(true);
        outer->addWidget(scroll);
        auto *body = new QWidget(scroll);
        auto *layout = new QVBoxLayout(body);
        tabs = new QTabWidget(body);
        tabs->setObjectName(QStringLiteral("Lapok"));
        if (still)
            keepTabsStill(tabs);
        layout->addWidget(tabs);
        auto *page = new QWidget(tabs);
        auto *pageLayout = new QVBoxLayout(page);
        label = wrappedLabel(page, "Sor", line);
        pageLayout->addWidget(label);
        pageLayout->addStretch(1);
        tabs->addTab(page, QStringLiteral("Első"));
        tabs->addTab(new QWidget(tabs), QStringLiteral("Második"));
        layout->addWidget(wrappedLabel(body, "Alatta", kShort));
        scroll->setWidget(body);
        window.resize(320, 180); // the lines are taller than the window: it scrolls
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
    QTabWidget *tabs = nullptr;
    WrappedLabel *label = nullptr;
};

TEST(StillTabs, LayOutWhatAFreshTabWidgetLaysOut)
{
    struct Change
    {
        const char *what;
        QString from, to;
        std::function<void(QTabWidget *)> also;
    };
    const std::vector<Change> changes = {
        {"a line that grows to many", kShort, kLong, {}},
        {"many lines that shrink to one", kLong, kShort, {}},
        {"the same line again", kShort, kShort, {}},
        {"a longer tab caption", kShort, kShort,
         [](QTabWidget *tabs) { tabs->setTabText(1, QStringLiteral("Második, sokkal hosszabb felirat")); }},
        {"a tab more", kShort, kLong, [](QTabWidget *tabs) { tabs->addTab(new QWidget(tabs), QStringLiteral("Harmadik")); }},
    };
    for (const Change &change : changes) {
        SCOPED_TRACE(change.what);
        Window watched(change.from, true);
        QCoreApplication::processEvents();
        watched.label->setText(change.to);
        if (change.also)
            change.also(watched.tabs);
        Window fresh(change.to, false);
        if (change.also)
            change.also(fresh.tabs);
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        const QMap<QString, QString> now = shownTexts(&watched.window), anew = shownTexts(&fresh.window);
        EXPECT_EQ(QStringList(now.keys()), QStringList(anew.keys()));
        for (auto it = anew.begin(); it != anew.end(); ++it)
            EXPECT_EQ(now.value(it.key()).toStdString(), it.value().toStdString()) << it.key().toStdString();
    }
}

} // namespace
} // namespace vintaro::test
