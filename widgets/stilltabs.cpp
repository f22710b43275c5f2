#include "widgets/stilltabs.h"

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>

#include <optional>

namespace vintaro {

namespace {

class StillTabs : public QObject
{
public:
    explicit StillTabs(QTabWidget *tabs) : QObject(tabs), m_tabs(tabs) { tabs->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_tabs || event->type() != QEvent::LayoutRequest)
            return false;
        const Laid now{m_tabs->tabBar()->sizeHint(), m_tabs->size(), m_tabs->count(), m_tabs->currentIndex()};
        if (m_laid && now == *m_laid) {
            m_tabs->updateGeometry();
            return true;
        }
        m_laid = now; // the tab widget lays itself out now
        return false;
    }

private:
    struct Laid
    {
        QSize bar, size;
        int count = 0, current = 0;
        bool operator==(const Laid &) const = default;
    };
    QTabWidget *m_tabs;
    std::optional<Laid> m_laid;
};

} // namespace

void keepTabsStill(QTabWidget *tabs)
{
    new StillTabs(tabs);
}

} // namespace vintaro
