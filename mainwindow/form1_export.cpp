// Form1: "Exportálás CSV-be…", the history and the statistics as CSV files.
#include "mainwindow/form1.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "persistence/csvexport.h"
#include "widgets/appearance.h"

namespace vintaro {

namespace {

// The two kinds the save dialog offers; the first is shown first.
QString standardFilter() { return Form1::tr("CSV, vesszővel elválasztva (*.csv)"); }
QString spreadsheetFilter() { return Form1::tr("CSV magyar nyelvű táblázatkezelőnek: pontosvessző, UTF-8 BOM (*.csv)"); }

// Where the dialog starts: the user's documents folder, and a name with the day in it.
QString proposedExportPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("vintaro_%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
}

} // namespace

void Form1::exportCsv()
{
    QString filter = standardFilter();
    QString path = m_platform->saveFileName(this, tr("Exportálás CSV-be"), standardFilter() + QStringLiteral(";;") + spreadsheetFilter(),
                                            proposedExportPath(), &filter);
    if (path.isEmpty())
        return;
    // The dialog asked about the name it was given; a name without an ending
    // and the statistics file beside it are asked about here.
    QStringList existing;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
        if (QFileInfo::exists(path))
            existing << QDir::toNativeSeparators(path);
    }
    const QString statPath = text(statisticsPath(path.toStdString()));
    if (QFileInfo::exists(statPath))
        existing << QDir::toNativeSeparators(statPath);
    if (!existing.isEmpty()
        && !m_platform->confirm(this, tr("Ez már létezik, és az exportálás felülírná:\n%1\nFelülírja?")
                                          .arg(existing.join(QLatin1Char('\n')))))
        return;

    const CsvStyle style = filter == spreadsheetFilter() ? CsvStyle::hungarianSpreadsheet() : CsvStyle::standard();
    QStringList failed;
    if (!writeWholeFile(path, historyCsv(m_session.history().spins(), style)))
        failed << QDir::toNativeSeparators(path);
    if (!writeWholeFile(statPath, statisticsCsv(m_session, style)))
        failed << QDir::toNativeSeparators(statPath);
    if (!failed.isEmpty()) {
        m_platform->message(this, tr("Az exportálás nem sikerült, ezek a fájlok nem készültek el:\n%1")
                                      .arg(failed.join(QLatin1Char('\n'))));
        return;
    }
    m_platform->message(this,
                        tr("Az exportálás kész:\n%1\n%2")
                            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(statPath)),
                        Platform::Icon::Information);
}

} // namespace vintaro
