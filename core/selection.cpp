#include "core/selection.h"

#include "core/textformat.h"

namespace vintaro {

Selection::Selection() : m_countText("0")
{
    for (int n = 0; n < kNumberCount; ++n)
        m_captions[n] = plainText(n);
}

void Selection::toggle(int n)
{
    if (!isNumber(n))
        return;
    if (!m_selected[n]) {
        const int c = countValue() + 1;
        m_captions[n].clear();
        m_selected[n] = true;
        m_countText = signedText(c);
    } else {
        m_captions[n] = signedText(n);
        m_captions[n] += ' ';
        m_selected[n] = false;
        const int c = countValue() - 1;
        m_countText = signedText(c);
    }
}

void Selection::clear()
{
    for (int n = 0; n < kNumberCount; ++n) {
        m_selected[n] = false;
        m_captions[n] = signedText(n);
        m_captions[n] += ' ';
    }
    m_countText = plainText(0);
}

void Selection::selectGroup(const std::vector<int> &members, int memberCount)
{
    for (int n : members) {
        if (!isNumber(n))
            continue;
        m_captions[n].clear();
        m_selected[n] = true;
    }
    m_countText = plainText(memberCount);
}

int Selection::countValue() const { return leadingInt(m_countText); }

std::vector<int> Selection::selectedNumbers() const
{
    std::vector<int> out;
    for (int n = 0; n < kNumberCount; ++n)
        if (m_selected[n])
            out.push_back(n);
    return out;
}

} // namespace vintaro
