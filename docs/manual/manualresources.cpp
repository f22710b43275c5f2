// The built-in manual's pages live in this library's resources (:/manual);
// this function gives the linker a reason to keep them.
#include <QtGlobal>

namespace vintaro {

void linkManualResources() {}

} // namespace vintaro
