#pragma once
// The player's ledger of one room: sessions ("menet") with the money brought
// and taken away, and the bets recorded before a spin, settled by their
// payouts when the spin is entered.
//
// A bet is recorded into the open session and waits for the next spin. The
// spin settles every waiting bet; Undo of that spin makes them wait again.
// A settled bet keeps the position of its spin in the history; once the
// history no longer holds that spin there (a narrowing, a full delete), the
// bet stays settled for good and no Undo reaches it.
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "ledger/honestline.h"
#include "ledger/payout.h"

namespace vintaro {

struct LedgerSession
{
    int id = 0;
    std::string start; // "2026-12-07 21:03", local time
    std::string end;   // empty while open
    std::string room;
    std::string place;  // the place or table, free text
    Money bankrollIn = 0;
    std::optional<Money> bankrollOut;
    std::string notes;

    bool open() const { return end.empty(); }
    bool operator==(const LedgerSession &) const = default;
};

struct LedgerBet
{
    int session = 0;
    BetKey bet;
    Money stake = 0;
    int spin = 0;    // the history position of the spin that settled it; 0 while it waits
    int number = -1; // the number that came; -1 while the bet waits
    bool fixed = false; // settled for good: the history no longer holds its spin

    bool settled() const { return number >= 0; }
    Money cost() const { return betCost(bet, stake); }
    Money back() const { return settled() ? betReturn(bet, stake, number) : 0; }
    bool operator==(const LedgerBet &) const = default;
};

class Ledger
{
public:
    const std::vector<LedgerSession> &sessions() const { return m_sessions; }
    const std::vector<LedgerBet> &bets() const { return m_bets; }

    // The open session (the last one, while it has no end); nothing otherwise.
    const LedgerSession *openSession() const;

    // Starts a session; false while one is open or for money beyond kMoneyLimit.
    bool startSession(std::string start, std::string room, std::string place, Money bankrollIn);
    // Ends the open session; its waiting bets are dropped. False when none is open.
    bool endSession(std::string end, std::optional<Money> bankrollOut, std::string notes);
    // Changes the open session's place and notes.
    bool editOpenSession(std::string place, std::string notes);

    // Records a bet for the next spin; false without an open session, for an
    // unknown bet or a stake that is not positive or beyond kStakeLimit.
    bool record(const BetKey &bet, Money stake);
    // The waiting bets, in the order recorded.
    std::vector<const LedgerBet *> waiting() const;
    // Takes back the waiting bets (all, or the last one).
    void clearWaiting();
    bool takeBackLast();

    // A spin entered at history position `position`: settles every waiting
    // bet. Returns how many were settled.
    int settle(int position, int number);
    // Undo of the spin at `position` that showed `number`: its bets wait
    // again. Returns how many.
    int unsettle(int position, int number);
    // After a new start or a room operation: settled bets whose spin the
    // history no longer holds at their position are kept settled for good.
    // Returns how many.
    int reconcile(std::span<const std::int16_t> spins);

    // Bankroll of a session after its settled bets: money in plus every
    // result.
    Money bankroll(int session) const;

    // The honest line of a session (kept up to date at every settling, so
    // that a spin costs the same at any length), and of every session.
    HonestLine line(int session) const;
    const HonestLine &total() const { return m_total; }

    // Whole ledger, as read back from its file (no checks beyond the reader's).
    void assign(std::vector<LedgerSession> sessions, std::vector<LedgerBet> bets);

private:
    std::vector<LedgerSession> m_sessions;
    std::vector<LedgerBet> m_bets;
    std::vector<std::size_t> m_waiting; // indices into m_bets
    std::map<int, HonestLine> m_lines; // by session
    HonestLine m_total;
    // Adds (sign 1) or takes back (-1) the bets of one spin in the lines.
    void count(const std::vector<std::size_t> &spinBets, int sign);
};

} // namespace vintaro
