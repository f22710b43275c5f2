#include "systems/window/rendszerek.h"

#include <QChartView>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <climits>
#include <random>

#include "core/selection.h"
#include "core/session.h"
#include "core/textformat.h"
#include "persistence/ownsystems.h"
#include "systems/owntext.h"
#include "systems/systemstext.h"
#include "systems/window/boxlocale.h"
#include "systems/window/systemcharts.h"
#include "systems/window/systemshelp.h"
#include "widgets/appearance.h"
#include "widgets/platform.h"
#include "widgets/stilltabs.h"
#include "widgets/tableview.h"
#include "widgets/wrappedlabel.h"

namespace vintaro {

struct Rendszerek::Job
{
    SimulationControl control;
    std::int64_t sessions = 0;
    std::atomic<bool> exactPhase{false}; // the sessions are done; the exact figures are being computed
};

namespace {

// The charts stay readable at this size; below it the window scrolls.
constexpr QSize kChartLeast(300, 200);

constexpr int kSingleNumber = kGroupBets;         // "Egy szám" in Tet
constexpr int kSelectedNumbers = kGroupBets + 1;  // "Kijelölt számok"

QLabel *wrapped(QWidget *parent, const char *name, const QString &text = {})
{
    return wrappedLabel(parent, name, text);
}

QDoubleSpinBox *amountBox(QWidget *parent, const char *name, double value, const QString &none = {})
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setLocale(boxLocale());
    box->setDecimals(2);
    box->setRange(none.isEmpty() ? 0.01 : 0, 1e9);
    box->setGroupSeparatorShown(true);
    if (!none.isEmpty())
        box->setSpecialValueText(none);
    box->setValue(value);
    return box;
}

QSpinBox *countBox(QWidget *parent, const char *name, int low, int high, int value)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setLocale(boxLocale());
    box->setGroupSeparatorShown(true);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

void fill(QStandardItemModel *model, const std::vector<FigureLine> &lines, int columns)
{
    model->setRowCount(0);
    for (const FigureLine &line : lines) {
        const QString caption = text(line.caption);
        QList<QStandardItem *> row{new QStandardItem(caption), new QStandardItem(text(line.simulated))};
        if (columns == 3)
            row << new QStandardItem(text(line.exact));
        for (int c = 1; c < row.size(); ++c)
            row[c]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Every figure of the row says what it means.
        for (QStandardItem *item : row)
            for (int role : {Qt::ToolTipRole, Qt::WhatsThisRole})
                item->setData(figureRowHelp(caption, role), role);
        model->appendRow(row);
    }
}

QString randomSeed() { return QString::number(std::random_device()() % 1000000000u); }

} // namespace

