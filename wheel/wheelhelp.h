#pragma once
// What each figure and column of the wheel window means, as a tooltip and as
// a "Mi ez?" (What's This, Shift+F1) text: what it counts, what a fair wheel
// shows, and that it does not change the next spin's chances.
#include <QVariant>

class QWidget;

namespace vintaro {

// The sector table's column `column` for Qt::ToolTipRole or Qt::WhatsThisRole;
// nothing for another role or column.
QVariant sectorColumnHelp(int column, int role);

// Sets the tooltip and the What's This text of the window's figures, found
// by their names.
void explainWheelFigures(QWidget *window);

} // namespace vintaro
