#include "info/manualpages.h"

#include <QHash>

#include "translations/language.h"

namespace vintaro {

const QStringList &manualPages()
{
    static const QStringList pages = {
        QStringLiteral("index"),      QStringLiteral("foablak"),    QStringLiteral("termek"),
        QStringLiteral("intervallum"), QStringLiteral("grafikon"),  QStringLiteral("kerek"),
        QStringLiteral("eselyek"),    QStringLiteral("rendszerek"), QStringLiteral("naplo"),
        QStringLiteral("elozmeny"),   QStringLiteral("info"),       QStringLiteral("parancssor"),
        QStringLiteral("szamok"),     QStringLiteral("jegyzek")};
    return pages;
}

QString manualPageOf(const QString &windowName)
{
    static const QHash<QString, QString> pages = {
        {QStringLiteral("Form1"), QStringLiteral("foablak")},
        {QStringLiteral("Interval5"), QStringLiteral("intervallum")},
        {QStringLiteral("diagramm"), QStringLiteral("grafikon")},
        {QStringLiteral("INFO"), QStringLiteral("info")},
        {QStringLiteral("Kerek"), QStringLiteral("kerek")},
        {QStringLiteral("Eselyek"), QStringLiteral("eselyek")},
        {QStringLiteral("Rendszerek"), QStringLiteral("rendszerek")},
        {QStringLiteral("SajatRendszerSzerkeszto"), QStringLiteral("rendszerek#sajat")},
        {QStringLiteral("Naplo"), QStringLiteral("naplo")},
        {QStringLiteral("Elozmeny"), QStringLiteral("elozmeny")},
    };
    return pages.value(windowName, manualPages().first());
}

QString manualFolder(Language language)
{
    return language == Language::English ? QStringLiteral(":/manual/en/") : QStringLiteral(":/manual/hu/");
}

QUrl manualUrl(Language language, const QString &page)
{
    const qsizetype hash = page.indexOf(QLatin1Char('#'));
    QUrl url(QStringLiteral("qrc") + manualFolder(language) + page.left(hash) + QStringLiteral(".html"));
    if (hash >= 0)
        url.setFragment(page.mid(hash + 1));
    return url;
}

} // namespace vintaro
