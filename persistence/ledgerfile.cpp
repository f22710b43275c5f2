#include "persistence/ledgerfile.h"

#include <QDir>

#include <charconv>
#include <optional>
#include <vector>

#include "persistence/textfiles.h"

namespace vintaro {

namespace {

constexpr std::string_view kHeader =
    "record,session,start,end,room,place,bankroll_in,bankroll_out,bet,stake,numbers,spin,number,fixed,notes";
constexpr int kColumns = 15;
constexpr std::string_view kSelectionName = "Kiválasztás";

void appendField(std::string &out, std::string_view text)
{
    // Most fields are plain: taken as they are, without a copy.
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    std::string clean(text);
    for (char &c : clean)
        if (c == '\r' || c == '\n')
            c = ' ';
    if (clean.find_first_of(",\"") == std::string::npos) {
        out += clean;
        return;
    }
    out += '"';
    for (char c : clean) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRow(std::string &out, const std::vector<std::string> &fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        appendField(out, fields[i]);
    }
    out += "\r\n";
}

void appendInteger(std::string &out, std::int64_t value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// A bet's row, written straight into the text: a ledger of a whole history
// holds tens of thousands of them, and the file is written after every spin
// that settles one.
void appendBetRow(std::string &out, const LedgerBet &b)
{
    out += "bet,";
    appendInteger(out, b.session);
    out += ",,,,,,,";
    switch (b.bet.kind) {
    case BetKind::Outside: appendField(out, rowCaption(b.bet.key)); break;
    case BetKind::Sector: appendField(out, sectorName(kSectors[static_cast<size_t>(b.bet.key)])); break;
    case BetKind::Number: appendInteger(out, b.bet.key); break;
    case BetKind::Selection: appendField(out, kSelectionName); break;
    }
    out += ',';
    appendInteger(out, b.stake);
    out += ',';
    if (b.bet.kind == BetKind::Selection) {
        bool first = true;
        for (int n = 0; n < kNumberCount; ++n)
            if (b.bet.numbers[static_cast<size_t>(n)]) {
                if (!first)
                    out += ' ';
                first = false;
                appendInteger(out, n);
            }
    }
    out += ',';
    if (b.settled()) {
        appendInteger(out, b.spin);
        out += ',';
        appendInteger(out, b.number);
    } else {
        out += ',';
    }
    out += b.fixed ? ",1,\r\n" : ",0,\r\n";
}

std::optional<BetKey> betFromName(std::string_view name, std::string_view numbers)
{
    for (int row = 0; row < kRowCount; ++row)
        if (rowCaption(row) == name)
            return BetKey{BetKind::Outside, row, {}};
    for (int s = 0; s < kSectorCount; ++s)
        if (sectorName(kSectors[static_cast<size_t>(s)]) == name)
            return BetKey{BetKind::Sector, s, {}};
    if (name == kSelectionName) {
        BetKey key{BetKind::Selection, 0, {}};
        std::size_t at = 0;
        while (at < numbers.size()) {
            const std::size_t end = std::min(numbers.find(' ', at), numbers.size());
            const std::string_view one = numbers.substr(at, end - at);
            if (!one.empty()) {
                int n = -1;
                const auto [ptr, ec] = std::from_chars(one.data(), one.data() + one.size(), n);
                if (ec != std::errc() || ptr != one.data() + one.size() || !isNumber(n))
                    return std::nullopt;
                key.numbers.set(static_cast<size_t>(n));
            }
            at = end + 1;
        }
        return key.numbers.any() ? std::optional<BetKey>(key) : std::nullopt;
    }
    int n = -1;
    const auto [ptr, ec] = std::from_chars(name.data(), name.data() + name.size(), n);
    if (ec == std::errc() && ptr == name.data() + name.size() && isNumber(n))
        return BetKey{BetKind::Number, n, {}};
    return std::nullopt;
}

// The fields of one line; nothing when a quote is left open.
std::optional<std::vector<std::string>> splitRow(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted)
        return std::nullopt;
    return fields;
}

template<typename T>
bool number(std::string_view text, T &value)
{
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

} // namespace

QString ledgerFile(const QString &folder, const QString &room)
{
    return QDir(folder).filePath(QStringLiteral("naplo") + room + QStringLiteral(".csv"));
}

std::string ledgerText(const Ledger &ledger)
{
    std::string out;
    out.reserve(64 + ledger.bets().size() * 40 + ledger.sessions().size() * 80);
    out += kHeader;
    out += "\r\n";
    std::size_t next = 0; // the bets follow their session
    const std::vector<LedgerBet> &bets = ledger.bets();
    for (const LedgerSession &s : ledger.sessions()) {
        appendRow(out, {"session", std::to_string(s.id), s.start, s.end, s.room, s.place, std::to_string(s.bankrollIn),
                        s.bankrollOut ? std::to_string(*s.bankrollOut) : std::string(), "", "", "", "", "", "",
                        s.notes});
        for (; next < bets.size() && bets[next].session == s.id; ++next)
            appendBetRow(out, bets[next]);
    }
    return out;
}

LedgerRead parseLedger(std::string_view text)
{
    LedgerRead read;
    std::vector<LedgerSession> sessions;
    std::vector<LedgerBet> bets;
    int lineNumber = 0;
    std::size_t at = 0;
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        at = 3;
    while (at < text.size()) {
        std::size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end;
        if (at < text.size() && text[at] == '\r')
            ++at;
        if (at < text.size() && text[at] == '\n')
            ++at;
        ++lineNumber;
        auto damaged = [&] { read.damagedLine = lineNumber; };
        if (lineNumber == 1) {
            if (line != kHeader) {
                damaged();
                break;
            }
            continue;
        }
        if (line.empty())
            continue;
        const auto fields = splitRow(line);
        if (!fields || fields->size() != kColumns) {
            damaged();
            break;
        }
        const std::vector<std::string> &f = *fields;
        if (f[0] == "session") {
            LedgerSession s;
            Money out = 0;
            if (!number(f[1], s.id) || s.id <= (sessions.empty() ? 0 : sessions.back().id) || s.id > 1'000'000'000
                || !number(f[6], s.bankrollIn) || (!f[7].empty() && !number(f[7], out)) || f[2].empty()
                || s.bankrollIn < -kMoneyLimit || s.bankrollIn > kMoneyLimit || out < -kMoneyLimit || out > kMoneyLimit
                || (!sessions.empty() && sessions.back().open())) {
                damaged();
                break;
            }
            s.start = f[2];
            s.end = f[3];
            s.room = f[4];
            s.place = f[5];
            if (!f[7].empty())
                s.bankrollOut = out;
            s.notes = f[14];
            sessions.push_back(std::move(s));
        } else if (f[0] == "bet") {
            LedgerBet b;
            const auto key = betFromName(f[8], f[10]);
            if (!number(f[1], b.session) || sessions.empty() || b.session != sessions.back().id || !key
                || !number(f[9], b.stake) || b.stake <= 0 || b.stake > kStakeLimit || f[11].empty() != f[12].empty()
                || (!f[11].empty()
                    && (!number(f[11], b.spin) || b.spin < 1 || !number(f[12], b.number) || !isNumber(b.number)))
                || (f[13] != "0" && f[13] != "1")) {
                damaged();
                break;
            }
            b.bet = *key;
            b.fixed = f[13] == "1";
            bets.push_back(b);
        } else {
            damaged();
            break;
        }
    }
    if (lineNumber == 0)
        read.damagedLine = 1; // not even the header
    if (read.damagedLine == 0)
        read.ledger.assign(std::move(sessions), std::move(bets));
    return read;
}

LedgerRead readLedger(const QString &path)
{
    ReadStatus status = ReadStatus::Ok;
    const auto bytes = readSmallFile(path, kLedgerLimit, &status);
    if (!bytes) {
        LedgerRead read;
        read.status = status; // unreadable, or too long to be a ledger
        return read;
    }
    return parseLedger(std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}

bool writeLedger(const QString &path, const Ledger &ledger)
{
    const std::string text = ledgerText(ledger);
    return writeBytes(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

} // namespace vintaro
