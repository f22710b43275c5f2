#pragma once
// The odds window: how unusual the history really is. The bets with their
// absences in probability terms, the bias test of the wheel, and the same for
// any spin file. Follows the history live; modeless.
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

#include "odds/evidence.h"
#include "odds/holdout.h"
#include "odds/runchances.h"
#include "odds/tally.h"

class QLabel;
class QTabWidget;
class QTableView;

namespace vintaro {

class BetsModel;
class BiasModel;
class ColumnFitter;
class FilePanel;
class Platform;
class Session;

class Eselyek : public QWidget
{
    Q_OBJECT
public:
    Eselyek(const Session &session, Platform &platform, QWidget *parent = nullptr);
    ~Eselyek() override;

    // Reads the history again: after every entry, undo and Start.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The tests' page: the carrier, the estimates and the tests.
    void showBias();
    // Adds the spins entered since the last look; counts again from the first
    // spin when the history changed otherwise (undo, Start).
    void follow();

    const Session &m_session;
    SpinTally m_tally;
    std::vector<std::int16_t> m_seen; // the history the tally holds
    // What stays from one spin to the next: the chances of absences, the
    // candidates chosen on the first spins, the widths of the table's texts.
    RunChances m_runChances;
    HoldOutChoice m_choice;
    std::unique_ptr<ColumnFitter> m_fitter;
    BetsModel *m_bets = nullptr;
    QTableView *m_table = nullptr;
    BiasModel *m_bias = nullptr;
    QTabWidget *m_tabs = nullptr;
    QWidget *m_biasPage = nullptr;
    Evidence m_evidence;    // of the whole history, as the verdict shows it
    EvidenceMemo m_evidenceMemo;
    bool m_biasStale = false; // the tests' page shows an earlier history
    QLabel *m_summary = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_carrier = nullptr;
    QLabel *m_numberEstimate = nullptr;
    QLabel *m_arcEstimate = nullptr;
    QLabel *m_tooShort = nullptr;
    FilePanel *m_file = nullptr;
};

} // namespace vintaro
