// Form1: "Grafikon" turns the spins into the hit series of the chosen option
// and shows it in the chart window.
#include "mainwindow/form1.h"

#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <span>

#include "charts/series/chartseries.h"
#include "charts/diagramm.h"
#include "core/textformat.h"

namespace vintaro {

void Form1::requestChart()
{
    // The count as Label5 shows it; it never reaches past the history.
    const int count = std::min(leadingInt(m_label5->text().toStdString()), m_session.count());
    if (count <= 0)
        return;
    // Nothing selected on the selection grid: no chart, whatever the option.
    if (m_selection.countValue() == 0)
        return;
    const auto chosen = std::find_if(m_options.begin(), m_options.end(),
                                     [](const QRadioButton *option) { return option->isChecked(); });
    if (chosen == m_options.end())
        return;
    const int option = int(chosen - m_options.begin());
    if (option == kSelectedNumbersOption)
        examineSelection();

    const std::span<const std::int16_t> spins = m_session.history().spins().first(static_cast<size_t>(count));
    Diagramm chart(chartSeries(spins, option, m_selection), this);
    chart.move(geometry().center() - chart.rect().center());
    chart.exec();
}

} // namespace vintaro
