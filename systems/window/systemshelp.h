#pragma once
// What each input, figure and column of the systems window means, as a
// tooltip and as a "Mi ez?" (What's This, Shift+F1) text: what it counts or
// sets, what a fair wheel gives, and that no system changes the next spin's
// chances.
#include <QString>
#include <QVariant>

class QStandardItemModel;
class QWidget;

namespace vintaro {

// Sets the tooltip and the What's This text of the window's inputs and
// figures, found by their names; an input that already has a tooltip keeps it.
void explainSystemsFigures(QWidget *window);

// The header help of the figure tables: the backtest's two columns
// (`recorded`) or the simulation's three.
void explainFigureColumns(QStandardItemModel *model, bool recorded);

// A row of the figure tables, by its caption as shown, for Qt::ToolTipRole or
// Qt::WhatsThisRole; nothing for an unknown caption or another role.
QVariant figureRowHelp(const QString &caption, int role);

} // namespace vintaro
