#include "tests/support/showntexts.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBrush>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
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
    int place = 0;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        ++place;
        if (!w->isVisibleTo(window) || qobject_cast<const QHeaderView *>(w))
            continue;
        const QString key = QStringLiteral("%1 %2 %3").arg(place).arg(QLatin1String(w->metaObject()->className()), w->objectName());
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
    }
    return shown;
}

} // namespace vintaro::test
