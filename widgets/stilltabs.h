#pragma once
// A tab widget lays itself out again and redraws itself whole whenever
// anything on a page asks for a new layout (a label's new text, after every
// spin). While its tab bar wants the size it had and the widget keeps its
// own, that layout would put everything where it stands: then only the new
// size hints go up to the window's layout, and only what changed is redrawn.
class QTabWidget;

namespace vintaro {

void keepTabsStill(QTabWidget *tabs);

} // namespace vintaro
