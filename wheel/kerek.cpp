#include "wheel/kerek.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

#include <algorithm>
#include <optional>

#include "core/session.h"
#include "core/textformat.h"
#include "core/wheelstatistics.h"
#include "wheel/sectormodel.h"
#include "wheel/wheelhelp.h"
#include "wheel/wheelview.h"
#include "widgets/appearance.h"
#include "widgets/tableview.h"
#include "widgets/palette.h"
#include "widgets/wrappedlabel.h"

namespace vintaro {

namespace {

// Every number the window writes: grouped like the odds window's.
QString number(std::int64_t value) { return text(formatInteger(value)); }


// The heat measures in the order of their radio buttons: hits in the newest
// N spins (0: all of them), then the current absence.
struct Measure
{
    const char *name;
    const char *caption;
    int window;
};
constexpr std::array<Measure, 6> kMeasures = {{
    {"Heat37", "37", 37},
    {"Heat74", "74", 74},
    {"Heat185", "185", 185},
    {"Heat370", "370", 370},
    {"HeatAll", QT_TRANSLATE_NOOP("vintaro::Kerek", "mind"), 0},
    {"HeatAbsence", QT_TRANSLATE_NOOP("vintaro::Kerek", "Kihagyás (pörgetés, amióta nem jött)"), -1},
}};

QString colourName(double t) { return WheelView::heatColour(t).name(); }

} // namespace

Kerek::Kerek(const Session &session, QWidget *parent) : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("Kerek"));
    setWindowTitle(tr("Kerék"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(programFont());
    setBackground(this, rgb(kFaceGrey));
    buildWindow();
    explainWheelFigures(this);
    refresh();
    setMinimumSize(minimumSizeHint());
}

void Kerek::buildWindow()
{
    // The wheel beside its panel on a wide window, above it on a narrow one;
    // the panel scrolls when the window is small.
    m_columns = new QBoxLayout(QBoxLayout::LeftToRight, this);
    m_columns->setSizeConstraint(QLayout::SetNoConstraint);
    auto *columns = m_columns;

    auto *left = new QVBoxLayout;
    m_wheelColumn = left;
    m_view = new WheelView(this);
    left->addWidget(m_view, 1);
    auto *hint = wrappedLabel(this, "Hint", tr("Kattintás: zseb választása · dupla kattintás: a szám beírása pörgetésként"));
    hint->setAlignment(Qt::AlignCenter);
    left->addWidget(hint);
    columns->addLayout(left, 1);

    m_panel = new QScrollArea(this);
    m_panel->setObjectName(QStringLiteral("Panel"));
    m_panel->setFrameShape(QFrame::NoFrame);
    m_panel->setWidgetResizable(true);
    auto *panel = new QWidget(m_panel);
    setBackground(panel, rgb(kFaceGrey));
    auto *right = new QVBoxLayout(panel);
    right->setContentsMargins(0, 0, 0, 0);
    auto *heat = new QGroupBox(tr("Hőgyűrű"), this);
    heat->setObjectName(QStringLiteral("HeatBox"));
    auto *heatGrid = new QGridLayout(heat);
    heatGrid->addWidget(new QLabel(tr("Találat az utolsó"), heat), 0, 0);
    m_measures = new QButtonGroup(this);
    for (int i = 0; i < int(kMeasures.size()); ++i) {
        auto *option = new QRadioButton(tr(kMeasures[size_t(i)].caption), heat);
        option->setObjectName(QLatin1String(kMeasures[size_t(i)].name));
        m_measures->addButton(option, i);
        if (kMeasures[size_t(i)].window < 0)
            heatGrid->addWidget(option, 1, 0, 1, 7);
        else
            heatGrid->addWidget(option, 0, i + 1);
    }
    heatGrid->addWidget(new QLabel(tr("pörgetésben"), heat), 0, 6);
    m_measures->button(0)->setChecked(true);
    connect(m_measures, &QButtonGroup::idClicked, this, [this] { showHeat(); });
    right->addWidget(heat);

    m_legendCaption = new QLabel(this);
    m_legendCaption->setObjectName(QStringLiteral("LegendCaption"));
    right->addWidget(m_legendCaption);
    auto *legend = new QHBoxLayout;
    m_legendLow = new QLabel(this);
    m_legendLow->setObjectName(QStringLiteral("LegendLow"));
    m_legendBar = new QLabel(this);
    m_legendBar->setObjectName(QStringLiteral("LegendBar"));
    m_legendBar->setMinimumSize(160, 14);
    m_legendHigh = new QLabel(this);
    m_legendHigh->setObjectName(QStringLiteral("LegendHigh"));
    for (QLabel *end : {m_legendLow, m_legendHigh}) {
        end->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("32736")) + 4);
        end->setAlignment(Qt::AlignCenter);
    }
    legend->addWidget(m_legendLow);
    legend->addWidget(m_legendBar, 1);
    legend->addWidget(m_legendHigh);
    right->addLayout(legend);

    m_chosenLabel = new QLabel(this);
    m_chosenLabel->setObjectName(QStringLiteral("Chosen"));
    setTextColour(m_chosenLabel, rgb(kCaptionBlue));
    right->addSpacing(8);
    right->addWidget(m_chosenLabel);
    auto *neighbourRow = new QHBoxLayout;
    neighbourRow->addWidget(new QLabel(tr("Szomszédok mindkét oldalon:"), this));
    m_neighbours = new QSpinBox(this);
    m_neighbours->setObjectName(QStringLiteral("Neighbours"));
    m_neighbours->setRange(1, 4);
    m_neighbours->setValue(2);
    connect(m_neighbours, &QSpinBox::valueChanged, this, [this] {
        showChosen();
        refresh();
    });
    neighbourRow->addWidget(m_neighbours);
    neighbourRow->addStretch(1);
    right->addLayout(neighbourRow);

    m_model = new SectorModel(this);
    // Columns wide enough for the longest history, so that the table keeps
    // its width as the spins come.
    m_table = makeFixedTableView(this, QStringLiteral("SectorTable"), m_model, QStringLiteral("32736,0"));
    right->addWidget(m_table);
    right->addStretch(1);
    m_panel->setWidget(panel);
    columns->addWidget(m_panel);

    connect(m_view, &WheelView::pocketClicked, this, &Kerek::choosePocket);
    connect(m_view, &WheelView::pocketDoubleClicked, this, &Kerek::numberEntered);
    showChosen();
}

