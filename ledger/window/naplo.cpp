#include "ledger/window/naplo.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include <utility>
#include <QSpinBox>
#include <QCategoryAxis>
#include <QApplication>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "core/selection.h"
#include "core/session.h"
#include "core/textformat.h"
#include "ledger/honest.h"
#include "ledger/text/ledgertext.h"
#include "persistence/ledgerfile.h"
#include "persistence/spinfiles.h"
#include "persistence/textfiles.h"
#include "systems/chosensystem.h"
#include "systems/livebacktest.h"
#include "widgets/wrappedlabel.h"

namespace vintaro {

namespace {

QString now() { return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

// Ticks at round steps between low and high, labelled with the number text
// of the chosen language.
void setTicks(QCategoryAxis *axis, double low, double high)
{
    for (const QString &label : axis->categoriesLabels())
        axis->remove(label);
    const double span = std::max(1.0, high - low);
    const double raw = span / 5;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    double step = power;
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if (power * factor >= raw) {
            step = power * factor;
            break;
        }
    step = std::max(1.0, step);
    const double first = std::floor(low / step) * step;
    const double last = std::ceil(high / step) * step;
    axis->setRange(first, last);
    for (double at = first; at <= last + step / 2; at += step)
        axis->append(QString::fromStdString(formatInteger(static_cast<std::int64_t>(std::llround(at)))), at);
}

QPushButton *button(QWidget *parent, const QString &name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus); // a click leaves the keys with spin entry
    return b;
}

QLineEdit *field(QWidget *parent, const char *name)
{
    auto *f = new QLineEdit(parent);
    f->setObjectName(QString::fromLatin1(name));
    return f;
}

// The system chosen in the systems window, when it is open.
std::optional<ChosenSystem> chosenSystem()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Rendszerek") && w->isVisible())
            if (const auto *chooser = dynamic_cast<const SystemChooser *>(w))
                return chooser->chosenSystem();
    return std::nullopt;
}

} // namespace

Naplo::~Naplo() = default;

Naplo::Naplo(const Session &session, const Selection &selection, const QString &listFolder, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session), m_selection(selection),
      m_playAlong(std::make_unique<LiveBacktest>())
{
    setObjectName(QStringLiteral("Naplo"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Napló"));
    m_room = readFirstField(roomNumberFile(listFolder)).value_or(QString()).trimmed();
    m_path = ledgerFile(listFolder, m_room);

    auto *layout = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    left->addWidget(buildSession());
    left->addWidget(buildBets());
    layout->addLayout(left);
    layout->addWidget(buildFigures(), 1);

    const LedgerRead read = readLedger(m_path);
    QString problem;
    if (read.status == ReadStatus::Unreadable) {
        problem = tr("A napló (%1) nem olvasható; a program nem írja felül.").arg(QDir::toNativeSeparators(m_path));
    } else if (read.damagedLine > 0) {
        problem = tr("A napló (%1) sérült a(z) %2. sorában; a program nem írja felül.")
                      .arg(QDir::toNativeSeparators(m_path), moneyAmount(read.damagedLine));
    } else {
        m_ledger = read.ledger;
    }
    m_broken = !problem.isEmpty();
    if (m_broken) {
        m_state->setText(problem);
        QPalette red = m_state->palette();
        red.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
        m_state->setPalette(red);
    }
    m_lastCount = m_session.count();
    m_lastNumber = m_session.history().at(m_lastCount);
    if (m_ledger.reconcile(m_session.history().spins()) > 0)
        save();
    showAll();
    showChart();
}

QWidget *Naplo::buildSession()
{
    auto *box = new QGroupBox(tr("Menet"), this);
    auto *grid = new QGridLayout(box);
    m_state = wrappedLabel(box, "Allapot");
    grid->addWidget(m_state, 0, 0, 1, 4);
    m_place = field(box, "Hely");
    m_place->setPlaceholderText(tr("hely, asztal"));
    m_in = field(box, "Hozott");
    m_out = field(box, "Vitt");
    m_notes = field(box, "Jegyzet");
    grid->addWidget(new QLabel(tr("Hely:"), box), 1, 0);
    grid->addWidget(m_place, 1, 1, 1, 3);
    grid->addWidget(new QLabel(tr("Hozott pénz:"), box), 2, 0);
    grid->addWidget(m_in, 2, 1);
    grid->addWidget(new QLabel(tr("Vitt pénz:"), box), 2, 2);
    grid->addWidget(m_out, 2, 3);
    grid->addWidget(new QLabel(tr("Jegyzet:"), box), 3, 0);
    grid->addWidget(m_notes, 3, 1, 1, 3);
    m_start = button(box, QStringLiteral("MenetKezdes"), tr("Menet kezdése"));
    m_end = button(box, QStringLiteral("MenetVege"), tr("Menet vége"));
    grid->addWidget(m_start, 4, 0, 1, 2);
    grid->addWidget(m_end, 4, 2, 1, 2);
    connect(m_start, &QPushButton::clicked, this, &Naplo::startSession);
    connect(m_end, &QPushButton::clicked, this, &Naplo::endSession);
    // One key each, while this window is active; a disabled button ignores it.
    m_start->setToolTip(tr("Új menet kezdése (Ctrl+N)"));
    m_end->setToolTip(tr("A nyitott menet lezárása (Ctrl+E)"));
    for (const auto &[keys, target] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_N), m_start},
                                       std::pair{QKeySequence(Qt::CTRL | Qt::Key_E), m_end}}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, target, &QPushButton::click);
    }
    return box;
}

