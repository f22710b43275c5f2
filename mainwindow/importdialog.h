#pragma once
// "Előzmény betöltése…": a file of spins from elsewhere, read as the player
// chooses (order, column), previewed, and put into a chosen room's saved
// list, after it or in its place. The files are written by the main window
// once the dialog is accepted.
#include <QDialog>

#include <span>

#include "persistence/roomimport.h"
#include "persistence/spinimport.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vintaro {

class Platform;

class ImportDialog : public QDialog
{
    Q_OBJECT
public:
    // `listFolder` holds the rooms' saved lists; `room` (1-10) is chosen first.
    ImportDialog(Platform &platform, const QString &listFolder, int room, QWidget *parent = nullptr);

    QString room() const;
    ImportMode mode() const;
    // The spins to import, oldest first.
    std::span<const std::uint8_t> spins() const { return m_read.read.spins; }

    void accept() override; // replacing a saved list asks first

private:
    void browse();
    void readFile();
    std::string column() const;

    Platform &m_platform;
    QString m_listFolder;
    ImportRead m_read;
    QLineEdit *m_file = nullptr;
    QComboBox *m_order = nullptr;
    QLineEdit *m_column = nullptr;
    QComboBox *m_room = nullptr;
    QRadioButton *m_append = nullptr;
    QRadioButton *m_replace = nullptr;
    QPlainTextEdit *m_preview = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace vintaro