Rendszerek::Rendszerek(const Session &session, const Selection &selection, Platform &platform, QWidget *parent,
                       const QString &listFolder)
    : QWidget(parent, Qt::Window), m_session(session), m_selection(selection), m_platform(platform),
      m_ownFile(listFolder.isEmpty() ? QString() : ownSystemsFile(listFolder))
{
    setObjectName(QStringLiteral("Rendszerek"));
    setWindowTitle(tr("Tétrendszerek"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A small window scrolls, with the controls above the results once it is
    // too narrow for them side by side.
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("Gorgeto"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    outer->addWidget(scroll);
    auto *body = new QWidget(scroll);
    auto *layout = new QVBoxLayout(body);
    m_top = new QBoxLayout(QBoxLayout::LeftToRight);
    m_controls = buildControls();
    m_top->addWidget(m_controls);
    m_top->addWidget(buildResults(), 1);
    layout->addLayout(m_top, 1);

    auto *progressRow = new QHBoxLayout;
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Folyamat"));
    m_progress->setRange(0, 1000);
    m_progress->setVisible(false);
    m_cancel = button(this, "Megszakit", tr("Mégse"));
    m_cancel->setEnabled(false);
    m_status = wrapped(this, "Allapot");
    progressRow->addWidget(m_status, 1);
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancel);
    layout->addLayout(progressRow);
    layout->addWidget(wrapped(this, "Alapelv", text(fixedLine())));
    scroll->setWidget(body);

    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &Rendszerek::showProgress);
    connect(m_play, &QPushButton::clicked, this, &Rendszerek::playHistory);
    connect(m_simulate, &QPushButton::clicked, this, &Rendszerek::startSimulation);
    connect(m_cancel, &QPushButton::clicked, this, &Rendszerek::cancelSimulation);
    connect(&m_watcher, &QFutureWatcher<Finished>::finished, this, &Rendszerek::showSimulation);
    connect(m_ownEditor, &QPushButton::clicked, this, &Rendszerek::editOwnSystems);
    connect(m_system, &QComboBox::currentIndexChanged, this, &Rendszerek::ownSystemChosen);
    reloadOwnSystems();
    refresh();
    explainSystemsFigures(this);
    // The controls whole and the charts readable; the rest scrolls.
    setMinimumSize(m_controls->sizeHint().width() + 30, 420);
    resize(1040, 700);
}

void Rendszerek::resizeEvent(QResizeEvent *event)
{
    const bool narrow = event->size().width() < m_controls->sizeHint().width() + kChartLeast.width() + 40;
    m_top->setDirection(narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
    QWidget::resizeEvent(event);
}

Rendszerek::~Rendszerek() { stopSimulation(); }

void Rendszerek::stopSimulation()
{
    if (m_job)
        m_job->control.cancel = true;
    m_watcher.waitForFinished();
}

void Rendszerek::closeEvent(QCloseEvent *event)
{
    stopSimulation();
    QWidget::closeEvent(event);
}

QWidget *Rendszerek::buildControls()
{
    auto *panel = new QWidget(this);
    auto *form = new QFormLayout(panel);
    m_bet = new QComboBox(panel);
    m_bet->setObjectName(QStringLiteral("Tet"));
    for (int i = 0; i < kGroupBets; ++i)
        m_bet->addItem(text(betCaption(oddsBets()[size_t(i)])));
    m_bet->addItem(tr("Egy szám"));
    m_bet->addItem(QCoreApplication::translate("Bets", "Kijelölt számok"));
    m_bet->setCurrentIndex(1); // Piros
    m_number = countBox(panel, "TetSzam", 0, kHighestNumber, 17);
    m_number->setEnabled(false);
    connect(m_bet, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_number->setEnabled(index == kSingleNumber); });
    m_system = new QComboBox(panel);
    m_system->setObjectName(QStringLiteral("Rendszer"));
    for (SystemKind kind : kSystems)
        m_system->addItem(text(systemCaption(kind)));
    m_system->setCurrentIndex(int(SystemKind::Martingale));
    m_ownEditor = button(panel, "SajatRendszer", tr("Saját rendszer…"));
    m_ownEditor->setToolTip(tr("Saját tétrendszer: tétek lépésenként, mi történik nyerés és vesztés után; "
                               "név szerint mentve."));
    m_unit = amountBox(panel, "Egyseg", 1);
    m_bankroll = amountBox(panel, "Bank", 100);
    m_tableMin = amountBox(panel, "MinTet", 1);
    m_tableMax = amountBox(panel, "MaxTet", 0, tr("nincs"));
    m_target = amountBox(panel, "Cel", 0, tr("nincs"));
    m_spins = countBox(panel, "Porgetesek", 1, 1000000, 1000);
    m_sessions = countBox(panel, "Menetek", 1, 10000000, 100000);
    // English writes the per cent sign right after the number.
    const QString percent = textLanguage() == TextLanguage::English ? QStringLiteral("%") : QStringLiteral(" %");
    m_risk = amountBox(panel, "Kockazat", 5, tr("nincs"));
    m_risk->setRange(0, 99.9);
    m_risk->setDecimals(1);
    m_risk->setSuffix(percent);
    m_risk->setToolTip(tr("A legkisebb kezdőtőke, amellyel a menet legfeljebb ekkora eséllyel jut csődbe."));
    m_reach = amountBox(panel, "CelEsely", 50, tr("nincs"));
    m_reach->setRange(0, 99.9);
    m_reach->setDecimals(1);
    m_reach->setSuffix(percent);
    m_reach->setToolTip(tr("A legnagyobb cél, amelyet a menet legalább ekkora eséllyel a csőd előtt elér."));
    m_seed = new QLineEdit(randomSeed(), panel);
    m_seed->setObjectName(QStringLiteral("Mag"));
    m_seed->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,19}")), m_seed));
    m_seed->setToolTip(tr("Ugyanaz a mag ugyanazt a szimulációt adja."));

    form->addRow(tr("Tét:"), m_bet);
    form->addRow(tr("Szám:"), m_number);
    form->addRow(tr("Rendszer:"), m_system);
    form->addRow(QString(), m_ownEditor);
    form->addRow(tr("Egység:"), m_unit);
    form->addRow(tr("Kezdőtőke:"), m_bankroll);
    form->addRow(tr("Asztali minimum:"), m_tableMin);
    form->addRow(tr("Asztali maximum:"), m_tableMax);
    form->addRow(tr("Cél (nyereség):"), m_target);
    form->addRow(tr("Pörgetés menetenként:"), m_spins);
    form->addRow(tr("Menetek:"), m_sessions);
    form->addRow(tr("Mag:"), m_seed);
    form->addRow(tr("Csődkockázat legfeljebb:"), m_risk);
    form->addRow(tr("A cél esélye legalább:"), m_reach);
    m_play = button(panel, "Visszateszt", tr("Lejátszás a jegyzett pörgetéseken"));
    m_simulate = button(panel, "Szimulacio", tr("Szimuláció", "the button"));
    form->addRow(m_play);
    form->addRow(m_simulate);
    m_historyCount = wrapped(panel, "JegyzettPorgetesek");
    form->addRow(m_historyCount);
    panel->setMaximumWidth(panel->sizeHint().width() + 20);
    return panel;
}

