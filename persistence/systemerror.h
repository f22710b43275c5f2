#pragma once
// The C library's reasons for a failed file operation ("No such file or
// directory") in Hungarian, for messages written in Hungarian.
#include <string>

namespace vintaro {

// The reason for the C library error number `code`, in Hungarian.
std::string systemErrorText(int code);

} // namespace vintaro
