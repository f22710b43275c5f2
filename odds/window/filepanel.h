#pragma once
// "Fájl elemzése…": the bias test and the bet table of a spin file of any
// length, read on a worker thread while a progress bar runs and Cancel stops
// it. The working history is not touched.
#include <QFutureWatcher>
#include <QWidget>

#include <atomic>
#include <memory>

#include "odds/spinfile.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace vintaro {

class BetsModel;
class BiasModel;
class Platform;

class FilePanel : public QWidget
{
    Q_OBJECT
public:
    explicit FilePanel(Platform &platform, QWidget *parent = nullptr);
    ~FilePanel() override;

    void chooseFile();  // FajlElemzese
    void cancel();      // Megszakit
    bool running() const { return m_watcher.isRunning(); }

signals:
    void finished();

private:
    // What the worker and the window share.
    struct Job
    {
        std::atomic<bool> cancel{false};
        std::atomic<std::uint64_t> done{0};
        std::atomic<std::uint64_t> total{1};
    };

    void start(const QString &path);
    void showProgress();
    void showResult();

    Platform &m_platform;
    QString m_path;
    std::shared_ptr<Job> m_job;
    QFutureWatcher<SpinFileAnalysis> m_watcher;
    QTimer *m_timer = nullptr;
    QPushButton *m_choose = nullptr;
    QPushButton *m_cancel = nullptr;
    QProgressBar *m_progress = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_evidence = nullptr;
    QLabel *m_tooShort = nullptr;
    BiasModel *m_bias = nullptr;
    BetsModel *m_bets = nullptr;
    QTableView *m_betsView = nullptr;
};

} // namespace vintaro
