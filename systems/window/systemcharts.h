#pragma once
// The two charts of the systems window, with Qt Charts: what is left spin by
// spin in a backtest, and a histogram of the final results of the simulated
// sessions. Axis labels are written as every other number of the program.
#include <vector>

class QChartView;
class QString;
class QWidget;

namespace vintaro {

QChartView *makeChartView(QWidget *parent, const char *name, const QString &title);

// A line of what is left, point 0 the bankroll at the start.
void showBankroll(QChartView *view, const std::vector<double> &bankroll);

// The results in `bins` equal bins between the smallest and the largest.
void showHistogram(QChartView *view, const std::vector<double> &results, int bins = 40);

} // namespace vintaro
