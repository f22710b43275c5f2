// Rendszerek: the player's own systems. The ones saved in the systems file
// stand after the built-in ones in the system box; "Saját rendszer…" edits them.
#include "systems/window/rendszerek.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "persistence/ownsystems.h"
#include "systems/window/ownsystemdialog.h"

namespace vintaro {

namespace {
constexpr int kSingleNumber = kGroupBets; // "Egy szám" in Tet
}

std::optional<OwnSystem> Rendszerek::chosenOwn(const SessionRules &rules) const
{
    const int index = m_system->currentIndex() - kSystemCount;
    if (index < 0 || size_t(index) >= m_own.size())
        return std::nullopt;
    OwnSystem own = m_own[size_t(index)];
    own.rules = rules; // the bet is the one of the controls
    return own;
}

void Rendszerek::reloadOwnSystems(const QString &select)
{
    if (m_ownFile.isEmpty()) {
        m_ownEditor->setEnabled(false);
        return;
    }
    const OwnSystemsRead read = loadOwnSystems(m_ownFile);
    if (!read.problem.isEmpty())
        m_status->setText(read.problem);
    const QString current = m_system->currentText();
    const QSignalBlocker quiet(m_system);
    while (m_system->count() > kSystemCount)
        m_system->removeItem(kSystemCount);
    // A damaged file keeps the systems it had.
    if (read.problem.isEmpty())
        m_own = read.systems;
    for (const OwnSystem &own : m_own)
        m_system->addItem(tr("Saját: %1").arg(QString::fromStdString(own.name)));
    const int index = m_system->findText(select.isEmpty() ? current : tr("Saját: %1").arg(select));
    m_system->setCurrentIndex(index >= 0 ? index : int(SystemKind::Martingale));
}

void Rendszerek::ownSystemChosen(int index)
{
    index -= kSystemCount;
    if (index < 0 || size_t(index) >= m_own.size())
        return;
    // The saved bet and rules into the controls, to play or change.
    const OwnSystem &own = m_own[size_t(index)];
    const auto keys = betKeys();
    const auto key = std::find(keys.begin(), keys.end(), std::string_view(own.bet));
    if (key != keys.end()) {
        m_bet->setCurrentIndex(int(key - keys.begin()));
    } else if (const std::optional<Bet> bet = betFromKey(own.bet)) {
        m_bet->setCurrentIndex(kSingleNumber);
        m_number->setValue(std::stoi(own.bet));
    }
    m_unit->setValue(own.rules.unit);
    m_bankroll->setValue(own.rules.bankroll);
    m_tableMin->setValue(own.rules.tableMin);
    m_tableMax->setValue(own.rules.tableMax);
    m_target->setValue(own.rules.target);
    m_spins->setValue(int(std::min<std::int64_t>(own.rules.maxSpins, m_spins->maximum())));
}

void Rendszerek::editOwnSystems()
{
    // A new system starts from the bet and the rules as they stand.
    OwnSystem start;
    const int betIndex = m_bet->currentIndex();
    if (betIndex < kGroupBets)
        start.bet = std::string(betKeys()[size_t(betIndex)]);
    else if (betIndex == kSingleNumber)
        start.bet = std::to_string(m_number->value());
    start.rules.unit = m_unit->value();
    start.rules.bankroll = m_bankroll->value();
    start.rules.tableMin = m_tableMin->value();
    start.rules.tableMax = m_tableMax->value();
    start.rules.target = m_target->value();
    start.rules.maxSpins = m_spins->value();
    // A chosen own system opens to be changed.
    if (const std::optional<OwnSystem> own = chosenOwn(start.rules)) {
        const std::string bet = start.bet;
        start = *own;
        start.bet = bet;
    }
    OwnSystemDialog dialog(m_ownFile, start, m_platform, this);
    connect(&dialog, &OwnSystemDialog::systemsChanged, this,
            [this, &dialog] { reloadOwnSystems(dialog.savedName()); });
    dialog.exec();
}

} // namespace vintaro