QWidget *Naplo::buildBets()
{
    auto *box = new QGroupBox(tr("Tétek a következő pörgetésre"), this);
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(tr("Tét:"), box), 0, 0);
    m_stake = new QSpinBox(box);
    m_stake->setObjectName(QStringLiteral("Tet"));
    m_stake->setRange(1, 100000000);
    m_stake->setValue(10);
    grid->addWidget(m_stake, 0, 1);
    for (int row = 0; row < kRowCount; ++row) {
        const BetKey key{BetKind::Outside, row, {}};
        QPushButton *b = button(box, QStringLiteral("Kulso(%1)").arg(row), betTitle(key));
        connect(b, &QPushButton::clicked, this, [this, key] { recordBet(key); });
        grid->addWidget(b, 1 + row / 2, row % 2 * 2, 1, 2);
        m_betButtons << b;
    }
    for (int s = 0; s < kSectorCount; ++s) {
        const BetKey key{BetKind::Sector, s, {}};
        QPushButton *b = button(box, QStringLiteral("Szektor(%1)").arg(s), betTitle(key));
        b->setToolTip(tr("%1 zseton, a tét zsetononként").arg(moneyAmount(sectorChips(s))));
        connect(b, &QPushButton::clicked, this, [this, key] { recordBet(key); });
        grid->addWidget(b, 8 + s / 2, s % 2 * 2, 1, 2);
        m_betButtons << b;
    }
    m_number = new QSpinBox(box);
    m_number->setObjectName(QStringLiteral("Szam"));
    m_number->setRange(0, kHighestNumber);
    grid->addWidget(m_number, 10, 0);
    QPushButton *single = button(box, QStringLiteral("Szamra"), tr("Számra"));
    connect(single, &QPushButton::clicked, this,
            [this] { recordBet({BetKind::Number, m_number->value(), {}}); });
    grid->addWidget(single, 10, 1);
    QPushButton *chosen = button(box, QStringLiteral("Kivalasztasra"), tr("A kiválasztásra"));
    chosen->setToolTip(tr("A kiválasztott számok mindegyikére a tét"));
    connect(chosen, &QPushButton::clicked, this, [this] {
        BetKey key{BetKind::Selection, 0, {}};
        for (int n : m_selection.selectedNumbers())
            key.numbers.set(static_cast<size_t>(n));
        recordBet(key);
    });
    grid->addWidget(chosen, 10, 2, 1, 2);
    m_betButtons << single << chosen;
    m_waiting = new QListWidget(box);
    m_waiting->setObjectName(QStringLiteral("Varo"));
    m_waiting->setFocusPolicy(Qt::NoFocus);
    m_waiting->setMaximumHeight(90);
    grid->addWidget(m_waiting, 11, 0, 1, 4);
    QPushButton *back = button(box, QStringLiteral("Visszavon"), tr("Utolsó tét vissza"));
    connect(back, &QPushButton::clicked, this, &Naplo::takeBackLast);
    grid->addWidget(back, 12, 0, 1, 4);
    m_betButtons << back;

    m_proposal = wrappedLabel(box, "Javaslat");
    grid->addWidget(m_proposal, 13, 0, 1, 4);
    m_accept = button(box, QStringLiteral("Elfogad"), tr("Elfogad"));
    m_accept->setToolTip(tr("A javasolt tét rögzítése (Ctrl+Enter)"));
    connect(m_accept, &QPushButton::clicked, this, &Naplo::acceptProposal);
    grid->addWidget(m_accept, 14, 0, 1, 4);
    // Ctrl+Enter takes no digit from spin entry; only while this window is active.
    for (const QKeySequence &keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, &Naplo::acceptProposal);
    }
    return box;
}

