#pragma once
// The selection grid's state: which numbers are selected, the caption of
// every selection button, and the selected count as the label shows it.
#include <array>
#include <string>
#include <vector>

#include "core/numbermodel.h"

namespace vintaro {

class Selection
{
public:
    Selection(); // nothing selected, captions "0".."36", count "0"

    // A click on button n: selects or takes back n. The count moves by one
    // from the value its text shows.
    void toggle(int n);

    // Clear selection: every flag 0, every caption " n ", count "0".
    void clear();

    // A group analysis marks its leading group: members selected, the count
    // text set to the member count of the kind.
    void selectGroup(const std::vector<int> &members, int memberCount);

    bool isSelected(int n) const { return isNumber(n) && m_selected[n]; }
    const std::string &caption(int n) const { return m_captions[n]; }
    const std::string &countText() const { return m_countText; }
    // The count as its text reads; this is what examining and charting trust.
    int countValue() const;
    // Sets the count text directly (only an odd state can make it disagree
    // with the flags; tests use it to check that the text is trusted).
    void setCountText(std::string text) { m_countText = std::move(text); }

    // The selected numbers, ascending.
    std::vector<int> selectedNumbers() const;

private:
    std::array<bool, kNumberCount> m_selected{};
    std::array<std::string, kNumberCount> m_captions;
    std::string m_countText;
};

} // namespace vintaro
