#pragma once
// Everything that waits for a person or leaves the program goes through this
// interface, so that tests can answer it.
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace vintaro {

class Platform
{
public:
    enum class Icon { Critical, Question, Information };

    virtual ~Platform() = default;

    // Message box titled "Pelmondo/2011" with a single OK button.
    virtual void message(QWidget *parent, const QString &text, Icon icon = Icon::Critical) = 0;
    // Question box with OK and Cancel; true for OK.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // Text-input dialog with OK and Cancel; an empty text on Cancel.
    virtual QString askText(QWidget *parent, const QString &title, const QString &prompt) = 0;
    // Choice of one of `items` (`current` chosen at first) with OK and
    // Cancel; the index chosen, or -1 on Cancel.
    virtual int choose(QWidget *parent, const QString &title, const QString &prompt, const QStringList &items,
                       int current) = 0;
    // File dialogs: the chosen path, or an empty text on Cancel. `filter` as
    // QFileDialog takes it ("Szöveg (*.txt)", several joined by ";;"). The save
    // dialog starts at `proposedPath` (its folder, and its name to accept or
    // change); `selectedFilter`, when given, holds the filter shown first and
    // comes back with the one the user chose.
    virtual QString openFileName(QWidget *parent, const QString &title, const QString &filter) = 0;
    virtual QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                 const QString &proposedPath = {}, QString *selectedFilter = nullptr) = 0;
    // Starts a program detached, with an argument list (never a shell line).
    virtual bool startProcess(const QString &program, const QStringList &arguments) = 0;
    // Opens a document with `opener` (the desktop's document opener) in a
    // process of its own, without waiting; `failed` is called when the opener
    // cannot start, or later, when it ends saying that no program opens the
    // document. By default a start that fails is all that is seen.
    virtual void openDocument(const QString &opener, const QString &document, std::function<void()> failed)
    {
        if (!startProcess(opener, {document}))
            failed();
    }
    // Ends the program at once.
    virtual void exitProgram() = 0;
};

// The real one: QMessageBox, QInputDialog, QFileDialog, QProcess, QCoreApplication.
class DesktopPlatform : public Platform
{
public:
    void message(QWidget *parent, const QString &text, Icon icon) override;
    bool confirm(QWidget *parent, const QString &text) override;
    QString askText(QWidget *parent, const QString &title, const QString &prompt) override;
    int choose(QWidget *parent, const QString &title, const QString &prompt, const QStringList &items,
               int current) override;
    QString openFileName(QWidget *parent, const QString &title, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &title, const QString &filter,
                         const QString &proposedPath = {}, QString *selectedFilter = nullptr) override;
    bool startProcess(const QString &program, const QStringList &arguments) override;
    void openDocument(const QString &opener, const QString &document, std::function<void()> failed) override;
    void exitProgram() override;
};

} // namespace vintaro
