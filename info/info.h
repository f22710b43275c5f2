#pragma once
// The information window: the program's picture, name, licence and where to
// get it and ask for help, and a button that opens the user manual.
#include <QDialog>
#include <QString>

#include <functional>

namespace vintaro {

class Platform;

class Info : public QDialog
{
    Q_OBJECT
public:
    // `manualPath` is the user manual in the program folder; `platform`
    // starts the desktop's document opener on it. When nothing can open it,
    // the message offers `openBuiltIn`, the manual inside the program.
    Info(const QString &manualPath, Platform &platform, QWidget *parent = nullptr,
         std::function<void()> openBuiltIn = {});

    // "Dokumentáció": opens the manual in a process of its own, without waiting.
    void openManual();

    // The desktop's document opener, given the manual's path as its only argument.
    static const QString &documentOpener();

private:
    void buildWindow();

    QString m_manualPath;
    Platform &m_platform;
    std::function<void()> m_openBuiltIn;
};

} // namespace vintaro
