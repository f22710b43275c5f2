#include "tests/support/showntexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBrush>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRect>
#include <QTabWidget>

namespace vintaro::test {

namespace {

QString colour(const QVariant &brush)
{
    return brush.isValid() ? brush.value<QBrush>().color().name() : QString();
}

} // namespace

QMap<QString, QString> shownTexts(const QWidget *window)
{
    QMap<QString, QString> shown;
    QMap<QString, int> seen; // controls of the same path, in the order they were made
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        QString path;
        for (const QObject *o = w; o && o != window; o = o->parent())
            path.prepend(QLatin1Char('/') + QLatin1String(o->metaObject()->className()) + QLatin1Char(' ') + o->objectName());
        const QString key = path + QLatin1Char('#') + QString::number(seen[path]++);
        if (!w->isVisibleTo(window) || qobject_cast<const QHeaderView *>(w))
            continue;
        const int before = int(shown.size());
        if (const auto *label = qobject_cast<const QLabel *>(w))
            shown[key] = label->text();
        else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            shown[key] = button->text() + (button->isEnabled() ? QString() : QStringLiteral(" (off)"));
        else if (const auto *field = qobject_cast<const QLineEdit *>(w))
            shown[key] = field->text();
        else if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            shown[key] = QString::number(tabs->currentIndex());
        else if (const auto *view = qobject_cast<const QAbstractItemView *>(w); view && view->model()) {
            const QAbstractItemModel *m = view->model();
            QStringList cells;
            for (int r = 0; r < m->rowCount(); ++r)
                for (int c = 0; c < m->columnCount(); ++c) {
                    const QModelIndex i = m->index(r, c);
                    cells << i.data().toString() + QLatin1Char('|') + colour(i.data(Qt::BackgroundRole)) +
                                 QLatin1Char('|') + colour(i.data(Qt::ForegroundRole));
                }
            shown[key] = cells.join(QLatin1Char('\n'));
        }
        // Where a control that shows something stands in the window: a
        // layout left behind shows here. (An empty label shows nothing; Qt
        // may leave it a pixel taller once its text has gone.)
        if (int(shown.size()) > before && !shown[key].isEmpty()) {
            const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
            shown[key + QStringLiteral(" at")] =
                QStringLiteral("%1,%2 %3x%4").arg(at.x()).arg(at.y()).arg(at.width()).arg(at.height());
        }
    }
    return shown;
}

} // namespace vintaro::test
