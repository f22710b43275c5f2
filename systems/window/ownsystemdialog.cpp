#include "systems/window/ownsystemdialog.h"

#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "persistence/ownsystems.h"
#include "systems/betchoice.h"
#include "systems/systemstext.h"
#include "systems/window/boxlocale.h"
#include "widgets/platform.h"

namespace vintaro {

namespace {

template <typename Box> Box *named(QWidget *parent, const char *name)
{
    auto *box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    if constexpr (!std::is_same_v<Box, QComboBox> && !std::is_same_v<Box, QLineEdit>) {
        box->setLocale(boxLocale());
        box->setGroupSeparatorShown(true);
    }
    return box;
}

QSpinBox *count(QWidget *parent, const char *name, int low, int high, int value)
{
    auto *box = named<QSpinBox>(parent, name);
    box->setRange(low, high);
    box->setValue(value);
    return box;
}

QDoubleSpinBox *amount(QWidget *parent, const char *name, double low, double value, const QString &none = {})
{
    auto *box = named<QDoubleSpinBox>(parent, name);
    box->setDecimals(2);
    box->setRange(low, 1e9);
    if (!none.isEmpty())
        box->setSpecialValueText(none);
    box->setValue(value);
    return box;
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets)
{
    auto *layout = new QHBoxLayout;
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return layout;
}

} // namespace

OwnSystemDialog::OwnSystemDialog(const QString &file, const OwnSystem &start, Platform &platform, QWidget *parent)
    : QDialog(parent), m_file(file), m_platform(platform)
{
    setObjectName(QStringLiteral("SajatRendszerSzerkeszto"));
    setWindowTitle(tr("Saját rendszer"));
    auto *form = new QFormLayout(this);
    m_saved = named<QComboBox>(this, "MentettRendszerek");
    m_name = named<QLineEdit>(this, "SajatNev");
    m_bet = named<QComboBox>(this, "SajatTet");
    for (std::string_view key : betKeys())
        m_bet->addItem(QString::fromStdString(betCaption(*betFromKey(key))),
                       QString::fromUtf8(key.data(), qsizetype(key.size())));
    for (int n = 0; n <= kHighestNumber; ++n)
        m_bet->addItem(tr("Szám: %1").arg(n), QString::number(n));
    m_stakes = named<QLineEdit>(this, "SajatTetek");
    m_stakes->setToolTip(tr("Egységben, vesszővel elválasztva, például 1, 2, 4, 8, 16 vagy 1, 1, 2, 3, 5, 8."));
    m_first = count(this, "TetElso", 1, 1000000000, 1);
    m_count = count(this, "TetLepesek", 1, kMostOwnSteps, 8);
    m_factor = amount(this, "TetSzorzo", 0, 2);
    m_factor->setRange(0, 100);
    m_add = amount(this, "TetNoveles", 0, 0);
    m_add->setDecimals(0);
    auto *fill = new QPushButton(tr("Kitöltés"), this);
    fill->setObjectName(QStringLiteral("TetKitoltes"));
    m_onWin = named<QComboBox>(this, "NyeresUtan");
    m_onWin->addItems({tr("vissza az első lépésre"), tr("vissza ennyi lépést:"), tr("marad a lépésen"),
                       tr("a következő lépésre")});
    m_winSteps = count(this, "NyeresLepes", 1, kMostOwnSteps, 1);
    m_onLoss = named<QComboBox>(this, "VesztesUtan");
    m_onLoss->addItems({tr("a következő lépésre"), tr("előre ennyi lépést:"), tr("vissza az első lépésre")});
    m_lossSteps = count(this, "VesztesLepes", 1, kMostOwnSteps, 1);
    m_afterLast = named<QComboBox>(this, "UtolsoUtan");
    m_afterLast->addItems({tr("marad az utolsón"), tr("vissza az elsőre"), tr("vége a menetnek")});
    m_sitOutAfter = count(this, "KimaradasUtan", 0, kMostSitOut, 0);
    m_sitOutAfter->setSpecialValueText(tr("soha"));
    m_sitOutSpins = count(this, "KimaradasPorgetes", 0, kMostSitOut, 0);
    m_unit = amount(this, "SajatEgyseg", 0.01, 1);
    m_bankroll = amount(this, "SajatBank", 0.01, 100);
    m_tableMin = amount(this, "SajatMin", 0.01, 1);
    m_tableMax = amount(this, "SajatMax", 0, 0, tr("nincs"));
    m_target = amount(this, "SajatCel", 0, 0, tr("nincs"));
    m_spins = count(this, "SajatPorgetesek", 1, 1000000, 1000);

    form->addRow(tr("Mentett rendszer:"), m_saved);
    form->addRow(tr("Név:"), m_name);
    form->addRow(tr("Tét:"), m_bet);
    form->addRow(tr("Tétek lépésenként:"), m_stakes);
    form->addRow(tr("Vagy kitöltés:"), row({new QLabel(tr("első tét"), this), m_first, new QLabel(tr("lépés"), this),
                                            m_count, new QLabel(tr("szorzó ×"), this), m_factor,
                                            new QLabel(tr("+"), this), m_add, fill}));
    form->addRow(tr("Nyerés után:"), row({m_onWin, m_winSteps}));
    form->addRow(tr("Vesztés után:"), row({m_onLoss, m_lossSteps}));
    form->addRow(tr("Az utolsó lépés után:"), m_afterLast);
    form->addRow(tr("Kimaradás:"), row({m_sitOutAfter, new QLabel(tr("vesztés után sorban"), this), m_sitOutSpins,
                                        new QLabel(tr("pörgetés"), this)}));
    form->addRow(tr("Egység:"), m_unit);
    form->addRow(tr("Kezdőtőke (veszteséghatár):"), m_bankroll);
    form->addRow(tr("Asztali minimum:"), m_tableMin);
    form->addRow(tr("Asztali maximum:"), m_tableMax);
    form->addRow(tr("Cél (nyereség):"), m_target);
    form->addRow(tr("Pörgetés menetenként:"), m_spins);
    auto *save = new QPushButton(tr("Mentés"), this);
    save->setObjectName(QStringLiteral("SajatMentes"));
    auto *remove = new QPushButton(tr("Törlés"), this);
    remove->setObjectName(QStringLiteral("SajatTorles"));
    auto *close = new QPushButton(tr("Bezárás"), this);
    close->setObjectName(QStringLiteral("SajatBezaras"));
    form->addRow(row({save, remove, close}));

    connect(fill, &QPushButton::clicked, this, &OwnSystemDialog::generate);
    connect(save, &QPushButton::clicked, this, &OwnSystemDialog::save);
    connect(remove, &QPushButton::clicked, this, &OwnSystemDialog::remove);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_onWin, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_winSteps->setEnabled(i == int(WinMove::Back)); });
    connect(m_onLoss, &QComboBox::currentIndexChanged, this,
            [this](int i) { m_lossSteps->setEnabled(i == int(LossMove::Skip)); });
    connect(m_saved, &QComboBox::activated, this, [this](int index) {
        std::vector<OwnSystem> systems;
        if (index > 0 && load(systems) && size_t(index - 1) < systems.size())
            showSystem(systems[size_t(index - 1)]);
    });
    showSystem(start);
    fillSaved(QString::fromStdString(start.name));
}

