#pragma once
// The built-in manual: its pages in a text browser, a contents list beside
// it and a search field above that keeps the pages holding every word typed
// and finds them on the page shown.
#include <QString>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace vintaro {

enum class Language;

class HelpBrowser : public QWidget
{
    Q_OBJECT
public:
    explicit HelpBrowser(Language language, QWidget *parent = nullptr);

    // Shows `page` ("kerek", "rendszerek#sajat"; see info/manualpages.h).
    void showPage(const QString &page);
    // The page shown, as showPage takes it (without the place).
    QString currentPage() const;

private:
    void buildWindow();
    void search(const QString &words);
    void findNext();
    void pageShown();

    Language m_language;
    QLineEdit *m_search = nullptr;
    QListWidget *m_contents = nullptr;
    QTextBrowser *m_page = nullptr;
};

} // namespace vintaro
