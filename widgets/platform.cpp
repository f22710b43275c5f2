#include "widgets/platform.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QProcess>

#include "widgets/appearance.h"

namespace vintaro {

void DesktopPlatform::message(QWidget *parent, const QString &text, Icon icon)
{
    const QMessageBox::Icon boxIcon = icon == Icon::Critical   ? QMessageBox::Critical
                                      : icon == Icon::Question ? QMessageBox::Question
                                                               : QMessageBox::Information;
    QMessageBox box(boxIcon, kMessageTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopPlatform::confirm(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, kMessageTitle, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

QString DesktopPlatform::askText(QWidget *parent, const QString &title, const QString &prompt)
{
    bool ok = false;
    const QString answer = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, QString(), &ok);
    return ok ? answer : QString();
}

int DesktopPlatform::choose(QWidget *parent, const QString &title, const QString &prompt, const QStringList &items,
                            int current)
{
    bool ok = false;
    const QString answer = QInputDialog::getItem(parent, title, prompt, items, current, false, &ok);
    return ok ? int(items.indexOf(answer)) : -1;
}

QString DesktopPlatform::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString DesktopPlatform::saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                      const QString &proposedPath, QString *selectedFilter)
{
    return QFileDialog::getSaveFileName(parent, title, proposedPath, filter, selectedFilter);
}

bool DesktopPlatform::startProcess(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

void DesktopPlatform::openDocument(const QString &opener, const QString &document, std::function<void()> failed)
{
    // Not detached, so that its exit code tells whether a program opened the
    // document (xdg-open ends with 3 or 4 when none could); the process
    // lives on its own and goes when it ends.
    auto *process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) {
            failed();
            process->deleteLater();
        }
    });
    QObject::connect(process, &QProcess::finished, process, [process, failed](int code, QProcess::ExitStatus status) {
        // An opener still running when the program ends is stopped; the
        // windows that would answer are gone by then.
        if (status == QProcess::NormalExit && code != 0 && !QCoreApplication::closingDown())
            failed();
        process->deleteLater();
    });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(opener, {document});
}

void DesktopPlatform::exitProgram()
{
    // Leaves the event loop: no window gets a close event, so nothing asks again.
    QCoreApplication::exit(0);
}

} // namespace vintaro
