#pragma once
// The built-in manual's pages: their order in the contents, the page that
// tells about each window, and where the pages of a language lie.
#include <QString>
#include <QStringList>
#include <QUrl>

namespace vintaro {

enum class Language;

// The pages' file names without ".html", in the order of the contents.
const QStringList &manualPages();

// The page (and place on it) that tells about the window named
// `windowName` (its objectName); the first page for a window it does not know.
QString manualPageOf(const QString &windowName);

// The folder of the pages in `language` (":/manual/hu/", ":/manual/en/"),
// and a page's address there; `page` may end in "#place".
QString manualFolder(Language language);
QUrl manualUrl(Language language, const QString &page);

} // namespace vintaro
