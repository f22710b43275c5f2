#include "odds/window/eselyek.h"

#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/session.h"
#include "odds/bettable.h"
#include "odds/oddstext.h"
#include "odds/window/betsmodel.h"
#include "odds/window/biasmodel.h"
#include "odds/window/filepanel.h"
#include "widgets/tableview.h"
#include "widgets/appearance.h"

namespace vintaro {

namespace {

QLabel *wrappedLabel(QWidget *parent, const char *name, const QString &text = {})
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

Eselyek::Eselyek(const Session &session, Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("Eselyek"));
    setWindowTitle(u8("Esélyek"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *layout = new QVBoxLayout(this);
    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("Lapok"));
    layout->addWidget(tabs, 1);

    auto *betsPage = new QWidget(tabs);
    auto *betsLayout = new QVBoxLayout(betsPage);
    m_summary = wrappedLabel(betsPage, "Osszesites");
    betsLayout->addWidget(m_summary);
    m_bets = new BetsModel(this);
    QTableView *table = makeTableView(betsPage, QStringLiteral("OddsTable"), m_bets, true);
    betsLayout->addWidget(table, 1);
    tabs->addTab(betsPage, u8("Tétek"));

    auto *biasPage = new QWidget(tabs);
    auto *biasLayout = new QVBoxLayout(biasPage);
    biasLayout->addWidget(wrappedLabel(biasPage, "TorzitasMagyarazat",
                                       u8("Csak a torzított kerék változtat az esélyeken. A próbák a "
                                          "szabályos kerékhez mérik az előzményeket; a p-értékeket "
                                          "együtt igazítja a Holm-módszer.")));
    m_bias = new BiasModel(this);
    QTableView *bias = makeTableView(biasPage, QStringLiteral("BiasTable"), m_bias, false);
    bias->setFixedHeight(fittingHeight(bias, 8));
    biasLayout->addWidget(bias);
    m_tooShort = wrappedLabel(biasPage, "TulRovid");
    biasLayout->addWidget(m_tooShort);
    biasLayout->addWidget(wrappedLabel(biasPage, "MintaMeret", text(sampleSizeLine())));
    biasLayout->addStretch(1);
    tabs->addTab(biasPage, u8("Torzításpróba"));

    m_file = new FilePanel(platform, tabs);
    tabs->addTab(m_file, u8("Fájl elemzése"));

    layout->addWidget(wrappedLabel(this, "Oszinte", text(honestyLine())));

    refresh();
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    resize(table->horizontalHeader()->length() + 60, 640);
}

void Eselyek::refresh()
{
    SpinTally tally;
    tally.add(m_session.history().spins());
    const std::int64_t n = tally.total();
    m_summary->setText(u8("%1 pörgetés. Az esély azt mondja meg, milyen gyakran mutatna ilyet egy "
                          "szabályos kerék ennyi pörgetés alatt.")
                           .arg(text(formatInteger(n))));
    m_bets->setLines(betTable(tally));
    BiasReport report = biasTests(tally.counts());
    m_tooShort->setText(n == 0              ? u8("Még nincs pörgetés: nincs mit vizsgálni.")
                        : !report.numberTest ? text(tooShortLine(n))
                                             : QString());
    m_bias->setReport(std::move(report));
}

} // namespace vintaro
