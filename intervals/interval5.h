#pragma once
// The five-number interval window: a modeless snapshot of the history taken
// when it opens, spin by spin, with each interval's current absence, and on
// request the longest absence of each interval.
#include <QWidget>

#include <cstdint>
#include <vector>

class QLabel;

namespace vintaro {

class ComputedLinesModel;
class LinesModel;
class ListBox;
class Session;
class SSCommand;

class Interval5 : public QWidget
{
    Q_OBJECT
public:
    // The report reads `session` when it is asked for, so spins entered while
    // the window is open count there; the list and the absences do not change.
    explicit Interval5(const Session &session, QWidget *parent = nullptr);

    // "Maximális kimaradás": fills List2 and disables its button.
    void showReport();

private:
    void buildWindow();
    void load();

    const Session &m_session;
    std::vector<std::int16_t> m_snapshot; // the spins at opening, oldest first
    ComputedLinesModel *m_lines = nullptr;
    LinesModel *m_report = nullptr;
    ListBox *m_list1 = nullptr;
    ListBox *m_list2 = nullptr;
    QLabel *m_label3 = nullptr;
    SSCommand *m_reportButton = nullptr;
};

} // namespace vintaro
