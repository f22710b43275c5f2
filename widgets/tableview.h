#pragma once
// A read-only table view over a model, sortable by any column through a
// proxy that sorts by the model's Qt::UserRole values.
#include <QString>

class QAbstractItemModel;
class QTableView;
class QWidget;

namespace vintaro {

QTableView *makeTableView(QWidget *parent, const QString &name, QAbstractItemModel *model, bool sortable);

// The height that shows `rows` rows and the header.
int fittingHeight(QTableView *view, int rows);

} // namespace vintaro
