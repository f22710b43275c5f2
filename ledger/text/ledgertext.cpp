#include "ledger/text/ledgertext.h"

#include <QCoreApplication>

#include "core/textformat.h"

namespace vintaro {

namespace {


// The outside bets by their rows in the statistics table.
constexpr const char *kOutsideNames[kRowCount] = {
    QT_TRANSLATE_NOOP("LedgerText", "Fekete"),      QT_TRANSLATE_NOOP("LedgerText", "Piros"),
    QT_TRANSLATE_NOOP("LedgerText", "Alacsony"),    QT_TRANSLATE_NOOP("LedgerText", "Magas"),
    QT_TRANSLATE_NOOP("LedgerText", "1. harmad"),   QT_TRANSLATE_NOOP("LedgerText", "2. harmad"),
    QT_TRANSLATE_NOOP("LedgerText", "3. harmad"),   QT_TRANSLATE_NOOP("LedgerText", "Oszlop P"),
    QT_TRANSLATE_NOOP("LedgerText", "Oszlop M"),    QT_TRANSLATE_NOOP("LedgerText", "Oszlop D"),
    QT_TRANSLATE_NOOP("LedgerText", "Páros"),       QT_TRANSLATE_NOOP("LedgerText", "Páratlan"),
    QT_TRANSLATE_NOOP("LedgerText", "Oszlop  P M"), QT_TRANSLATE_NOOP("LedgerText", "Oszlop  M D"),
};

} // namespace

QString moneyAmount(Money amount) { return QString::fromStdString(formatInteger(amount)); }

QString expectedAmount(double amount) { return QString::fromStdString(formatDecimal(amount, 2)); }

QString honestFigures(const HonestLine &line)
{
    return QCoreApplication::translate("LedgerText", "Tét összesen: %1, eredmény: %2, várható: %3, a sáv: %4 … %5.")
        .arg(moneyAmount(line.staked), moneyAmount(line.result), expectedAmount(line.expected),
             expectedAmount(line.low()), expectedAmount(line.high()));
}

QString honestVerdict(const HonestLine &line)
{
    if (line.spins == 0)
        return QCoreApplication::translate("LedgerText", "Még nincs elszámolt tét.");
    if (line.inside())
        return QCoreApplication::translate("LedgerText", "Az eredmény a sávon belül van: ilyet ad a szerencse a ház előnye körül.");
    return QCoreApplication::translate("LedgerText", "Az eredmény a sávon kívül esik: tisztességes keréken nagyjából húsz menetből egyszer fordul elő.");
}

QString sessionHeading(const LedgerSession &session)
{
    QString text = QCoreApplication::translate("LedgerText", "%1. menet: %2 – %3")
                       .arg(moneyAmount(session.id), QString::fromStdString(session.start),
                            session.open() ? QCoreApplication::translate("LedgerText", "nyitva") : QString::fromStdString(session.end));
    if (!session.place.empty())
        text += QStringLiteral(", ") + QString::fromStdString(session.place);
    text += QCoreApplication::translate("LedgerText", "; hozott %1").arg(moneyAmount(session.bankrollIn));
    if (session.bankrollOut)
        text += QCoreApplication::translate("LedgerText", ", vitt %1").arg(moneyAmount(*session.bankrollOut));
    return text;
}

QString betTitle(const BetKey &bet)
{
    switch (bet.kind) {
    case BetKind::Outside: return QCoreApplication::translate("LedgerText", kOutsideNames[bet.key]);
    case BetKind::Sector: return QString::fromUtf8(sectorName(kSectors[static_cast<size_t>(bet.key)]));
    case BetKind::Number: return QString::number(bet.key);
    case BetKind::Selection:
        return QCoreApplication::translate("LedgerText", "Kiválasztás (%1 szám)").arg(moneyAmount(static_cast<Money>(bet.numbers.count())));
    }
    return {};
}

} // namespace vintaro
