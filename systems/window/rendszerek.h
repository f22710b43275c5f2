#pragma once
// The systems window: a betting system played over the recorded spins and
// over many simulated sessions on a fair wheel, with the exact figures beside
// the simulated ones where they can be computed. Follows the history live;
// the simulation runs on a worker thread and can be stopped.
#include <QFutureWatcher>
#include <QWidget>

#include <memory>

#include "systems/bankroll.h"
#include "systems/chosensystem.h"
#include "systems/exact.h"
#include "systems/livebacktest.h"
#include "systems/ownsystem.h"

class QBoxLayout;
class QChartView;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStandardItemModel;
class QTabWidget;
class QTimer;

namespace vintaro {

class Platform;
class Selection;
class Session;

class Rendszerek : public QWidget, public SystemChooser
{
    Q_OBJECT
public:
    // `listFolder` holds the systems file of the player's own systems (none: no own systems).
    Rendszerek(const Session &session, const Selection &selection, Platform &platform, QWidget *parent = nullptr,
               const QString &listFolder = {});
    ~Rendszerek() override;

    // Reads the history again: after every entry, undo and Start.
    void refresh();
    // Visszateszt and Szimulacio.
    void playHistory();
    void startSimulation();
    void cancelSimulation(); // Mégse
    void editOwnSystems();   // Saját rendszer…
    bool running() const { return m_job != nullptr; }
    // The system, bet and rules as the controls stand, for a window that
    // plays along; nothing when they cannot be played.
    std::optional<ChosenSystem> chosenSystem() const override;
    // Stops a running simulation and waits for its workers, which stop
    // within a fraction of a second: closing the window, leaving the
    // program and a restart never wait for a long run.
    void stopSimulation();

protected:
    void closeEvent(QCloseEvent *event) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Job;
    struct Finished
    {
        Simulation simulation;
        ExactRisk exact;
        BankrollAnswer risk, reach;
    };
    QWidget *buildControls();
    QWidget *buildResults();
    // The bet and the rules as the controls stand; nothing (after telling the
    // user why) when they cannot be played.
    bool readControls(Bet &bet, SessionRules &rules);
    // The same without telling: why they cannot be played, or empty.
    QString controlsProblem(Bet &bet, SessionRules &rules) const;
    void showProgress();
    // The own systems from the file into the system box, after the built-in ones.
    void reloadOwnSystems(const QString &select = {});
    // The own system chosen in the system box, with the rules of the
    // controls; nothing for a built-in system.
    std::optional<OwnSystem> chosenOwn(const SessionRules &rules) const;
    void ownSystemChosen(int index);
    void showSimulation();

    const Session &m_session;
    const Selection &m_selection;
    Platform &m_platform;
    bool m_played = false; // a backtest is shown: refresh plays it again

    QBoxLayout *m_top = nullptr;   // controls beside or above the results
    QWidget *m_controls = nullptr;
    QComboBox *m_bet = nullptr;
    QSpinBox *m_number = nullptr;
    QComboBox *m_system = nullptr;
    QDoubleSpinBox *m_unit = nullptr, *m_bankroll = nullptr, *m_tableMin = nullptr, *m_tableMax = nullptr,
                   *m_target = nullptr;
    QSpinBox *m_spins = nullptr, *m_sessions = nullptr;
    QLineEdit *m_seed = nullptr;
    QPushButton *m_play = nullptr, *m_simulate = nullptr, *m_cancel = nullptr;
    QLabel *m_historyCount = nullptr, *m_status = nullptr, *m_answer = nullptr, *m_agreement = nullptr,
           *m_answers = nullptr;
    QPushButton *m_ownEditor = nullptr;
    QDoubleSpinBox *m_risk = nullptr, *m_reach = nullptr;
    QString m_ownFile;
    std::vector<OwnSystem> m_own;
    QProgressBar *m_progress = nullptr;
    QTabWidget *m_tabs = nullptr;
    QChartView *m_bankrollChart = nullptr, *m_histogram = nullptr;
    QStandardItemModel *m_backtestFigures = nullptr, *m_figures = nullptr;
    QTimer *m_timer = nullptr;

    std::shared_ptr<Job> m_job;
    std::unique_ptr<LiveBacktest> m_backtest = std::make_unique<LiveBacktest>();
    QFutureWatcher<Finished> m_watcher;
};

} // namespace vintaro
