// Form1: opening the chart, interval and information windows.
#include "form1.h"

namespace vintaro {

void Form1::requestChart() {}
void Form1::openIntervals() {}
void Form1::openInfo() {}

} // namespace vintaro