QSize Kerek::arranged(bool sideBySide, bool least) const
{
    const QSize wheel = least ? m_wheelColumn->minimumSize() : m_wheelColumn->sizeHint();
    // The whole panel in view, or as little of it as scrolling allows.
    const QSize panel = least ? m_panel->minimumSizeHint()
                              : m_panel->widget()->sizeHint() +
                                    QSize(m_panel->verticalScrollBar()->sizeHint().width(), 0);
    const QMargins m = m_columns->contentsMargins();
    const int gap = m_columns->spacing();
    const QSize inner = sideBySide ? QSize(wheel.width() + gap + panel.width(), std::max(wheel.height(), panel.height()))
                                   : QSize(std::max(wheel.width(), panel.width()), wheel.height() + gap + panel.height());
    return inner.grownBy(m);
}

QSize Kerek::sizeHint() const { return arranged(true, false); }

QSize Kerek::minimumSizeHint() const { return arranged(false, true); }

void Kerek::resizeEvent(QResizeEvent *event)
{
    // Side by side while the window is wide enough for the wheel and the
    // whole width of the panel, the wheel above the panel otherwise.
    const QSize size = event->size();
    const QMargins m = m_columns->contentsMargins();
    const int wholePanel = m_panel->widget()->sizeHint().width() + m_panel->verticalScrollBar()->sizeHint().width();
    const bool wide = size.width() >= m_wheelColumn->minimumSize().width() + m_columns->spacing() + wholePanel +
                                          m.left() + m.right() &&
                      size.height() >= arranged(true, true).height();
    const auto direction = wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (m_columns->direction() != direction) {
        m_columns->setDirection(direction);
        m_columns->setStretch(0, wide ? 1 : 3);
        m_columns->setStretch(1, wide ? 0 : 2);
    }
    QWidget::resizeEvent(event);
}

