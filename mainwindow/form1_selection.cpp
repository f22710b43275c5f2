// Form1: the selection grid, its toggles, the group analyses, the
// examination and the sorted per-number rows.
#include "mainwindow/form1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include <memory>

#include "widgets/appearance.h"
#include "groups/examination.h"
#include "groups/groupanalysis.h"
#include "persistence/groupfiles.h"
#include "groups/grouptables.h"
#include "widgets/linesmodel.h"
#include "widgets/listbox.h"
#include "groups/numbersort.h"
#include "widgets/sscommand.h"
#include "core/textformat.h"

namespace vintaro {

namespace {


QStringList toLines(const std::vector<std::string> &lines)
{
    QStringList out;
    out.reserve(qsizetype(lines.size()));
    for (const std::string &line : lines)
        out.append(text(line));
    return out;
}

int labelValue(const QLabel *label) { return leadingInt(label->text().toStdString()); }

} // namespace

void Form1::loadGroupTables()
{
    QStringList unreadable;
    for (GroupKind kind : kFileKinds) {
        const std::string_view name = groupFileName(kind);
        const QString fileName = QString::fromLatin1(name.data(), qsizetype(name.size()));
        if (const auto records = readGroupFile(dataFile(fileName)))
            m_groups->fill(kind, *records);
        else
            unreadable << fileName;
    }
    if (unreadable.isEmpty())
        return;
    m_platform->message(this,
                        tr("Hiányzó vagy nem olvasható csoportfájl: %1\n"
                           "Ezeknek a csoportoknak az elemzése üres marad.")
                            .arg(unreadable.join(QStringLiteral(", "))),
                        Platform::Icon::Critical);
}

void Form1::showSelectionButton(int n)
{
    if (!isNumber(n))
        return;
    SSCommand *button = m_selectionGrid[n];
    // A selected button shows the mark picture and no caption (nothing at
    // all when the picture could not be loaded).
    button->setPicture(m_selection.isSelected(n) ? m_markPicture : QPixmap());
    const QString caption = text(m_selection.caption(n));
    if (button->text() != caption)
        button->setText(caption);
}

void Form1::showSelection()
{
    for (int n = 0; n < kNumberCount; ++n)
        showSelectionButton(n);
    setLabelText(m_label24, text(m_selection.countText()));
}

void Form1::toggleSelection(int n)
{
    if (!isNumber(n))
        return;
    m_selection.toggle(n);
    showSelectionButton(n);
    setLabelText(m_label24, text(m_selection.countText()));
}

void Form1::toggleStreet(int i)
{
    if (i < 0 || i > 11)
        return;
    for (int j = 1; j <= 3; ++j)
        toggleSelection(3 * i + j);
}

void Form1::toggleRow(int i)
{
    if (i < 0 || i > 2)
        return;
    for (int k = 1; k <= 12; ++k)
        toggleSelection(3 * k - i);
}

void Form1::clearRoomBox() { m_text1->clear(); }

void Form1::clearSelection()
{
    m_selection.clear();
    showSelection();
    m_reportModel->clear();
    setLabelText(m_label12, QString());
    setLabelText(m_label14, QString());
    setLabelText(m_label18, QString());
}

void Form1::analyseGroups(GroupKind kind)
{
    if (m_historyModel->count() == 0)
        return;
    clearSelection();

    const GroupAnalysis analysis = vintaro::analyseGroups(kind, m_groups->groups(kind), m_session.history());
    const ReportLabel label = [](const char *text) {
        return QCoreApplication::translate("GroupReport", text).toStdString();
    };
    m_reportModel->setLines(toLines(reportLines(analysis, label)));

    // With a full table some group is always absent after a spin; only a
    // short group file can leave none to select.
    if (const GroupResult *leader = analysis.leading()) {
        m_selection.selectGroup(leader->group.members, memberCount(kind));
        showSelection();
        showBetFigures(leader->figures);
    }
    m_list2->scrollToTop();
}

void Form1::showBetFigures(const BetFigures &f)
{
    setLabelText(m_label12, QString::number(f.hits));
    setLabelText(m_label14, QString::number(f.current));
    setLabelText(m_label18, QString::number(f.longest));
    setLabelText(m_label20, QString::number(f.longestPosition));
}

void Form1::examineSelection()
{
    auto examination = examineSelectionMarks(m_selection, m_session.history());
    if (!examination)
        return;
    showBetFigures(examination->figures);
    // A line per spin: made only when the list shows it.
    const int count = int(examination->marks.size());
    m_reportModel->setLines(count, [e = std::make_shared<const ExaminationMarks>(std::move(*examination))](int row) {
        return text(e->line(static_cast<std::size_t>(row)));
    });
    m_list2->scrollToTop();
}

namespace {

// Reads the 36 pairs as the rows show them, orders them by key and writes
// them back; each number keeps its own colour wherever it lands.
QStringList sortRows(SortOrder order, const std::array<QLabel *, 37> &numberRow,
                     const std::array<QLabel *, 37> &absenceRow)
{
    std::vector<NumberAbsence> pairs;
    pairs.reserve(kHighestNumber);
    for (int c = 1; c <= kHighestNumber; ++c)
        pairs.push_back({labelValue(numberRow[c]), labelValue(absenceRow[c])});
    const std::vector<std::string> keys = sortedKeys(order, pairs);
    QStringList items;
    for (size_t j = 0; j < keys.size(); ++j) {
        const NumberAbsence pair = pairOfKey(order, keys[j]);
        QLabel *number = numberRow[j + 1];
        setLabelText(number, QString::number(pair.number));
        setLabelText(absenceRow[j + 1], QString::number(pair.absence));
        setTextColour(number, rgb(displayColour(pair.number)));
        items << text(keys[j]);
    }
    return items;
}

} // namespace

void Form1::sortByAbsence()
{
    if (m_historyModel->count() == 0)
        return;
    m_sortModel->setLines(sortRows(SortOrder::ByAbsence, m_numberRow, m_absenceRow));
}

void Form1::sortByNumber()
{
    if (m_historyModel->count() == 0)
        return;
    m_sortModel->setLines(sortRows(SortOrder::ByNumber, m_numberRow, m_absenceRow));
}

} // namespace vintaro
