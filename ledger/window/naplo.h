#pragma once
// The ledger window "Napló": a session started and ended with one click, the
// stakes recorded before a spin by clicking the bets, settled when the spin
// is entered in the main window and taken back with its Undo; the honest
// line and the bankroll of the session beside the expected one. Follows the
// history live; outside its own fields the keys go to spin entry.
#include <QWidget>

#include <memory>
#include <optional>

#include "ledger/ledger.h"
#include "ledger/playalong.h"

class QChartView;
class QLabel;
class QLineEdit;
class QLineSeries;
class QListWidget;
class QPushButton;
class QSpinBox;
class QCategoryAxis;

namespace vintaro {

class LiveBacktest;
class Selection;
class Session;

class Naplo : public QWidget
{
    Q_OBJECT
public:
    // The ledger of the room the working list belongs to, in `listFolder`.
    Naplo(const Session &session, const Selection &selection, const QString &listFolder, QWidget *parent = nullptr);
    ~Naplo() override;

    // Reads the history again: after every entry, undo and Start.
    void refresh();
    void startSession();            // MenetKezdes
    void endSession();              // MenetVege
    void recordBet(const BetKey &bet); // a bet button: the stake of Tet on it
    void takeBackLast();            // Visszavon
    // Elfogad (and Ctrl+Enter): records the stake the system chosen in the
    // systems window asks for on the next spin.
    void acceptProposal();

    const Ledger &ledger() const { return m_ledger; }
    QString room() const { return m_room; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildSession();
    QWidget *buildBets();
    QWidget *buildFigures();
    void showAll();
    void showChart();
    // Javaslat: the chosen system's next stake over the history, or why none.
    void showProposal();
    void record(const BetKey &bet, Money stake);
    void save();
    Money amount(const QLineEdit *field, bool *given = nullptr) const;

    const Session &m_session;
    const Selection &m_selection;
    QString m_path;
    QString m_room;
    Ledger m_ledger;
    bool m_broken = false; // the file is damaged: the ledger is shown, never written
    int m_lastCount = 0;
    int m_lastNumber = -1;

    QLabel *m_state = nullptr;
    QLineEdit *m_place = nullptr;
    QLineEdit *m_in = nullptr;
    QLineEdit *m_out = nullptr;
    QLineEdit *m_notes = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_end = nullptr;
    QSpinBox *m_stake = nullptr;
    QSpinBox *m_number = nullptr;
    QList<QPushButton *> m_betButtons;
    QListWidget *m_waiting = nullptr;
    QLabel *m_proposal = nullptr;
    QPushButton *m_accept = nullptr;
    std::unique_ptr<LiveBacktest> m_playAlong;
    std::optional<PlayAlongBet> m_proposed;
    QLabel *m_bankroll = nullptr;
    QLabel *m_honest = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_roomLine = nullptr;
    QChartView *m_chart = nullptr;
    QLineSeries *m_bankrollSeries = nullptr;
    QLineSeries *m_expectedSeries = nullptr;
    QCategoryAxis *m_x = nullptr;
    QCategoryAxis *m_y = nullptr;
};

} // namespace vintaro