QWidget *Rendszerek::buildResults()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Lapok"));
    keepTabsStill(m_tabs);

    auto *history = new QWidget(m_tabs);
    auto *historyLayout = new QVBoxLayout(history);
    m_bankrollChart = makeChartView(history, "TokeGrafikon", tr("A tőke pörgetésről pörgetésre"));
    m_bankrollChart->setMinimumSize(kChartLeast);
    historyLayout->addWidget(m_bankrollChart, 1);
    m_backtestFigures = new QStandardItemModel(0, 2, this);
    m_backtestFigures->setHorizontalHeaderLabels({QString(), tr("Jegyzett pörgetéseken")});
    explainFigureColumns(m_backtestFigures, true);
    QTableView *backtest = makeTableView(history, QStringLiteral("VisszatesztEredmenyek"), m_backtestFigures, false);
    backtest->setFixedHeight(fittingHeight(backtest, 10));
    // The captions keep their width beside the one column of figures.
    backtest->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    // Every caption a backtest can show: one with both kinds of cut stake.
    Backtest cut;
    cut.cutToMaximum = cut.cutToLeft = 1;
    int captions = 0;
    for (const FigureLine &line : backtestLines(cut))
        captions = std::max(captions, backtest->fontMetrics().horizontalAdvance(text(line.caption)));
    backtest->horizontalHeader()->resizeSection(0, captions + 16);
    historyLayout->addWidget(backtest);
    m_tabs->addTab(history, tr("Jegyzett pörgetések"));

    auto *simulation = new QWidget(m_tabs);
    auto *simulationLayout = new QVBoxLayout(simulation);
    // The answer in one sentence comes first; the chart and the table follow.
    m_answer = wrapped(simulation, "Valasz");
    enlargeFont(m_answer, 1.2);
    simulationLayout->addWidget(m_answer);
    m_histogram = makeChartView(simulation, "Hisztogram", tr("A menetek végeredménye (a menetek %-a)"));
    m_histogram->setMinimumSize(kChartLeast);
    simulationLayout->addWidget(m_histogram, 1);
    m_figures = new QStandardItemModel(0, 3, this);
    m_figures->setHorizontalHeaderLabels({QString(), tr("Szimuláció"), tr("Pontos")});
    explainFigureColumns(m_figures, false);
    QTableView *figures = makeTableView(simulation, QStringLiteral("Eredmenyek"), m_figures, false);
    figures->setFixedHeight(fittingHeight(figures, 11));
    simulationLayout->addWidget(figures);
    m_agreement = wrapped(simulation, "Egyezes");
    simulationLayout->addWidget(m_agreement);
    m_answers = wrapped(simulation, "TokeValasz");
    simulationLayout->addWidget(m_answers);
    m_tabs->addTab(simulation, tr("Szimuláció"));
    return m_tabs;
}

