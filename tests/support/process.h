#pragma once
// The program started as a user starts it from a shell, on a machine without
// any display; VINTARO_PROGRAM names it.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>

namespace vintaro::test {

struct Finished
{
    int exitCode = -1;
    QString out, err;
};

// `input` goes to standard input; `meanwhile` runs while the program runs.
inline Finished run(const QStringList &arguments, const QByteArray &input = {},
                    const std::function<void()> &meanwhile = {})
{
    QProcess process;
    // A window system would fail to start with this platform.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(VINTARO_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForStarted(30000));
    process.write(input);
    process.closeWriteChannel();
    if (meanwhile)
        meanwhile();
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace vintaro::test