bool OwnSystemDialog::load(std::vector<OwnSystem> &systems)
{
    OwnSystemsRead read = loadOwnSystems(m_file);
    if (!read.problem.isEmpty()) {
        m_platform.message(this, read.problem, Platform::Icon::Critical);
        return false;
    }
    systems = std::move(read.systems);
    return true;
}

void OwnSystemDialog::fillSaved(const QString &select)
{
    m_saved->clear();
    m_saved->addItem(tr("(új rendszer)"));
    std::vector<OwnSystem> systems;
    if (!load(systems))
        return;
    for (const OwnSystem &s : systems)
        m_saved->addItem(QString::fromStdString(s.name));
    const int index = select.isEmpty() ? 0 : m_saved->findText(select);
    m_saved->setCurrentIndex(std::max(index, 0));
}

void OwnSystemDialog::showSystem(const OwnSystem &s)
{
    m_name->setText(QString::fromStdString(s.name));
    m_bet->setCurrentIndex(std::max(0, m_bet->findData(QString::fromStdString(s.bet))));
    m_stakes->setText(QString::fromStdString(stakesText(s.stakes)).replace(QLatin1Char(','), QStringLiteral(", ")));
    m_onWin->setCurrentIndex(int(s.onWin));
    m_winSteps->setValue(s.winSteps);
    m_winSteps->setEnabled(s.onWin == WinMove::Back);
    m_onLoss->setCurrentIndex(int(s.onLoss));
    m_lossSteps->setValue(s.lossSteps);
    m_lossSteps->setEnabled(s.onLoss == LossMove::Skip);
    m_afterLast->setCurrentIndex(int(s.afterLast));
    m_sitOutAfter->setValue(s.sitOutAfter);
    m_sitOutSpins->setValue(s.sitOutSpins);
    m_unit->setValue(s.rules.unit);
    m_bankroll->setValue(s.rules.bankroll);
    m_tableMin->setValue(s.rules.tableMin);
    m_tableMax->setValue(s.rules.tableMax);
    m_target->setValue(s.rules.target);
    m_spins->setValue(int(std::min<std::int64_t>(s.rules.maxSpins, m_spins->maximum())));
}