QWidget *Naplo::buildFigures()
{
    auto *panel = new QWidget(this);
    auto *column = new QVBoxLayout(panel);
    auto label = [panel, column](const char *name) {
        auto *l = wrappedLabel(panel, name);
        column->addWidget(l);
        return l;
    };
    m_bankroll = label("Penz");
    m_honest = label("Becsuletes");
    m_verdict = label("Itelet");
    QFont bold = m_verdict->font();
    bold.setBold(true);
    m_verdict->setFont(bold);
    m_roomLine = label("Terem");

    auto *chart = new QChart;
    chart->setTitle(tr("A menet pénze pörgetésenként és a várható"));
    m_bankrollSeries = new QLineSeries;
    m_bankrollSeries->setName(tr("Pénz"));
    m_expectedSeries = new QLineSeries;
    m_expectedSeries->setName(tr("Várható (tét/37 veszteség)"));
    QPen dashed(QColor(0x80, 0x80, 0x80));
    dashed.setStyle(Qt::DashLine);
    dashed.setWidth(2);
    m_expectedSeries->setPen(dashed);
    chart->addSeries(m_bankrollSeries);
    chart->addSeries(m_expectedSeries);
    m_x = new QCategoryAxis;
    m_x->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_x->setTitleText(tr("pörgetés a menetben"));
    m_y = new QCategoryAxis;
    m_y->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart->addAxis(m_x, Qt::AlignBottom);
    chart->addAxis(m_y, Qt::AlignLeft);
    for (QLineSeries *series : {m_bankrollSeries, m_expectedSeries}) {
        series->attachAxis(m_x);
        series->attachAxis(m_y);
    }
    m_chart = new QChartView(chart, panel);
    m_chart->setObjectName(QStringLiteral("Grafikon"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumSize(420, 260);
    m_chart->setFocusPolicy(Qt::NoFocus);
    column->addWidget(m_chart, 1);
    return panel;
}

Money Naplo::amount(const QLineEdit *field, bool *given) const
{
    QString text = field->text();
    text.remove(QLatin1Char(' ')).remove(QChar(0x202F)).remove(QChar(0xA0)).remove(QLatin1Char(','));
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    ok = ok && value >= -kMoneyLimit && value <= kMoneyLimit;
    if (given)
        *given = ok;
    return ok ? value : 0;
}

void Naplo::startSession()
{
    if (m_broken || m_ledger.openSession())
        return;
    m_ledger.startSession(now().toStdString(), m_room.toStdString(), m_place->text().toStdString(), amount(m_in));
    m_notes->clear();
    m_out->clear();
    m_bankrollSeries->clear();
    m_expectedSeries->clear();
    save();
    showAll();
    showChart();
}

void Naplo::endSession()
{
    if (m_broken || !m_ledger.openSession())
        return;
    bool given = false;
    const Money out = amount(m_out, &given);
    m_ledger.endSession(now().toStdString(), given ? std::optional<Money>(out) : std::nullopt,
                        m_notes->text().toStdString());
    save();
    showAll();
}

void Naplo::recordBet(const BetKey &bet) { record(bet, m_stake->value()); }

void Naplo::record(const BetKey &bet, Money stake)
{
    if (m_broken || !m_ledger.record(bet, stake))
        return;
    save();
    showAll();
}

void Naplo::acceptProposal()
{
    showProposal(); // the systems window may have changed since
    if (m_proposed && m_accept->isEnabled())
        record(m_proposed->bet, m_proposed->stake);
}

void Naplo::changeEvent(QEvent *event)
{
    // Back from the systems window: the choice there may be another.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        showProposal();
    QWidget::changeEvent(event);
}

void Naplo::showProposal()
{
    m_proposed.reset();
    const std::optional<ChosenSystem> chosen = chosenSystem();
    QString text;
    if (!chosen) {
        text = tr("Javaslat: nincs választott rendszer (a Tétrendszerek ablakban választható).");
    } else {
        m_playAlong->update(chosen->kind, chosen->own, chosen->bet, chosen->rules, m_session.history().spins());
        const NextStake next = m_playAlong->next();
        const QString system = QString::fromStdString(chosen->systemName);
        const QString bet = QString::fromStdString(chosen->betName);
        if (next.ending == Ending::Ruin)
            text = tr("Javaslat (%1, %2): nincs – a menet pénze a szabályok szerint elfogyott.").arg(system, bet);
        else if (next.ending == Ending::Target)
            text = tr("Javaslat (%1, %2): nincs – a menet elérte a célt.").arg(system, bet);
        else if (next.ending == Ending::Stopped)
            text = tr("Javaslat (%1, %2): nincs – a rendszer véget vetett a menetnek.").arg(system, bet);
        else if (next.units == 0)
            text = tr("Javaslat (%1, %2): a rendszer kihagyja a következő pörgetést.").arg(system, bet);
        else if ((m_proposed = playAlongBet(chosen->bet, next.money)))
            text = tr("Javaslat (%1): %2: %3")
                       .arg(system, betTitle(m_proposed->bet),
                            moneyAmount(betCost(m_proposed->bet, m_proposed->stake)));
        else
            text = tr("Javaslat (%1, %2): a rendszer tétje nem rakható fel egész összegekben.").arg(system, bet);
    }
    bool waiting = false;
    if (m_proposed)
        for (const LedgerBet *b : m_ledger.waiting())
            waiting = waiting || (b->bet == m_proposed->bet && b->stake == m_proposed->stake);
    if (waiting)
        text = tr("%1 (rögzítve)").arg(text);
    m_proposal->setText(text);
    m_accept->setEnabled(m_proposed && !waiting && !m_broken && m_ledger.openSession());
}

void Naplo::takeBackLast()
{
    if (!m_broken && m_ledger.takeBackLast()) {
        save();
        showAll();
    }
}

void Naplo::refresh()
{
    const int count = m_session.count();
    bool changed = false;
    if (count == m_lastCount + 1) {
        const int number = m_session.history().at(count);
        changed = m_ledger.settle(count, number) > 0;
        if (changed && m_ledger.openSession()) {
            const LedgerSession &session = *m_ledger.openSession();
            const HonestLine line = m_ledger.line(session.id);
            m_bankrollSeries->append(line.spins, static_cast<double>(session.bankrollIn + line.result));
            m_expectedSeries->append(line.spins, static_cast<double>(session.bankrollIn) + line.expected);
            showChart();
        }
    } else if (count == m_lastCount - 1) {
        changed = m_ledger.unsettle(m_lastCount, m_lastNumber) > 0;
        if (changed) {
            m_bankrollSeries->remove(m_bankrollSeries->count() - 1);
            m_expectedSeries->remove(m_expectedSeries->count() - 1);
            showChart();
        }
    } else if (count != m_lastCount || m_session.history().at(count) != m_lastNumber) {
        changed = m_ledger.reconcile(m_session.history().spins()) > 0;
    }
    m_lastCount = count;
    m_lastNumber = m_session.history().at(count);
    if (changed) {
        save();
        showAll();
    } else {
        showProposal();
    }
}

void Naplo::closeEvent(QCloseEvent *event)
{
    // A stake that no spin settled while the window was open is not placed:
    // the window cannot see the spins once it is closed.
    if (!m_broken && !m_ledger.waiting().empty()) {
        m_ledger.clearWaiting();
        save();
    }
    QWidget::closeEvent(event);
}

void Naplo::save()
{
    if (!m_broken && !writeLedger(m_path, m_ledger))
        m_state->setText(tr("A napló (%1) nem írható.").arg(QDir::toNativeSeparators(m_path)));
}

void Naplo::showAll()
{
    const LedgerSession *open = m_ledger.openSession();
    if (!m_broken)
        m_state->setText(open ? sessionHeading(*open) : tr("Nincs nyitott menet (%1. terem).").arg(m_room));
    m_start->setEnabled(!m_broken && !open);
    m_end->setEnabled(!m_broken && open);
    for (QPushButton *b : m_betButtons)
        b->setEnabled(!m_broken && open);
    m_waiting->clear();
    for (const LedgerBet *bet : m_ledger.waiting())
        m_waiting->addItem(tr("%1: %2").arg(betTitle(bet->bet), moneyAmount(bet->cost())));
    const LedgerSession *shown = open ? open : (m_ledger.sessions().empty() ? nullptr : &m_ledger.sessions().back());
    if (!shown) {
        m_bankroll->setText(tr("Még nincs menet ebben a teremben."));
        m_honest->clear();
        m_verdict->clear();
    } else {
        const HonestLine line = m_ledger.line(shown->id);
        m_bankroll->setText(tr("A(z) %1. menet pénze most: %2 (hozott %3).")
                                .arg(moneyAmount(shown->id), moneyAmount(shown->bankrollIn + line.result),
                                     moneyAmount(shown->bankrollIn)));
        m_honest->setText(honestFigures(line));
        m_verdict->setText(honestVerdict(line));
    }
    const HonestLine all = m_ledger.total();
    m_roomLine->setText(tr("A terem összes menete: %1 %2").arg(honestFigures(all), honestVerdict(all)));
    showProposal();
}

void Naplo::showChart()
{
    const LedgerSession *open = m_ledger.openSession();
    const LedgerSession *shown = open ? open : (m_ledger.sessions().empty() ? nullptr : &m_ledger.sessions().back());
    if (m_bankrollSeries->count() == 0 && shown) {
        // The session's money at its start, then after each spin with stakes.
        const double in = static_cast<double>(shown->bankrollIn);
        QList<QPointF> money = {QPointF(0, in)}, expected = {QPointF(0, in)};
        for (const BankrollPoint &p : bankrollPath(m_ledger, shown->id)) {
            money << QPointF(p.spin, static_cast<double>(p.bankroll));
            expected << QPointF(p.spin, p.expected);
        }
        m_bankrollSeries->replace(money);
        m_expectedSeries->replace(expected);
    }
    double low = 0, high = 1;
    const QList<QPointF> points = m_bankrollSeries->points() + m_expectedSeries->points();
    if (!points.isEmpty()) {
        low = high = points.front().y();
        for (const QPointF &p : points) {
            low = std::min(low, p.y());
            high = std::max(high, p.y());
        }
    }
    setTicks(m_y, low, high);
    setTicks(m_x, 0, std::max<qreal>(1, m_bankrollSeries->count() > 0 ? m_bankrollSeries->points().back().x() : 1));
}

} // namespace vintaro
