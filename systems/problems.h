#pragma once
// Why a system, its rules or its exact figures cannot be had: Hungarian texts
// marked for translation under "SystemProblems" (systems/systemstext.h's
// problemText shows them in the chosen language). A problem about one value
// is written from a text with %1 where the value stands.
#include <array>
#include <string>
#include <string_view>

#include "core/textmark.h"

namespace vintaro {

inline constexpr const char *kUnknownBetProblem = QT_TRANSLATE_NOOP("SystemProblems", "Ismeretlen tét: %1.");
inline constexpr const char *kSameNameProblem =
    QT_TRANSLATE_NOOP("SystemProblems", "Két rendszer neve ugyanaz: %1.");
inline constexpr const char *kBadLineProblem =
    QT_TRANSLATE_NOOP("SystemProblems", "Ismeretlen kulcs vagy hibás érték: %1.");
inline constexpr std::array<const char *, 3> kValueProblems = {kUnknownBetProblem, kSameNameProblem,
                                                               kBadLineProblem};

// `problem` with its %1 replaced by `value`.
inline std::string withValue(std::string_view problem, std::string_view value)
{
    std::string out(problem);
    if (const size_t at = out.find("%1"); at != std::string::npos)
        out.replace(at, 2, value);
    return out;
}

} // namespace vintaro
