#pragma once
// The seven kinds of bet group that the analysis buttons look at.
#include <string_view>

namespace vintaro {

// Values match the analysis buttons' kind numbers.
enum class GroupKind {
    Street = 0,        // "Utca - street": 12 groups of 3
    SixLine = 1,       // "Hat szám": 11 groups of 6
    Corner = 2,        // "Corner": 22 groups of 4, from corner.txt
    Pair = 3,          // "Párok": 57 groups of 2, from parok.txt
    BigDiagonal = 4,   // "Nagyátló": 20 groups of 3, from natlo.txt
    SmallDiagonal = 5, // "Kisátló": 44 groups of 2, from katlo.txt
    SingleNumber = 6,  // "Egyszám": the numbers 0 to 36 themselves
};

constexpr int kGroupKindCount = 7;

// How many groups the kind has (its table capacity; 37 for single numbers).
int groupCount(GroupKind kind);

// How many numbers make one group of the kind.
int memberCount(GroupKind kind);

// Width of a group text: two digits per member, one blank between members.
constexpr int groupTextWidth(int members) { return 3 * members - 1; }

// The file a kind's table is read from ("parok.txt"), empty for the
// computed kinds and for single numbers.
std::string_view groupFileName(GroupKind kind);

// The file-based kinds in the order their files are read at start-up.
constexpr GroupKind kFileKinds[] = {GroupKind::Pair, GroupKind::SmallDiagonal, GroupKind::BigDiagonal,
                                    GroupKind::Corner};

} // namespace vintaro
