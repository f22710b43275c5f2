#include "info/helpbrowser.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "info/manualpages.h"
#include "translations/language.h"

namespace vintaro {

namespace {

constexpr int kPageRole = Qt::UserRole;

QString pageSource(Language language, const QString &page)
{
    QFile file(manualFolder(language) + page + QStringLiteral(".html"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString pageTitle(const QString &html, const QString &fallback)
{
    static const QRegularExpression title(QStringLiteral("<title>(.*)</title>"));
    const auto match = title.match(html);
    return match.hasMatch() ? match.captured(1) : fallback;
}

// The page's words as a reader sees them: no tags, no markup entities.
QString pageText(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

} // namespace

HelpBrowser::HelpBrowser(Language language, QWidget *parent) : QWidget(parent, Qt::Window), m_language(language)
{
    setObjectName(QStringLiteral("Kezikonyv"));
    setWindowTitle(tr("Vintaro – Kézikönyv"));
    // Running text reads better in a plain face than in the windows' bold one.
    QFont plain = font();
    plain.setBold(false);
    plain.setPointSizeF(10);
    setFont(plain);
    buildWindow();
    resize(980, 700);
}

void HelpBrowser::buildWindow()
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("Kereses"));
    m_search->setPlaceholderText(tr("Keresés a kézikönyvben"));
    m_search->setClearButtonEnabled(true);
    m_search->setToolTip(tr("A lista azokat az oldalakat mutatja, amelyeken minden beírt szó megvan; az "
                            "Enter a következő előfordulásra ugrik."));

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("Tartalom"));
    for (const QString &page : manualPages()) {
        const QString html = pageSource(m_language, page);
        auto *item = new QListWidgetItem(pageTitle(html, page), m_contents);
        item->setData(kPageRole, page);
        item->setData(Qt::UserRole + 1, pageText(html));
    }

    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("Oldal"));
    m_page->setOpenLinks(true);
    m_page->setOpenExternalLinks(true);

    auto *side = new QVBoxLayout;
    auto *contentsLabel = new QLabel(tr("Tartalom"), this);
    side->addWidget(m_search);
    side->addWidget(contentsLabel);
    side->addWidget(m_contents, 1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(side, 0);
    layout->addWidget(m_page, 1);
    m_contents->setMinimumWidth(260);
    m_contents->setMaximumWidth(320);

    connect(m_contents, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showPage(item->data(kPageRole).toString()); });
    connect(m_contents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showPage(item->data(kPageRole).toString()); });
    connect(m_search, &QLineEdit::textChanged, this, &HelpBrowser::search);
    connect(m_search, &QLineEdit::returnPressed, this, &HelpBrowser::findNext);
    connect(m_page, &QTextBrowser::sourceChanged, this, &HelpBrowser::pageShown);
}

void HelpBrowser::showPage(const QString &page)
{
    m_page->setSource(manualUrl(m_language, page));
    // A browser not shown yet says nothing of the change.
    pageShown();
}

QString HelpBrowser::currentPage() const
{
    const QString file = m_page->source().fileName();
    return file.left(file.lastIndexOf(QLatin1Char('.')));
}

void HelpBrowser::pageShown()
{
    const QString page = currentPage();
    for (int row = 0; row < m_contents->count(); ++row)
        if (m_contents->item(row)->data(kPageRole).toString() == page)
            m_contents->setCurrentRow(row);
    // A page opened while searching shows the first place of the words.
    if (!m_search->text().trimmed().isEmpty()) {
        m_page->moveCursor(QTextCursor::Start);
        findNext();
    }
}

void HelpBrowser::search(const QString &words)
{
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int row = 0; row < m_contents->count(); ++row) {
        QListWidgetItem *item = m_contents->item(row);
        const QString text = item->data(Qt::UserRole + 1).toString();
        bool all = true;
        for (const QString &word : wanted)
            all = all && text.contains(word, Qt::CaseInsensitive);
        item->setHidden(!all);
    }
}

void HelpBrowser::findNext()
{
    const QStringList wanted = m_search->text().simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty())
        return;
    if (!m_page->find(wanted.first())) {
        // From the top again.
        m_page->moveCursor(QTextCursor::Start);
        m_page->find(wanted.first());
    }
}

} // namespace vintaro