void Rendszerek::refresh()
{
    m_historyCount->setText(
        tr("Jegyzett pörgetések: %1").arg(text(formatInteger(m_session.history().count()))));
    if (m_played)
        playHistory();
}

QString Rendszerek::controlsProblem(Bet &bet, SessionRules &rules) const
{
    const int index = m_bet->currentIndex();
    if (index == kSingleNumber)
        bet = oddsBets()[size_t(kGroupBets + m_number->value())];
    else if (index == kSelectedNumbers)
        bet = selectedNumbersBet(m_selection.selectedNumbers());
    else
        bet = oddsBets()[size_t(std::clamp(index, 0, kGroupBets - 1))];
    rules.unit = m_unit->value();
    rules.bankroll = m_bankroll->value();
    rules.tableMin = m_tableMin->value();
    rules.tableMax = m_tableMax->value();
    rules.target = m_target->value();
    rules.maxSpins = m_spins->value();
    QString problem = text(problemText(rulesProblem(rules)));
    if (bet.numbers.none())
        problem = tr("Nincs kijelölt szám: jelölje ki a számokat a főablak kijelölő rácsán, vagy válasszon más "
                     "tétet.");
    return problem;
}

bool Rendszerek::readControls(Bet &bet, SessionRules &rules)
{
    const QString problem = controlsProblem(bet, rules);
    if (problem.isEmpty())
        return true;
    m_platform.message(this, problem, Platform::Icon::Information);
    return false;
}

std::optional<ChosenSystem> Rendszerek::chosenSystem() const
{
    ChosenSystem chosen;
    if (!controlsProblem(chosen.bet, chosen.rules).isEmpty())
        return std::nullopt;
    if (const std::optional<OwnSystem> own = chosenOwn(chosen.rules))
        chosen.own = ownTable(*own);
    else
        chosen.kind = SystemKind(std::clamp(m_system->currentIndex(), 0, kSystemCount - 1));
    chosen.systemName = m_system->currentText().toStdString();
    chosen.betName = m_bet->currentIndex() == kSingleNumber ? std::to_string(m_number->value())
                                                             : m_bet->currentText().toStdString();
    return chosen;
}

void Rendszerek::playHistory()
{
    Bet bet;
    SessionRules rules;
    if (!readControls(bet, rules)) {
        m_played = false;
        return;
    }
    const auto spins = m_session.history().spins();
    const std::optional<OwnSystem> own = chosenOwn(rules);
    // A spin added to the history is played on from where the session stood.
    const Backtest &b = m_backtest->update(SystemKind(m_system->currentIndex()),
                                           own ? ownTable(*own) : std::vector<ChainStep>{}, bet, rules, spins);
    fill(m_backtestFigures, backtestLines(b), 2);
    showBankroll(m_bankrollChart, b.bankroll);
    m_played = true;
    m_tabs->setCurrentIndex(0);
}

