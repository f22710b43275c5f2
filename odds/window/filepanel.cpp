#include "odds/window/filepanel.h"

#include "persistence/readertext.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <climits>

#include "odds/bettable.h"
#include "odds/evidencetext.h"
#include "odds/oddstext.h"
#include "odds/window/betsmodel.h"
#include "odds/window/biasmodel.h"
#include "widgets/tableview.h"
#include "widgets/platform.h"
#include "widgets/appearance.h"
#include "widgets/wrappedlabel.h"

namespace vintaro {

FilePanel::FilePanel(Platform &platform, QWidget *parent) : QWidget(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("FajlPanel"));
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    m_choose = new QPushButton(tr("Fájl elemzése…"), this);
    m_choose->setObjectName(QStringLiteral("FajlElemzese"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("Folyamat"));
    m_progress->setRange(0, 1000);
    m_progress->setVisible(false);
    m_cancel = new QPushButton(tr("Mégse"), this);
    m_cancel->setObjectName(QStringLiteral("Megszakit"));
    m_cancel->setEnabled(false);
    row->addWidget(m_choose);
    row->addWidget(m_progress, 1);
    row->addWidget(m_cancel);
    layout->addLayout(row);

    m_status = wrappedLabel(this, "FajlAllapot",
                            tr("Bármilyen hosszú pörgetésfájl vizsgálható; a mostani előzmények nem "
                               "változnak."));
    layout->addWidget(m_status);
    // The verdict and what it means, as beside the history's; scrolls when short.
    auto *evidenceScroll = new QScrollArea(this);
    evidenceScroll->setObjectName(QStringLiteral("FajlGorgeto"));
    evidenceScroll->setWidgetResizable(true);
    evidenceScroll->setFrameShape(QFrame::NoFrame);
    evidenceScroll->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored); // never makes the window taller
    auto *evidencePage = new QWidget(evidenceScroll);
    auto *evidenceLayout = new QVBoxLayout(evidencePage);
    evidenceLayout->setContentsMargins(0, 0, 0, 0);
    m_evidence = wrappedLabel(evidencePage, "FajlBizonyitek");
    evidenceLayout->addWidget(m_evidence);
    for (const auto &[name, words] : {std::pair{"FajlBizonyitekMagyarazat", evidenceExplanation()},
                                      std::pair{"FajlNemAjanlas", notARecommendationLine()}}) {
        evidenceLayout->addWidget(wrappedLabel(evidencePage, name, text(words)));
    }
    evidenceLayout->addStretch(1);
    evidenceScroll->setWidget(evidencePage);
    layout->addWidget(evidenceScroll, 1);
    m_bias = new BiasModel(this);
    QTableView *bias = makeTableView(this, QStringLiteral("FajlTorzitas"), m_bias, false);
    bias->setFixedHeight(fittingHeight(bias, 8));
    layout->addWidget(bias);
    m_tooShort = wrappedLabel(this, "FajlTulRovid");
    layout->addWidget(m_tooShort);
    m_bets = new BetsModel(this);
    m_betsView = makeTableView(this, QStringLiteral("FajlTetek"), m_bets, true);
    layout->addWidget(m_betsView, 2);

    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &FilePanel::showProgress);
    connect(m_choose, &QPushButton::clicked, this, &FilePanel::chooseFile);
    connect(m_cancel, &QPushButton::clicked, this, &FilePanel::cancel);
    connect(&m_watcher, &QFutureWatcher<SpinFileAnalysis>::finished, this, &FilePanel::showResult);
}

FilePanel::~FilePanel()
{
    // The worker stops at its next block.
    if (m_job)
        m_job->cancel = true;
    m_watcher.waitForFinished();
}

void FilePanel::chooseFile()
{
    if (running())
        return;
    const QString path = m_platform.openFileName(this, tr("Pörgetésfájl elemzése"),
                                                 tr("Szöveg (*.txt);;Minden fájl (*)"));
    if (!path.isEmpty())
        start(path);
}

void FilePanel::start(const QString &path)
{
    m_path = path;
    m_job = std::make_shared<Job>();
    m_choose->setEnabled(false);
    m_cancel->setEnabled(true);
    m_progress->setValue(0);
    m_progress->setVisible(true);
    m_status->setText(tr("Elemzés folyamatban: %1").arg(QDir::toNativeSeparators(path)));
    // The figures of an earlier file go: a cancelled run shows none.
    m_evidence->clear();
    m_tooShort->clear();
    m_bias->setReport({});
    m_bets->setLines({});
    m_timer->start();
    const std::string file = QFile::encodeName(path).toStdString();
    m_watcher.setFuture(QtConcurrent::run([job = m_job, file] {
        // Regular files only: a pipe or a device would never end.
        return analyseSpinFile(file, InputKind::RegularFile, [&job](std::uint64_t done, std::uint64_t total) {
            job->total = total;
            job->done = done;
            return !job->cancel.load();
        });
    }));
}

void FilePanel::cancel()
{
    if (m_job)
        m_job->cancel = true;
    m_cancel->setEnabled(false);
}

void FilePanel::showProgress()
{
    if (!m_job)
        return;
    const double total = double(std::max<std::uint64_t>(1, m_job->total));
    m_progress->setValue(int(1000 * double(m_job->done) / total));
}

void FilePanel::showResult()
{
    m_timer->stop();
    m_progress->setVisible(false);
    m_choose->setEnabled(true);
    m_cancel->setEnabled(false);
    const SpinFileAnalysis analysis = m_watcher.result();
    const QString name = QDir::toNativeSeparators(m_path);
    if (analysis.status == SpinFileAnalysis::Status::Cancelled) {
        m_status->setText(tr("Az elemzés megszakadt: %1").arg(name));
    } else if (analysis.status == SpinFileAnalysis::Status::Unreadable) {
        m_status->setText(tr("A fájl nem elemezhető: %1 (%2).").arg(name, readErrorText(analysis.error)));
    } else {
        const std::int64_t n = analysis.tally.total();
        QString status = tr("%1: %2 pörgetés.", nullptr, int(std::clamp<std::int64_t>(n, 0, INT_MAX)))
                             .arg(name, text(formatInteger(n)));
        if (const std::string format = formatText(analysis.format); !format.empty())
            status += QLatin1Char(' ') + tr("Formátum: %1.").arg(text(format));
        const std::string junk = junkLine(analysis);
        if (!junk.empty())
            status += QLatin1Char(' ') + text(junk);
        m_status->setText(status);
        const Evidence found = evidence(analysis.tally.counts());
        const EdgeEstimates estimates = holdOutEstimates(analysis.tally);
        m_evidence->setText(text(verdictLine(found) + "\n" + carrierLine(found) + "\n" +
                                 estimateLine(estimates.number, true) + "\n" + estimateLine(estimates.arc, false)));
        BiasReport report = biasTests(analysis.tally.counts());
        m_tooShort->setText(!report.numberTest && n > 0 ? text(tooShortLine(n)) : QString());
        m_bias->setReport(std::move(report));
        m_bets->setLines(betTable(analysis.tally));
        m_betsView->resizeColumnsToContents();
    }
    m_job.reset();
    emit finished();
}

} // namespace vintaro
