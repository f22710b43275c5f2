#include "groups/groupanalysis.h"

#include <array>

#include "core/numbermodel.h"
#include "core/textformat.h"
#include "core/textmark.h"

namespace vintaro {

GroupAnalysis analyseGroups(GroupKind kind, const std::vector<Group> &groups, const SpinHistory &history)
{
    GroupAnalysis analysis;
    analysis.kind = kind;
    analysis.results.reserve(groups.size());
    int leadingAbsence = 0;
    for (const Group &group : groups) {
        BetMembers isMember{};
        for (int n : group.members)
            if (isNumber(n))
                isMember[static_cast<size_t>(n)] = true;
        GroupResult result{group, betFigures(isMember, history.spins())};
        // Strictly greater: the first of equally absent groups leads, and a
        // group that has just hit never does.
        if (result.figures.current > leadingAbsence) {
            leadingAbsence = result.figures.current;
            analysis.leader = static_cast<int>(analysis.results.size());
        }
        analysis.results.push_back(std::move(result));
    }
    return analysis;
}

namespace {

constexpr const char *kSixLine = QT_TRANSLATE_NOOP("GroupReport", "Hat szám :  ");
constexpr const char *kHits = QT_TRANSLATE_NOOP("GroupReport", "Hányszor :  ");
constexpr const char *kAbsent = QT_TRANSLATE_NOOP("GroupReport", "Kimarad :  ");
constexpr const char *kLongest = QT_TRANSLATE_NOOP("GroupReport", "M.kimarad :  ");

// The group line's label for every kind but the six-line one.
const char *groupLabel(GroupKind kind)
{
    switch (kind) {
    case GroupKind::Street: return QT_TRANSLATE_NOOP("GroupReport", "Utca :  ");
    case GroupKind::Corner: return QT_TRANSLATE_NOOP("GroupReport", "Corner :  ");
    case GroupKind::Pair: return QT_TRANSLATE_NOOP("GroupReport", "Pár :  ");
    case GroupKind::BigDiagonal: return QT_TRANSLATE_NOOP("GroupReport", "N. átló :  ");
    case GroupKind::SmallDiagonal: return QT_TRANSLATE_NOOP("GroupReport", "K. átló :  ");
    case GroupKind::SingleNumber: return QT_TRANSLATE_NOOP("GroupReport", "Szám :  ");
    case GroupKind::SixLine: break;
    }
    return kSixLine;
}

std::string labelled(const ReportLabel &label, const char *text, const std::string &value)
{
    std::string line = label ? label(text) : std::string(text);
    line += value;
    return line;
}

} // namespace

std::vector<std::string> reportLines(const GroupAnalysis &analysis, const ReportLabel &label)
{
    std::vector<std::string> lines;
    const bool sixLine = analysis.kind == GroupKind::SixLine;
    lines.reserve(analysis.results.size() * (sixLine ? 7 : 6));
    for (const GroupResult &r : analysis.results) {
        lines.emplace_back();
        if (sixLine) {
            lines.push_back(labelled(label, kSixLine, {}));
            lines.push_back("  " + r.group.text);
        } else {
            lines.push_back(labelled(label, groupLabel(analysis.kind), r.group.text));
        }
        lines.push_back(labelled(label, kHits, plainText(r.figures.hits)));
        lines.push_back(labelled(label, kAbsent, plainText(r.figures.current)));
        lines.push_back(labelled(label, kLongest, plainText(r.figures.longest)));
        lines.emplace_back("*******************");
    }
    return lines;
}

} // namespace vintaro
