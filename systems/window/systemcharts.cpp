#include "systems/window/systemcharts.h"

#include <QCoreApplication>

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLineSeries>

#include <algorithm>
#include <cmath>

#include "systems/chartpoints.h"
#include "systems/systemstext.h"
#include "widgets/appearance.h"

namespace vintaro {

namespace {

// The axis from lo to hi with about five round steps, labelled in the chosen
// language; left alone when it already shows them.
void setRoundAxis(QCategoryAxis *axis, double lo, double hi)
{
    if (hi <= lo)
        hi = lo + 1;
    const double raw = (hi - lo) / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double step = power * (raw / power <= 1 ? 1 : raw / power <= 2 ? 2 : raw / power <= 5 ? 5 : 10);
    const double first = std::floor(lo / step) * step, last = std::ceil(hi / step) * step;
    const int ticks = int(std::lround((last - first) / step)) + 1;
    if (axis->count() == ticks && axis->min() == first && axis->max() == last)
        return;
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    for (double v = first; v <= last + step / 2; v += step) {
        const double tick = std::fabs(v) < step / 1e6 ? 0 : v;
        axis->append(text(moneyText(tick)), tick);
    }
    axis->setRange(first, last);
}

QCategoryAxis *roundAxis(double lo, double hi)
{
    auto *axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    setRoundAxis(axis, lo, hi);
    return axis;
}

void replace(QChartView *view, QAbstractSeries *series, QAbstractAxis *x, QAbstractAxis *y)
{
    QChart *chart = view->chart();
    chart->removeAllSeries();
    for (QAbstractAxis *axis : chart->axes())
        chart->removeAxis(axis), delete axis;
    chart->addSeries(series);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
}

} // namespace

QChartView *makeChartView(QWidget *parent, const char *name, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->hide();
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto *view = new QChartView(chart, parent);
    view->setObjectName(QLatin1String(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 260);
    return view;
}

void showBankroll(QChartView *view, const std::vector<double> &bankroll)
{
    // The line and its axes stay; only their points and ticks change.
    QChart *chart = view->chart();
    auto *line = chart->series().size() == 1 ? qobject_cast<QLineSeries *>(chart->series().constFirst()) : nullptr;
    const QString name = QCoreApplication::translate("vintaro::SystemCharts", "Tőke");
    if (!line || line->name() != name) {
        line = new QLineSeries;
        line->setName(name);
        replace(view, line, roundAxis(0, 1), roundAxis(0, 1));
    }
    // Two points a pixel column draw every peak and trough of the line.
    const int columns = int(chart->plotArea().width() > 0 ? chart->plotArea().width() : view->width());
    const std::vector<std::size_t> shown = columnExtremes(bankroll, columns);
    QList<QPointF> points;
    points.reserve(qsizetype(shown.size()));
    for (const std::size_t i : shown)
        points.append(QPointF(double(i), bankroll[i]));
    line->replace(points);
    const auto [lo, hi] = std::minmax_element(bankroll.begin(), bankroll.end());
    setRoundAxis(static_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).constFirst()), 0,
                 double(std::max<size_t>(bankroll.size(), 2) - 1));
    setRoundAxis(static_cast<QCategoryAxis *>(chart->axes(Qt::Vertical).constFirst()),
                 bankroll.empty() ? 0 : std::min(0.0, *lo), bankroll.empty() ? 1 : *hi);
}

void showHistogram(QChartView *view, const std::vector<double> &results, int bins)
{
    double lo = 0, hi = 1;
    if (!results.empty()) {
        const auto [a, b] = std::minmax_element(results.begin(), results.end());
        lo = *a, hi = *b;
    }
    if (hi <= lo)
        hi = lo + 1;
    const double width = (hi - lo) / bins;
    std::vector<double> counts(size_t(bins), 0);
    for (double r : results)
        counts[size_t(std::clamp(int((r - lo) / width), 0, bins - 1))] += 1;
    // The share of the sessions in each bin, drawn as steps.
    auto *upper = new QLineSeries;
    double top = 0;
    for (int i = 0; i < bins; ++i) {
        const double share = results.empty() ? 0 : 100 * counts[size_t(i)] / double(results.size());
        top = std::max(top, share);
        upper->append(lo + i * width, 0);
        upper->append(lo + i * width, share);
        upper->append(lo + (i + 1) * width, share);
        upper->append(lo + (i + 1) * width, 0);
    }
    auto *area = new QAreaSeries(upper);
    upper->setParent(area); // an area series does not own its line
    area->setName(QCoreApplication::translate("vintaro::SystemCharts", "Menetek"));
    area->setColor(QColor(70, 110, 180));
    area->setBorderColor(QColor(40, 70, 130));
    QCategoryAxis *y = roundAxis(0, std::max(top, 1.0));
    const QStringList labels = y->categoriesLabels();
    for (const QString &label : labels)
        y->replaceLabel(label, QCoreApplication::translate("SystemsText", "%1 %").arg(label));
    replace(view, area, roundAxis(lo, hi), y);
}

} // namespace vintaro
