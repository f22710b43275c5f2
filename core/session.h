#pragma once
// The spins of one run and everything the main window shows about them:
// the spun number, the spin count text, the unsaved flag, the statistics of
// the fourteen rows and the absence of every number.
#include <cstdint>
#include <string>
#include <vector>

#include "core/spinhistory.h"
#include "core/statistics.h"

namespace vintaro {

class Session
{
public:
    enum class EntryResult { Applied, NoNumber, HistoryFull };
    enum class UndoResult { Nothing, Undone };

    // Entry step: the spun number becomes n, then the apply operation runs.
    // A full history refuses the spin and changes nothing.
    EntryResult enter(int number);

    // Apply operation: records the spun number as the newest spin.
    EntryResult apply();

    // Takes the newest spin back and recomputes everything.
    UndoResult undo();

    // Start operation: the loaded list becomes the history (its newest
    // kCapacity spins when longer); the count text takes a leading blank.
    void load(const std::vector<std::int16_t> &spins);

    const SpinHistory &history() const { return m_history; }
    int count() const { return m_history.count(); }

    const std::string &spunText() const { return m_spunText; }     // Label3
    const std::string &countText() const { return m_countText; }   // Label5
    int spunNumber() const { return m_spunNumber; }

    bool unsaved() const { return m_unsaved; }
    void setUnsaved(bool unsaved) { m_unsaved = unsaved; }

    // Figures of the latest statistics pass; figuresShown() is false until
    // the first pass, while the statistics labels stay empty.
    bool figuresShown() const { return m_figuresShown; }
    const RowFigures &figures() const { return m_figures; }

    // Spins since n last came (the spin count if it never came).
    int absence(int n) const;

private:
    void runPass();

    SpinHistory m_history;
    LastPositions m_lastPositions{};
    RowFigures m_figures{};
    bool m_figuresShown = false;
    bool m_unsaved = false;
    std::string m_spunText;
    std::string m_countText;
    int m_spunNumber = 0;
};

} // namespace vintaro