void Kerek::choosePocket(int number)
{
    m_chosen = isNumber(number) ? number : -1;
    m_view->setChosen(m_chosen);
    showChosen();
    refresh();
}

void Kerek::showChosen()
{
    if (m_chosen < 0) {
        setLabelText(m_chosenLabel, tr("Választott zseb: nincs"));
        return;
    }
    QStringList pockets;
    const int k = m_neighbours->value();
    for (int i = -k; i <= k; ++i)
        pockets << number(kWheelOrder[size_t((wheelIndex(m_chosen) + i + kNumberCount) % kNumberCount)]);
    setLabelText(m_chosenLabel, tr("Választott zseb: %1   Szomszédok: %2").arg(number(m_chosen), pockets.join(QLatin1Char(' '))));
}

void Kerek::refresh()
{
    const Spins spins = m_session.history().spins();
    std::vector<NumberSet> sets;
    for (Sector s : kSectors)
        sets.push_back(sectorSet(s));
    const int k = m_neighbours->value();
    if (m_chosen >= 0)
        sets.push_back(neighbourSet(m_chosen, k));
    std::vector<Figures> figures = setFigures(spins, sets);
    std::optional<Figures> neighbours;
    if (m_chosen >= 0) {
        neighbours = figures.back();
        figures.pop_back();
    }
    m_model->setFigures(int(spins.size()), figures, neighbours, 2 * k + 1);

    m_view->setNewest(spins.empty() ? -1 : spins.back());
    const int count = int(spins.size());
    m_view->setCentreText(count == 0 ? tr("Nincs pörgetés") : tr("%1 pörgetés", nullptr, count).arg(number(count)));
    showHeat();
}

void Kerek::showHeat()
{
    const Spins spins = m_session.history().spins();
    const Measure &measure = kMeasures[size_t(std::max(0, m_measures->checkedId()))];
    const bool absence = measure.window < 0;
    const int window = measure.window > 0 ? std::min<int>(measure.window, int(spins.size())) : int(spins.size());
    setLabelText(m_legendCaption, absence ? tr("Kihagyás: pörgetés, amióta a szám nem jött")
                                          : tr("Találat az utolsó %1 pörgetésben", nullptr, window).arg(number(window)));

    std::array<QString, kNumberCount> tips;
    if (spins.empty()) {
        for (int n = 0; n < kNumberCount; ++n)
            tips[size_t(n)] = number(n);
        m_view->clearHeat(tips);
        setLabelText(m_legendLow, QString());
        setLabelText(m_legendHigh, QString());
        m_legendBar->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #808080;")
                                       .arg(WheelView::neutralColour().name()));
        return;
    }
    const PocketValues values = absence ? currentAbsences(spins) : recentHits(spins, measure.window);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    std::array<double, kNumberCount> heat{};
    for (int n = 0; n < kNumberCount; ++n) {
        const int v = values[size_t(n)];
        heat[size_t(n)] = *high > *low ? double(v - *low) / (*high - *low) : 0.0;
        tips[size_t(n)] = absence ? tr("%1: %2 pörgetés óta nem jött", nullptr, int(v)).arg(number(n), number(v))
                                  : tr("%1: %2 találat", nullptr, int(v)).arg(number(n), number(v));
    }
    m_view->setHeat(heat, tips);
    setLabelText(m_legendLow, number(*low));
    setLabelText(m_legendHigh, number(*high));
    static const QString gradient =
        QStringLiteral("background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 %1, stop:0.5 %2, stop:1 %3);"
                       " border: 1px solid #808080;")
            .arg(colourName(0), colourName(0.5), colourName(1));
    if (m_legendBar->styleSheet() != gradient)
        m_legendBar->setStyleSheet(gradient);
}

} // namespace vintaro
