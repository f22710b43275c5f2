#pragma once
// What a window shows now, for comparing two windows: where every visible
// control stands, the text of every visible label, button and field, the
// current tab, and every cell of every visible table with its colours.
#include <QMap>
#include <QString>

class QWidget;

namespace vintaro::test {

// Keyed by the control's path of classes and names from the window down.
QMap<QString, QString> shownTexts(const QWidget *window);

} // namespace vintaro::test
