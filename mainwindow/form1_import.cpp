// Form1: "Előzmény betöltése…", spins from elsewhere into a room's saved list.
#include "mainwindow/form1.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include "core/textformat.h"
#include "mainwindow/importdialog.h"
#include "persistence/roomimport.h"

namespace vintaro {

void Form1::addImportItem()
{
    auto *item = new QAction(ImportDialog::tr("Előzmény betöltése…"), this);
    item->setObjectName(QStringLiteral("elozmeny"));
    const QList<QAction *> tools = m_tools->actions();
    QAction *before = nullptr;
    for (QAction *a : tools)
        if (a->objectName() == QLatin1String("kezikonyv"))
            before = a;
    m_tools->insertAction(before, item); // beside the export; the manual and the language stay last
    connect(item, &QAction::triggered, this, &Form1::importHistory);
}

void Form1::importHistory()
{
    const int current = leadingInt(roomText(m_text1->text()).toStdString());
    auto *dialog = new ImportDialog(*m_platform, m_folders.lists, current, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const QString room = dialog->room();
        const auto fault = importRoomFiles(m_folders.lists, room, dialog->spins(), dialog->mode());
        if (fault) {
            m_platform->message(this, fileFaultText(*fault) + ImportDialog::tr("\nA terem listája nem változott."));
            return;
        }
        const QString count = QString::fromStdString(formatInteger(std::int64_t(dialog->spins().size())));
        m_platform->message(this,
                            (dialog->mode() == ImportMode::Replace
                                 ? ImportDialog::tr("%1 pörgetés került a(z) %2. terem mentett listája helyére.")
                                 : ImportDialog::tr("%1 pörgetés került a(z) %2. terem mentett listája végére."))
                                    .arg(count, room) +
                                ImportDialog::tr("\nA Terem választás menüben a terem kiválasztása tölti be."),
                            Platform::Icon::Information);
    });
    // After the menu has given the keys back to spin entry, so that the
    // dialog keeps them.
    QMetaObject::invokeMethod(dialog, &QDialog::open, Qt::QueuedConnection);
}

} // namespace vintaro
