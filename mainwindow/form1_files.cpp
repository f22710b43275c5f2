// Form1: Start, save, exit, room switching and narrowing.
#include "form1.h"

#include <QCloseEvent>

namespace vintaro {

void Form1::startList() {}
void Form1::saveRoom() {}
void Form1::exitProgram() {}
void Form1::switchRoom(int) {}
void Form1::restoreFull() {}
void Form1::deleteFull() {}
void Form1::narrowList() {}

void Form1::closeEvent(QCloseEvent *event) { QMainWindow::closeEvent(event); }

} // namespace vintaro
