#pragma once
// Read-only table views over a model: sortable by any column through a
// proxy that sorts by the model's Qt::UserRole values, or shown whole.
#include <QString>
#include <QVariant>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace vintaro {

QTableView *makeTableView(QWidget *parent, const QString &name, QAbstractItemModel *model, bool sortable);

// A small table shown whole, beside its row names: no scroll bars, no
// selection, no focus; every column at least as wide as `widestText`.
QTableView *makeFixedTableView(QWidget *parent, const QString &name, QAbstractItemModel *model,
                               const QString &widestText);

// A model's column caption (display role) and what it means (tooltip role,
// when `tip` is not empty); nothing for other roles.
QVariant columnCaption(const char *title, const char *tip, int role);

// The height that shows `rows` rows and the header.
int fittingHeight(QTableView *view, int rows);

} // namespace vintaro
