#pragma once
// The C library's reasons for a failed file operation ("No such file or
// directory") in Hungarian, for messages written in Hungarian.
#include <string>

namespace vintaro {

// The reason for the C library error number `code`, in Hungarian (the
// source text of its translation: persistence/readertext.h).
std::string systemErrorText(int code);
// An error number without a reason of its own: the number stands for %1.
extern const char *const kUnknownSystemError;

} // namespace vintaro
