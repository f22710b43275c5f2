// Form1: entering spins, applying them, undo, and the display steps that
// write the statistics.
#include "mainwindow/form1.h"

#include <QAction>
#include <QLabel>
#include <QScrollBar>

#include "widgets/appearance.h"
#include "widgets/linesmodel.h"
#include "widgets/listbox.h"
#include "widgets/sscommand.h"
#include "core/textformat.h"

namespace vintaro {

namespace {

void warnHistoryFull(Platform &platform, QWidget *parent)
{
    platform.message(parent, Form1::tr("A pörgetések listája megtelt: legfeljebb %1 pörgetés tárolható !")
                                 .arg(SpinHistory::kCapacity));
}

} // namespace

void Form1::enterSpin(int number)
{
    // A full history refuses the spin before the spun number changes.
    if (m_session.history().full()) {
        warnHistoryFull(*m_platform, this);
        return;
    }
    m_session.enter(number);
    resetNumberRow();
    showHistory();
}

void Form1::applySpin()
{
    const auto result = m_session.apply();
    if (result == Session::EntryResult::HistoryFull)
        warnHistoryFull(*m_platform, this);
    if (result == Session::EntryResult::Applied) {
        resetNumberRow();
        showHistory();
    }
}

void Form1::showHistory()
{
    showCount();
    syncHistoryList();
    showAbsences();
    showFigures();
    scrollHistoryList();
    showSpunNumber();
    emit historyChanged();
}

void Form1::undoSpin()
{
    if (m_session.undo() == Session::UndoResult::Nothing)
        return;
    resetNumberRow();
    showHistory();
}

void Form1::showSpunNumber()
{
    setLabelText(m_label3, text(m_session.spunText()));
    if (!m_session.spunText().empty())
        setTextColour(m_label3, rgb(displayColour(m_session.spunNumber())));
}

void Form1::showCount() { setLabelText(m_label5, text(m_session.countText())); }

void Form1::showFigures()
{
    if (!m_session.figuresShown())
        return;
    for (int r = 0; r < kRowCount; ++r) {
        const Figures &f = m_session.figures()[r];
        setLabelText(m_hits[r], QString::number(f.hits));
        setLabelText(m_current[r], QString::number(f.current));
        setLabelText(m_longest[r], QString::number(f.longest));
    }
}

void Form1::showAbsences()
{
    for (int n = 1; n <= kHighestNumber; ++n)
        setLabelText(m_absenceRow[n], QString::number(m_session.absence(n)));
}

void Form1::resetNumberRow()
{
    for (int n = 1; n <= kHighestNumber; ++n) {
        setLabelText(m_numberRow[n], QString::number(n));
        setTextColour(m_numberRow[n], rgb(displayColour(n)));
    }
}

void Form1::syncHistoryList() { m_historyModel->setCount(m_session.count()); }

void Form1::scrollHistoryList()
{
    // The newest six lines stay in view; a shorter list is not scrolled.
    const int top = m_historyModel->count() - 6;
    if (top < 0)
        return;
    m_list1->setTopIndex(top);
}

} // namespace vintaro
