#pragma once
// What each figure and column of the odds window means, as a tooltip and as
// a "Mi ez?" (What's This, Shift+F1) text: what it counts, what a fair wheel
// shows, and whether it changes the next spin's chances.
#include <QVariant>

class QWidget;

namespace vintaro {

// A column of the bet table or of the bias tests for Qt::ToolTipRole or
// Qt::WhatsThisRole; nothing for another role or column.
QVariant betsColumnHelp(int column, int role);
QVariant biasColumnHelp(int column, int role);

// Sets the tooltip and the What's This text of the window's figures, found
// by their names.
void explainOddsFigures(QWidget *window);

} // namespace vintaro
