#include "persistence/readertext.h"

#include <QCoreApplication>

#include <cctype>

#include "persistence/systemerror.h"

namespace vintaro {

QString readErrorText(const std::string &reason)
{
    // An error number without a reason of its own keeps its number.
    const std::string_view unknown = kUnknownSystemError;
    const std::size_t at = unknown.find("%1");
    const std::string_view before = unknown.substr(0, at), after = unknown.substr(at + 2);
    if (reason.size() > before.size() + after.size() && reason.starts_with(before) && reason.ends_with(after)) {
        const std::string number = reason.substr(before.size(), reason.size() - before.size() - after.size());
        bool digits = true;
        for (std::size_t i = 0; i < number.size(); ++i)
            digits = digits && (std::isdigit(static_cast<unsigned char>(number[i])) || (i == 0 && number[i] == '-'));
        if (digits)
            return QCoreApplication::translate("vintaro::InputFile", kUnknownSystemError)
                .arg(QString::fromStdString(number));
    }
    return QCoreApplication::translate("vintaro::InputFile", reason.c_str());
}

QString spinFormatText(SpinFormat format)
{
    const std::string note = formatNote(format);
    return note.empty() ? QString() : QCoreApplication::translate("vintaro::SpinFormat", note.c_str());
}

} // namespace vintaro