OwnSystem OwnSystemDialog::read() const
{
    OwnSystem s;
    s.name = m_name->text().toStdString();
    s.bet = m_bet->currentData().toString().toStdString();
    if (!readStakes(m_stakes->text().toStdString(), s.stakes))
        s.stakes.clear();
    s.onWin = WinMove(m_onWin->currentIndex());
    s.winSteps = m_winSteps->value();
    s.onLoss = LossMove(m_onLoss->currentIndex());
    s.lossSteps = m_lossSteps->value();
    s.afterLast = AfterLast(m_afterLast->currentIndex());
    s.sitOutAfter = m_sitOutAfter->value();
    s.sitOutSpins = m_sitOutSpins->value();
    s.rules.unit = m_unit->value();
    s.rules.bankroll = m_bankroll->value();
    s.rules.tableMin = m_tableMin->value();
    s.rules.tableMax = m_tableMax->value();
    s.rules.target = m_target->value();
    s.rules.maxSpins = m_spins->value();
    return s;
}

void OwnSystemDialog::generate()
{
    const auto stakes = generatedStakes(m_first->value(), m_count->value(), m_factor->value(),
                                        std::int64_t(m_add->value()));
    m_stakes->setText(QString::fromStdString(stakesText(stakes)).replace(QLatin1Char(','), QStringLiteral(", ")));
}

void OwnSystemDialog::save()
{
    const OwnSystem s = read();
    if (s.stakes.empty()) {
        m_platform.message(this, tr("A tétek: egész számok egységben, legalább 1, vesszővel elválasztva "
                                    "(például 1, 2, 4, 8)."),
                           Platform::Icon::Information);
        return;
    }
    std::string problem = nameProblem(s.name);
    if (problem.empty())
        problem = ownProblem(s);
    if (!problem.empty()) {
        m_platform.message(this, QString::fromStdString(problemText(problem)), Platform::Icon::Information);
        return;
    }
    std::vector<OwnSystem> systems;
    if (!load(systems))
        return;
    auto same = std::find_if(systems.begin(), systems.end(), [&s](const OwnSystem &o) { return o.name == s.name; });
    if (same != systems.end())
        *same = s;
    else
        systems.push_back(s);
    if (!saveOwnSystems(m_file, systems)) {
        m_platform.message(this, tr("A saját rendszerek fájlja (%1) nem írható; a rendszer nincs mentve.")
                                     .arg(QDir::toNativeSeparators(m_file)));
        return;
    }
    m_savedName = QString::fromStdString(s.name);
    fillSaved(m_savedName);
    emit systemsChanged();
}

void OwnSystemDialog::remove()
{
    const QString name = m_saved->currentIndex() > 0 ? m_saved->currentText() : QString();
    if (name.isEmpty())
        return;
    if (!m_platform.confirm(this, tr("Törli a(z) „%1” rendszert?").arg(name)))
        return;
    std::vector<OwnSystem> systems;
    if (!load(systems))
        return;
    std::erase_if(systems, [&name](const OwnSystem &o) { return o.name == name.toStdString(); });
    if (!saveOwnSystems(m_file, systems)) {
        m_platform.message(this, tr("A saját rendszerek fájlja (%1) nem írható; a rendszer megmaradt.")
                                     .arg(QDir::toNativeSeparators(m_file)));
        return;
    }
    fillSaved({});
    emit systemsChanged();
}

} // namespace vintaro
