#include "odds/window/eselyek.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollArea>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

#include "core/session.h"
#include "core/spinhistory.h"
#include "odds/bettable.h"
#include "odds/evidencetext.h"
#include "odds/oddstext.h"
#include "odds/window/betsmodel.h"
#include "odds/window/biasmodel.h"
#include "odds/window/filepanel.h"
#include "widgets/columnfitter.h"
#include "odds/window/oddshelp.h"
#include "widgets/tableview.h"
#include "widgets/textcelldelegate.h"
#include "widgets/appearance.h"
#include "widgets/stilltabs.h"
#include "widgets/wrappedlabel.h"

namespace vintaro {

Eselyek::Eselyek(const Session &session, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("Eselyek"));
    setWindowTitle(tr("Esélyek"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A small window scrolls rather than growing past the place the player
    // gave it.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Gorgeto"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);
    auto *body = new QWidget(scroll);
    auto *layout = new QVBoxLayout(body);
    // The verdict and what it means for a bet come first, above every tab:
    // the player's question is answered before any table.
    auto *verdict = wrappedLabel(body, "Itelet");
    verdict->setHintsFromFont(true);
    // Room for the longer form of the verdict: the tables below stay where
    // they are as it changes.
    verdict->setLeastLines(2);
    m_verdict = verdict;
    enlargeFont(m_verdict, 1.2);
    layout->addWidget(m_verdict);
    layout->addWidget(wrappedLabel(body, "NemAjanlas", text(notARecommendationLine())));
    auto *tabs = new QTabWidget(body);
    tabs->setObjectName(QStringLiteral("Lapok"));
    keepTabsStill(tabs);
    m_tabs = tabs;
    layout->addWidget(tabs, 1);

    auto *betsPage = new QWidget(tabs);
    auto *betsLayout = new QVBoxLayout(betsPage);
    auto *summary = wrappedLabel(betsPage, "Osszesites");
    summary->setHintsFromFont(true);
    m_summary = summary;
    betsLayout->addWidget(m_summary);
    m_bets = new BetsModel(this);
    QTableView *table = makeTableView(betsPage, QStringLiteral("OddsTable"), m_bets, true);
    m_table = table;
    m_fitter = std::make_unique<ColumnFitter>(table);
    // Every figure fits its column: nothing to wrap or cut short when drawn.
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideNone);
    table->setItemDelegate(new TextCellDelegate(table));
    betsLayout->addWidget(table, 1);
    tabs->addTab(betsPage, tr("Tétek"));

    // The evidence first, then the tests for one look; scrolls when short.
    auto *biasScroll = new QScrollArea(tabs);
    biasScroll->setObjectName(QStringLiteral("TorzitasGorgeto"));
    biasScroll->setWidgetResizable(true);
    biasScroll->setFrameShape(QFrame::NoFrame);
    auto *biasPage = new QWidget(biasScroll);
    auto *biasLayout = new QVBoxLayout(biasPage);
    m_carrier = wrappedLabel(biasPage, "Hordozo");
    biasLayout->addWidget(m_carrier);
    biasLayout->addWidget(wrappedLabel(biasPage, "BizonyitekMagyarazat", text(evidenceExplanation())));
    m_numberEstimate = wrappedLabel(biasPage, "BecslesSzam");
    biasLayout->addWidget(m_numberEstimate);
    m_arcEstimate = wrappedLabel(biasPage, "BecslesIv");
    biasLayout->addWidget(m_arcEstimate);
    biasLayout->addWidget(wrappedLabel(biasPage, "MintaMeret", text(sampleSizeLine())));
    biasLayout->addWidget(wrappedLabel(biasPage, "EgyNezes", text(oneLookCaption())));
    m_bias = new BiasModel(this);
    QTableView *bias = makeTableView(biasPage, QStringLiteral("BiasTable"), m_bias, false);
    bias->setFixedHeight(fittingHeight(bias, 8));
    biasLayout->addWidget(bias);
    m_tooShort = wrappedLabel(biasPage, "TulRovid");
    biasLayout->addWidget(m_tooShort);
    biasLayout->addStretch(1);
    biasScroll->setWidget(biasPage);
    tabs->addTab(biasScroll, tr("Torzításpróba"));
    m_biasPage = biasScroll;
    connect(tabs, &QTabWidget::currentChanged, this, [this] {
        if (m_biasStale && m_tabs->currentWidget() == m_biasPage)
            showBias();
    });

    m_file = new FilePanel(platform, tabs);
    tabs->addTab(m_file, tr("Fájl elemzése"));

    layout->addWidget(wrappedLabel(body, "Oszinte", text(honestyLine())));
    scroll->setWidget(body);

    table->horizontalHeader()->setStretchLastSection(true);
    prepareBetTables(m_runChances, SpinHistory::kCapacity);
    refresh();
    explainOddsFigures(this);
    setMinimumWidth(360);
    resize(table->horizontalHeader()->length() + 60, 640);
}

Eselyek::~Eselyek() = default;

void Eselyek::follow()
{
    const std::span<const std::int16_t> spins = m_session.history().spins();
    const bool grown = spins.size() >= m_seen.size() && std::equal(m_seen.begin(), m_seen.end(), spins.begin());
    if (!grown) {
        m_tally = SpinTally();
        m_seen.clear();
    }
    m_tally.add(spins.subspan(m_seen.size()));
    m_seen.assign(spins.begin(), spins.end());
}

void Eselyek::refresh()
{
    follow();
    const std::int64_t n = m_tally.total();
    m_summary->setText(text(betsCaption(n)));
    // Every column as wide as its widest figure now ("-0,87", "12 345").
    for (const BetsModel::Cell &cell : m_bets->setLines(betTable(m_tally, m_runChances)))
        m_fitter->setText(cell.row, cell.column, m_bets->shown(cell.row, cell.column));
    m_fitter->fit();
    m_evidence = evidence(m_tally.counts(), &m_evidenceMemo);
    m_verdict->setText(text(verdictLine(m_evidence)));
    // The tests' page is brought up to date when it comes into view: its
    // estimates are most of the work of a spin.
    m_biasStale = true;
    if (!isVisible() || m_tabs->currentWidget() == m_biasPage)
        showBias();
}

void Eselyek::showEvent(QShowEvent *event)
{
    if (m_biasStale && m_tabs->currentWidget() == m_biasPage)
        showBias();
    QWidget::showEvent(event);
}

void Eselyek::showBias()
{
    m_biasStale = false;
    const std::int64_t n = m_tally.total();
    m_carrier->setText(text(carrierLine(m_evidence)));
    const EdgeEstimates estimates = holdOutEstimates(m_tally, m_choice);
    m_numberEstimate->setText(text(estimateLine(estimates.number, true)));
    m_arcEstimate->setText(text(estimateLine(estimates.arc, false)));
    BiasReport report = biasTests(m_tally.counts());
    m_tooShort->setText(n == 0              ? tr("Még nincs pörgetés: nincs mit vizsgálni.")
                        : !report.numberTest ? text(tooShortLine(n))
                                             : QString());
    m_bias->setReport(std::move(report));
}

} // namespace vintaro
