#include "intervals/interval5.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

#include "widgets/appearance.h"
#include "widgets/palette.h"
#include "intervals/analysis/intervals.h"
#include "widgets/linesmodel.h"
#include "widgets/listbox.h"
#include "core/session.h"
#include "widgets/sscommand.h"
#include "widgets/twips.h"

namespace vintaro {

namespace {

// Lines of List1 below its top line once the window opens: the newest ones.
constexpr int kListRows = 15;

ListBox *makeList(QWidget *parent, const char *name, QAbstractItemModel *model, QRect geometry)
{
    auto *view = new ListBox(parent);
    view->setObjectName(QLatin1String(name));
    view->setGeometry(geometry);
    view->setModel(model);
    return view;
}

// A yellow column heading; the two rows of a pair read top to bottom.
void makeHeading(QWidget *parent, const char *name, const char *text, QRect geometry)
{
    auto *label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(label, rgb(kYellow));
}

void makeFrame(QWidget *parent, const char *name, QRect geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(geometry);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Plain);
    frame->setLineWidth(1);
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->lower();
}

} // namespace

Interval5::Interval5(const Session &session, QWidget *parent)
    : QWidget(parent, Qt::Window), m_session(session)
{
    setObjectName(QStringLiteral("Interval5"));
    setWindowTitle(tr(" Ötös intervallum vizsgálat"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(programFont());
    setFixedSize(twips(4785), twips(5595));
    setBackground(this, rgb(kWindowGrey));
    buildWindow();
    load();
}

void Interval5::buildWindow()
{
    makeFrame(this, "Shape1", twipsRect(153, 165, 1920, 405));
    makeHeading(this, "Label1(0)", " 0000  5 1 1 2 2 3 3", twipsRect(183, 180, 1860, 195));
    makeHeading(this, "Label2(0)", "             0 5 0 5 0 6", twipsRect(183, 360, 1860, 195));

    m_lines = new ComputedLinesModel(
        [this](int row) {
            const std::string line = intervalLine(row + 1, m_snapshot[static_cast<size_t>(row)]);
            return QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()));
        },
        this);
    m_list1 = makeList(this, "List1", m_lines, twipsRect(183, 600, 2145, 3180));
    m_report = new LinesModel(this);
    m_list2 = makeList(this, "List2", m_report, twipsRect(2486, 600, 2145, 3180));

    makeFrame(this, "Shape2", twipsRect(153, 4065, 2130, 405));
    makeHeading(this, "Label1(1)", "   5  1   1   2   2   3   3", twipsRect(168, 4080, 2115, 195));
    makeHeading(this, "Label2(1)", "       0   5   0   5   0   6", twipsRect(168, 4260, 2115, 195));

    m_label3 = new QLabel(this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setGeometry(twipsRect(168, 4560, 2115, 315));
    m_label3->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBackground(m_label3, rgb(kWindowGrey));

    m_reportButton = SSCommand::create(this, QStringLiteral("Command3D3"), tr("Maximális kimaradás"),
                                       twipsRect(2580, 4095, 1860, 375));
    connect(m_reportButton, &QPushButton::clicked, this, &Interval5::showReport);

    auto *exitButton = SSCommand::create(this, QStringLiteral("Command3D1"), tr("Kilép"), twipsRect(1605, 5010, 1575, 375));
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);

    setTabOrder(m_list1, m_list2);
    m_list1->setFocus();
}

void Interval5::load()
{
    const auto spins = m_session.history().spins();
    m_snapshot.assign(spins.begin(), spins.end());
    m_lines->setCount(static_cast<int>(m_snapshot.size()));

    // The newest lines stay in view; a short list stays at its top.
    const int top = m_lines->count() - kListRows;
    if (top > 0)
        m_list1->setTopIndex(top);

    const QFontMetrics metrics(m_label3->font());
    const std::string text = absenceText(currentIntervalAbsences(m_snapshot), [&metrics](std::string_view piece) {
        return metrics.horizontalAdvance(QString::fromLatin1(piece.data(), static_cast<qsizetype>(piece.size())));
    });
    m_label3->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
}

void Interval5::showReport()
{
    if (!m_reportButton->isEnabled())
        return;
    QStringList lines;
    // Only the heading is words; the interval lines are figures.
    for (const std::string &line : intervalReport(longestIntervalAbsences(m_session.history().spins())))
        lines << (lines.isEmpty() ? QCoreApplication::translate("IntervalReport", line.c_str()) : text(line));
    m_report->setLines(std::move(lines));
    m_reportButton->setEnabled(false);
}

} // namespace vintaro
