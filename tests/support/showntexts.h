#pragma once
// What a window shows now, for comparing two windows: the text of every
// visible label, button and field, the current tab, and every cell of every
// visible table with its colours.
#include <QMap>
#include <QString>

class QWidget;

namespace vintaro::test {

// Keyed by the control's place among the window's controls and its name.
QMap<QString, QString> shownTexts(const QWidget *window);

} // namespace vintaro::test