void Rendszerek::startSimulation()
{
    if (running())
        return;
    SimulationRequest request;
    if (!readControls(request.bet, request.rules))
        return;
    if (const std::optional<OwnSystem> own = chosenOwn(request.rules))
        request.own = ownTable(*own);
    else
        request.system = SystemKind(m_system->currentIndex());
    request.sessions = m_sessions->value();
    bool ok = false;
    request.seed = m_seed->text().toULongLong(&ok);
    if (!ok) {
        m_seed->setText(randomSeed());
        request.seed = m_seed->text().toULongLong();
    }
    // The figures of an earlier run go: a cancelled run shows none.
    m_figures->setRowCount(0);
    m_answer->clear();
    m_agreement->clear();
    showHistogram(m_histogram, {});
    m_job = std::make_shared<Job>();
    m_job->sessions = request.sessions;
    m_play->setEnabled(false);
    m_simulate->setEnabled(false);
    m_cancel->setEnabled(true);
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_status->setText(tr("Szimuláció folyamatban…"));
    m_timer->start();
    const double risk = m_risk->value() / 100, reach = m_reach->value() / 100;
    m_watcher.setFuture(QtConcurrent::run([job = m_job, request, risk, reach] {
        Finished f;
        f.simulation = simulate(request, &job->control);
        if (f.simulation.cancelled)
            return f;
        job->exactPhase = true;
        const CounterChain chain = request.own.empty() ? counterChain(request.system) : tableChain(request.own);
        const std::atomic<bool> *cancel = &job->control.cancel;
        f.exact = exactRisk(chain, request.bet, request.rules, {}, cancel);
        if (f.exact.available && risk > 0)
            f.risk = bankrollForRisk(chain, request.bet, request.rules, risk, {}, cancel);
        if (f.exact.available && reach > 0)
            f.reach = largestTarget(chain, request.bet, request.rules, reach, {}, cancel);
        return f;
    }));
}

void Rendszerek::cancelSimulation()
{
    if (m_job)
        m_job->control.cancel = true;
    m_cancel->setEnabled(false);
}

void Rendszerek::showProgress()
{
    if (m_job)
        m_progress->setValue(
            int(1000 * m_job->control.sessionsDone.load() / std::max<std::int64_t>(1, m_job->sessions)));
    if (m_job && m_job->exactPhase)
        m_status->setText(tr("A pontos számítás folyik…"));
}

void Rendszerek::showSimulation()
{
    m_timer->stop();
    m_progress->setVisible(false);
    m_play->setEnabled(true);
    m_simulate->setEnabled(true);
    m_cancel->setEnabled(false);
    const Finished f = m_watcher.result();
    m_job.reset();
    if (f.simulation.cancelled) {
        m_status->setText(tr("A szimuláció megszakítva."));
        return;
    }
    const Summary &s = f.simulation.summary;
    m_answer->setText(text(answerLine(s, f.exact, m_unit->value())));
    fill(m_figures, figureLines(s, f.exact, m_target->value() > 0), 3);
    showHistogram(m_histogram, f.simulation.results);
    m_agreement->setText(text(agreementLine(s)));
    QStringList answers;
    if (f.exact.available && m_risk->value() > 0)
        answers << text(riskLine(m_risk->value() / 100, f.risk));
    if (f.exact.available && m_reach->value() > 0)
        answers << text(reachLine(m_reach->value() / 100, f.reach));
    m_answers->setText(answers.join(QLatin1Char('\n')));
    QString status = tr("%1 szimulált menet, mag: %2.", nullptr, int(std::min<std::int64_t>(s.sessions, INT_MAX)))
                         .arg(text(formatInteger(s.sessions)), m_seed->text());
    if (!f.exact.available)
        status += QLatin1Char(' ') + text(problemText(f.exact.why));
    m_status->setText(status);
    m_tabs->setCurrentIndex(1);
}

} // namespace vintaro
