#pragma once
// The chart window's geometry rules, in twips: the window's width, the graph
// widened by "+" and narrowed by "-", the chart type that Space moves to and
// the range of the scroll bar that pans a graph wider than the window.
#include <cstdint>
#include <span>
#include <vector>

namespace vintaro {

// Chart types of Graph1.
constexpr int kBars2D = 3;
constexpr int kBars3D = 4;
constexpr int kLine = 6;

constexpr int kChartInnerHeight = 2355;
constexpr int kWidestGraph = 32768;
// From this many points on, the chart opens as a line labelled every tenth
// point, and "*" can narrow it to the newest kChartTail spins.
constexpr int kChartTail = 100;

// 11 950 twips on a screen at least 12 000 twips wide, 9 550 on a smaller one.
int chartWindowWidth(int screenWidth);

// "+": twice as wide, at most kWidestGraph.
int widenedGraph(int width);

// "-": half as wide, never narrower than the window.
int narrowedGraph(int width, int windowWidth);

// Space: 3 -> 4 -> 6 -> 3; type 5 is skipped.
int nextChartType(int type);

struct ScrollRange
{
    int maximum = 0;
    int smallStep = 1;
    int largeStep = 1;
};

// The scroll bar's range for a graph of `graphWidth` in a window `innerWidth`
// wide, the bar starting at `barLeft`: the part of the graph that does not fit.
ScrollRange scrollRange(int graphWidth, int barLeft, int innerWidth);

// The newest kChartTail points of a series, oldest of them first; empty when
// the series is shorter.
std::vector<std::int16_t> chartTail(std::span<const std::int16_t> series);

// Marks every `every` points, or a round multiple of it (2, 5, 10, 20, 50,
// ...) where marks that close would run together: the smallest such step
// whose marks stand at least `needed` apart with points `slot` apart.
int thinned(int every, double slot, double needed);

} // namespace vintaro
