// Form1: the selection grid, its toggles, the group analyses, the
// examination and the sorted per-number rows.
#include "form1.h"

namespace vintaro {

void Form1::loadGroupTables() {}
void Form1::toggleSelection(int) {}
void Form1::toggleStreet(int) {}
void Form1::toggleRow(int) {}
void Form1::clearRoomBox() {}
void Form1::clearSelection() {}
void Form1::examineSelection() {}
void Form1::analyseGroups(int) {}
void Form1::sortByAbsence() {}
void Form1::sortByNumber() {}
void Form1::showSelection() {}
void Form1::showSelectionButton(int) {}

} // namespace vintaro
