#include "mainwindow/importdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/textformat.h"
#include "persistence/importtext.h"
#include "persistence/spinfiles.h"
#include "widgets/platform.h"

namespace vintaro {

ImportDialog::ImportDialog(Platform &platform, const QString &listFolder, int room, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_listFolder(listFolder)
{
    setObjectName(QStringLiteral("Elozmeny"));
    setWindowTitle(tr("Előzmény betöltése"));
    auto *form = new QFormLayout;

    m_file = new QLineEdit(this);
    m_file->setObjectName(QStringLiteral("elozmenyFajl"));
    auto *browseButton = new QPushButton(tr("Tallózás…"), this);
    browseButton->setObjectName(QStringLiteral("elozmenyTallozas"));
    browseButton->setAutoDefault(false);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_file, 1);
    fileRow->addWidget(browseButton);
    form->addRow(tr("Fájl:"), fileRow);

    m_order = new QComboBox(this);
    m_order->setObjectName(QStringLiteral("elozmenySorrend"));
    m_order->addItems({tr("A legrégebbi pörgetés elöl"), tr("A legújabb pörgetés elöl")});
    form->addRow(tr("Sorrend:"), m_order);

    m_column = new QLineEdit(this);
    m_column->setObjectName(QStringLiteral("elozmenyOszlop"));
    m_column->setPlaceholderText(tr("üresen: a sor minden száma"));
    m_column->setToolTip(tr("Táblázatnál (CSV) az oszlop, amelyben a pörgetések állnak: a fejléc neve vagy az "
                            "oszlop sorszáma 1-től."));
    form->addRow(tr("Oszlop (név vagy sorszám):"), m_column);

    m_room = new QComboBox(this);
    m_room->setObjectName(QStringLiteral("elozmenyTerem"));
    for (int r = 1; r <= 10; ++r)
        m_room->addItem(tr("Terem %1.").arg(r));
    m_room->setCurrentIndex(room >= 1 && room <= 10 ? room - 1 : 0);
    form->addRow(tr("Terem:"), m_room);

    m_append = new QRadioButton(tr("A terem mentett listája végére"), this);
    m_append->setObjectName(QStringLiteral("elozmenyHozzafuz"));
    m_append->setChecked(true);
    m_replace = new QRadioButton(tr("A terem mentett listája helyére"), this);
    m_replace->setObjectName(QStringLiteral("elozmenyCsere"));
    auto *modes = new QVBoxLayout;
    modes->addWidget(m_append);
    modes->addWidget(m_replace);
    form->addRow(tr("Betöltés:"), modes);

    m_preview = new QPlainTextEdit(this);
    m_preview->setObjectName(QStringLiteral("elozmenyElonezet"));
    m_preview->setReadOnly(true);
    m_preview->setMinimumSize(460, 150);
    m_preview->setPlainText(tr("Válasszon fájlt."));

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(tr("Betöltés"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("elozmenyBetoltes"));
    m_ok->setEnabled(false);
    buttons->addButton(tr("Mégse"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("elozmenyMegse"));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_preview, 1);
    layout->addWidget(buttons);

    connect(browseButton, &QPushButton::clicked, this, &ImportDialog::browse);
    connect(m_file, &QLineEdit::editingFinished, this, &ImportDialog::readFile);
    connect(m_column, &QLineEdit::editingFinished, this, &ImportDialog::readFile);
    connect(m_order, &QComboBox::currentIndexChanged, this, &ImportDialog::readFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ImportDialog::reject);
}

QString ImportDialog::room() const { return QString::number(m_room->currentIndex() + 1); }

ImportMode ImportDialog::mode() const { return m_replace->isChecked() ? ImportMode::Replace : ImportMode::Append; }

std::string ImportDialog::column() const { return m_column->text().trimmed().toStdString(); }

void ImportDialog::browse()
{
    const QString chosen = m_platform.openFileName(
        this, tr("Előzmény betöltése"), tr("Pörgetések (*.txt *.csv);;Minden fájl (*)"));
    if (chosen.isEmpty())
        return;
    m_file->setText(chosen);
    readFile();
}

void ImportDialog::readFile()
{
    const QString file = m_file->text().trimmed();
    m_read = {};
    m_ok->setEnabled(false);
    if (file.isEmpty()) {
        m_preview->setPlainText(tr("Válasszon fájlt."));
        return;
    }
    m_read = readImportFile(QFile::encodeName(file).toStdString(), {column(), m_order->currentIndex() == 1});
    const QString problem = importProblemText(m_read, file, column());
    m_preview->setPlainText(problem.isEmpty() ? importPreviewText(m_read, column()) : problem);
    m_ok->setEnabled(problem.isEmpty());
}

void ImportDialog::accept()
{
    if (!m_ok->isEnabled())
        return;
    if (mode() == ImportMode::Replace) {
        const SpinList saved = readSpinList(roomListFile(m_listFolder, room()));
        const qint64 held = qint64(saved.spins.size()) + saved.leftOut;
        const auto count = [](qint64 n) { return QString::fromStdString(formatInteger(n)); };
        if (held > 0 && !m_platform.confirm(this, tr("A(z) %1. terem mentett listájának %2 pörgetése helyére a fájl "
                                                      "%3 pörgetése kerül; a mostani lista elvész.\nFolytatja ?")
                                                       .arg(room(), count(held), count(qint64(spins().size())))))
            return;
    }
    QDialog::accept();
}

} // namespace vintaro
