#pragma once
// The C library's reasons for a failed file operation ("No such file or
// directory") in Hungarian, for messages written in Hungarian.
#include <QString>

#include <string_view>

namespace vintaro {

// The reason for the C library error number `code`, in Hungarian.
QString systemErrorText(int code);
// The same for a reason as std::strerror wrote it; a text it did not write
// comes back as a Hungarian "unknown error".
QString systemErrorText(std::string_view strerrorText);

} // namespace vintaro
