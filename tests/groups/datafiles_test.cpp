// The four group files beside the program hold exactly the bets of the
// table layout: 1-36 in twelve rows of three, row r holding 3r-2, 3r-1, 3r.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "persistence/fields.h"
#include "groups/grouptables.h"

namespace vintaro {
namespace {

using Members = std::vector<int>;

struct Cell
{
    int row, column;
};
Cell cellOf(int n) { return {(n - 1) / 3, (n - 1) % 3}; }

// Every ascending set of `size` numbers from 1..36 that the rule accepts.
std::set<Members> layoutGroups(int size, const std::function<bool(const Members &)> &accepts)
{
    std::set<Members> out;
    Members current;
    std::function<void(int)> extend = [&](int from) {
        if (static_cast<int>(current.size()) == size) {
            if (accepts(current))
                out.insert(current);
            return;
        }
        for (int n = from; n <= 36; ++n) {
            current.push_back(n);
            extend(n + 1);
            current.pop_back();
        }
    };
    extend(1);
    return out;
}

// The cells of the numbers, top row first, left to right.
std::vector<Cell> cellsOf(const Members &g)
{
    std::vector<Cell> cells;
    for (int n : g)
        cells.push_back(cellOf(n));
    std::sort(cells.begin(), cells.end(),
              [](Cell a, Cell b) { return a.row != b.row ? a.row < b.row : a.column < b.column; });
    return cells;
}

// The numbers lie on one straight line of neighbouring cells, one step of
// (rows, columns) apart each, in some order.
bool isLine(const Members &g, int rowStep, int columnStep)
{
    const std::vector<Cell> cells = cellsOf(g);
    for (size_t i = 1; i < cells.size(); ++i)
        if (cells[i].row - cells[i - 1].row != rowStep || cells[i].column - cells[i - 1].column != columnStep)
            return false;
    return true;
}

std::string readAll(const std::string &name)
{
    std::ifstream in(std::string(VINTARO_DATA_DIR) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Checks the file's form and returns its groups in file order.
std::vector<Members> fileGroups(GroupKind kind)
{
    const std::string name(groupFileName(kind));
    const std::string content = readAll(name);
    EXPECT_FALSE(content.empty()) << name;
    const int members = memberCount(kind);
    std::vector<Members> groups;
    size_t start = 0;
    while (start < content.size()) {
        const size_t end = content.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << name << ": every line ends with CR LF";
        if (end == std::string::npos)
            break;
        const std::string line = content.substr(start, end - start);
        EXPECT_EQ(static_cast<int>(line.size()), groupTextWidth(members)) << name << ": " << line;
        for (size_t i = 0; i < line.size(); ++i)
            EXPECT_TRUE(i % 3 == 2 ? line[i] == ' ' : (line[i] >= '0' && line[i] <= '9')) << name << ": " << line;
        groups.push_back(groupMembers(line, members));
        start = end + 2;
    }
    // Read the way start-up reads it, the file gives the same groups.
    GroupTables tables;
    std::vector<std::string> records;
    for (const Field &f : readFields(content))
        records.push_back(f.text);
    tables.fill(kind, records);
    std::vector<Members> read;
    for (const Group &g : tables.groups(kind))
        read.push_back(g.members);
    EXPECT_EQ(read, groups) << name;
    return groups;
}

void expectExactly(GroupKind kind, const std::set<Members> &expected)
{
    const std::vector<Members> groups = fileGroups(kind);
    EXPECT_EQ(static_cast<int>(groups.size()), groupCount(kind));
    std::set<Members> seen;
    for (Members g : groups) {
        std::sort(g.begin(), g.end());
        EXPECT_TRUE(seen.insert(g).second) << groupFileName(kind) << ": a group twice";
    }
    EXPECT_EQ(seen, expected) << groupFileName(kind);
}

TEST(GroupFiles, PairsAreNeighboursInARowOrAboveEachOther)
{
    const auto expected = layoutGroups(2, [](const Members &g) { return isLine(g, 0, 1) || isLine(g, 1, 0); });
    ASSERT_EQ(expected.size(), 57u);
    expectExactly(GroupKind::Pair, expected);
}

TEST(GroupFiles, SmallDiagonalsAreDiagonalNeighbours)
{
    const auto expected = layoutGroups(2, [](const Members &g) { return isLine(g, 1, 1) || isLine(g, 1, -1); });
    ASSERT_EQ(expected.size(), 44u);
    expectExactly(GroupKind::SmallDiagonal, expected);
}

TEST(GroupFiles, BigDiagonalsCrossThreeRows)
{
    const auto expected = layoutGroups(3, [](const Members &g) { return isLine(g, 1, 1) || isLine(g, 1, -1); });
    ASSERT_EQ(expected.size(), 20u);
    expectExactly(GroupKind::BigDiagonal, expected);
}

TEST(GroupFiles, CornersAreBlocksOfFour)
{
    const auto expected = layoutGroups(4, [](const Members &g) {
        // Two by two cells: two neighbours in a row and the two below them.
        const auto c = cellsOf(g);
        const int r = c[0].row, k = c[0].column;
        return c[1].row == r && c[1].column == k + 1 && c[2].row == r + 1 && c[2].column == k &&
               c[3].row == r + 1 && c[3].column == k + 1;
    });
    ASSERT_EQ(expected.size(), 22u);
    expectExactly(GroupKind::Corner, expected);
}

} // namespace
} // namespace vintaro
