// Form1: "Exportálás CSV-be…", the history and the statistics as CSV files.
#include "mainwindow/form1.h"

#include <QDir>
#include <QFileInfo>

#include "persistence/csvexport.h"
#include "widgets/appearance.h"

namespace vintaro {

void Form1::exportCsv()
{
    QString path = m_platform->saveFileName(this, u8("Exportálás CSV-be"), u8("CSV fájl (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    const QString statPath = text(statisticsPath(path.toStdString()));

    QStringList failed;
    if (!writeWholeFile(path, historyCsv(m_session.history().spins())))
        failed << QDir::toNativeSeparators(path);
    if (!writeWholeFile(statPath, statisticsCsv(m_session)))
        failed << QDir::toNativeSeparators(statPath);
    if (!failed.isEmpty()) {
        m_platform->message(this, u8("Az exportálás nem sikerült, ezek a fájlok nem készültek el:\n%1")
                                      .arg(failed.join(QLatin1Char('\n'))));
        return;
    }
    m_platform->message(this,
                        u8("Az exportálás kész:\n%1\n%2")
                            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(statPath)),
                        Platform::Icon::Information);
}

} // namespace vintaro
