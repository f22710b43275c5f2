// A seeded random session through the real main window: entries, undo,
// selection toggles, analyses, examination, sorts, saves to random rooms,
// room switches, narrowings, deletes and Start in new runs. After every
// action the window must agree with a model of what the player did: the
// count and the history list, the selected count, every statistics label
// (computed here spin by spin, independently of the program's own pass),
// every file of the program folder, the unsaved flag, and every message
// and question shown. Questions are mostly answered OK, now and then
// Cancel, which must leave everything as it was.
//
// VINTARO_RANDOM_ACTIONS (default 3000) and VINTARO_RANDOM_SEED (default 8)
// choose the session; scripts/soak.sh runs a long one.
#include <QAbstractItemView>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <optional>
#include <random>

#include "core/numbermodel.h"
#include "core/spinhistory.h"
#include "core/textformat.h"
#include "tests/support/windowfixture.h"

namespace vintaro::test {
namespace {

const QString kRestart = QString::fromUtf8("A program leáll, majd újraindul !");
const QString kRestartAfterRestore = QString::fromUtf8("A program leáll, majd újraindúl !");
const QString kBadRoom = QString::fromUtf8("Hibás teremszám beállítás !");

long envNumber(const char *name, long fallback)
{
    const char *value = std::getenv(name);
    return value && *value ? std::strtol(value, nullptr, 10) : fallback;
}

// The statistics after some prefix of the history, as a plain walk over
// the spins computes them; one more spin gives the next prefix.
struct Prefix
{
    struct Row
    {
        int hits = 0, current = 0, longest = 0;
    };
    std::array<Row, kRowCount> rows{};
    std::array<int, kNumberCount> last{}; // position of the latest spin of n
    int count = 0;

    Prefix then(int spin) const
    {
        Prefix next = *this;
        ++next.count;
        if (spin != 0)
            next.last[size_t(spin)] = next.count;
        for (int r = 0; r < kRowCount; ++r) {
            Row &row = next.rows[size_t(r)];
            if (isRowMember(r, spin)) {
                ++row.hits;
                row.current = 0;
            } else {
                row.longest = std::max(row.longest, ++row.current);
            }
        }
        return next;
    }
    int absence(int n) const { return count - last[size_t(n)]; }
};

// Bytes of a spin list as "Mentés" writes it (" 5", "17") or as a narrowing
// writes it ("5", "17").
QByteArray listBytes(const std::vector<int> &spins, bool saveFormat = true)
{
    QByteArray out;
    for (const int spin : spins) {
        if (saveFormat && spin < 10)
            out += ' ';
        out += QByteArray::number(spin) + "\r\n";
    }
    return out;
}

class RandomSessionTest : public WindowTest
{
protected:
    // --- The model of what the player did. ---
    std::vector<Prefix> m_prefixes{Prefix{}}; // m_prefixes[k]: after k spins
    std::vector<int> m_history;
    QString m_countText;            // Label5
    bool m_passRan = false;         // some statistics pass wrote the labels in this run
    bool m_startEnabled = true;     // "  Start" still does something in this run
    bool m_unsaved = false;
    std::map<QString, std::vector<int>> m_tails; // per room, the spins its saved list ends with
    std::map<int, std::vector<int>> m_saved; // rszamok<r>.txt of the rooms that have one
    std::optional<QByteArray> m_working;    // rszamok.txt
    std::optional<QString> m_numberRoom;    // terem.txt
    size_t m_messages = 0, m_questions = 0; // shown by this run's window
    std::map<QString, QString> m_initialTexts; // labels as a new window shows them

    // --- The window's controls, looked up once per run. ---
    std::array<QLabel *, kRowCount> m_hits{}, m_current{}, m_longest{};
    std::array<QLabel *, kNumberCount> m_numbers{}, m_absences{};
    QLabel *m_count = nullptr, *m_selected = nullptr;
    QAbstractItemView *m_list1 = nullptr;
    QLineEdit *m_text1 = nullptr;

    std::mt19937 m_random;
    std::deque<std::string> m_recent; // the last actions, shown when a check fails
    int m_restarts = 0, m_saves = 0, m_starts = 0, m_cancels = 0;
    size_t m_longestHistory = 0;
    double m_historyTotal = 0; // summed over the actions, for the mean

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    void note(std::string action)
    {
        m_recent.push_back(std::move(action));
        if (m_recent.size() > 25)
            m_recent.pop_front();
    }

    void lookUpControls()
    {
        auto label = [this](const QString &name) { return child<QLabel>(name); };
        for (int r = 0; r < kRowCount; ++r) {
            m_hits[size_t(r)] = label(QStringLiteral("Label7(%1)").arg(r));
            m_current[size_t(r)] = label(QStringLiteral("Label8(%1)").arg(r));
            m_longest[size_t(r)] = label(QStringLiteral("Label16(%1)").arg(r));
        }
        for (int n = 1; n <= kHighestNumber; ++n) {
            m_numbers[size_t(n)] = label(QStringLiteral("Label25(%1)").arg(n));
            m_absences[size_t(n)] = label(QStringLiteral("Label26(%1)").arg(n));
        }
        m_count = label(QStringLiteral("Label5"));
        m_selected = label(QStringLiteral("Label24"));
        m_list1 = child<QAbstractItemView>(QStringLiteral("List1"));
        m_text1 = child<QLineEdit>(QStringLiteral("Text1"));
        m_initialTexts.clear();
        for (QLabel *l : window->findChildren<QLabel *>())
            m_initialTexts[l->objectName()] = l->text();
    }

    // A new run of the program over the same folder.
    void newRun()
    {
        recreateWindow();
        lookUpControls();
        m_prefixes.assign(1, Prefix{});
        m_history.clear();
        m_countText.clear();
        m_passRan = false;
        m_startEnabled = true;
        m_unsaved = false;
        m_tails.clear();
        m_messages = m_questions = 0;
    }

    void setHistory(const std::vector<int> &spins)
    {
        m_history = spins;
        m_prefixes.assign(1, Prefix{});
        for (const int spin : spins)
            m_prefixes.push_back(m_prefixes.back().then(spin));
    }

    // --- Actions. ---
    void enterSpin()
    {
        const int n = pick(0, kHighestNumber);
        note("enter " + std::to_string(n));
        click(QStringLiteral("Command3D1(%1)").arg(n));
        m_history.push_back(n);
        m_prefixes.push_back(m_prefixes.back().then(n));
        m_countText = QString::number(m_history.size());
        m_passRan = m_unsaved = true;
    }

    void undo()
    {
        note("undo");
        click(QStringLiteral("Command1"));
        if (m_history.empty())
            return;
        m_history.pop_back();
        m_prefixes.pop_back();
        m_countText = QString::number(m_history.size());
        m_passRan = m_unsaved = true;
    }

    void selectionAction()
    {
        static const char *const analyses[] = {"Command3", "Command14", "Command4", "Command5",
                                               "Command6", "Command7",  "Command10"};
        QString name;
        switch (pick(0, 7)) {
        case 0: case 1: name = QStringLiteral("Command3D3(%1)").arg(pick(0, kHighestNumber)); break;
        case 2: name = QStringLiteral("Command8(%1)").arg(pick(0, 11)); break;
        case 3: name = QStringLiteral("Command9(%1)").arg(pick(0, 2)); break;
        case 4: case 5: name = QLatin1String(analyses[pick(0, 6)]); break;
        case 6: name = QStringLiteral("Command11"); break;
        default: name = QStringLiteral("Command12"); break;
        }
        note("click " + name.toStdString());
        click(name);
    }

    void sort()
    {
        const QString name = pick(0, 1) ? QStringLiteral("Command16") : QStringLiteral("Command17");
        note("click " + name.toStdString());
        click(name);
    }

    // A room box text: mostly a room 1-10 (sometimes between blanks, or the
    // room Start brought), now and then one that is refused.
    QString roomBoxText()
    {
        switch (pick(0, 9)) {
        case 0: return QStringLiteral(" %1 ").arg(pick(1, 10));
        case 1: return QStringList{QString(), QStringLiteral("0"), QStringLiteral("11"), QStringLiteral("x")}[pick(0, 3)];
        case 2: case 3: case 4: case 5: case 6: return m_text1->text();
        default: return QString::number(pick(1, 10));
        }
    }

    // The answer to a question the window is about to ask: mostly OK, now
    // and then Cancel, which must change nothing.
    bool answer()
    {
        const bool ok = pick(0, 4) != 0;
        platform->confirmAnswers.push_back(ok);
        ++m_questions;
        m_cancels += ok ? 0 : 1;
        return ok;
    }

    void save()
    {
        const QString box = roomBoxText();
        setRoomBox(box);
        const int room = leadingInt(box.toStdString());
        if (m_history.empty() || room < 1 || room > 10 || box.trimmed() != QString::number(room)) {
            note("save to '" + box.toStdString() + "'");
            click(QStringLiteral("Command15"));
            if (m_history.empty())
                return; // nothing to save: nothing happens
            ++m_messages; // "Hibás teremszám beállítás !"
            ASSERT_EQ(platform->messages.back().text, kBadRoom);
            return;
        }
        const QString roomText = QString::number(room);
        const auto saved = m_saved.find(room);
        std::vector<int> kept;
        bool keepsFront = false;
        const auto known = m_tails.find(roomText);
        const std::vector<int> tail = known == m_tails.end() ? std::vector<int>() : known->second;
        if (m_startEnabled && known == m_tails.end()) {
            // Spins entered before Start continue the room's saved list.
            if (saved != m_saved.end())
                kept = saved->second;
            keepsFront = true;
        } else if (!tail.empty() && saved != m_saved.end() && saved->second.size() >= tail.size() &&
            std::equal(tail.begin(), tail.end(), saved->second.end() - std::ptrdiff_t(tail.size()))) {
            // The room's saved list ends with what Start loaded (or the last
            // save wrote): its earlier spins stay in front.
            kept.assign(saved->second.begin(), saved->second.end() - std::ptrdiff_t(tail.size()));
            keepsFront = true;
        }
        bool go = true;
        if (!keepsFront && saved != m_saved.end() && !saved->second.empty() &&
            !(saved->second.size() <= m_history.size() &&
              std::equal(saved->second.begin(), saved->second.end(), m_history.begin())))
            go = answer(); // the save would drop saved spins: asked first
        note("save to '" + box.toStdString() + (go ? "'" : "', Cancel"));
        click(QStringLiteral("Command15"));
        if (!go)
            return;
        kept.insert(kept.end(), m_history.begin(), m_history.end());
        m_saved[room] = kept;
        m_numberRoom = roomText;
        m_unsaved = false;
        m_tails[roomText] = m_history;
        ++m_saves;
    }

    void start()
    {
        note("Start");
        trigger(QStringLiteral("indit"));
        if (!m_startEnabled)
            return;
        m_startEnabled = false;
        std::vector<int> spins;
        if (m_working)
            for (const QByteArray &line : m_working->split('\n'))
                if (!line.trimmed().isEmpty())
                    spins.push_back(line.trimmed().toInt());
        ASSERT_EQ(m_text1->text(), m_numberRoom.value_or(QString()));
        // The spins entered before Start follow the loaded ones.
        std::vector<int> all = spins;
        all.insert(all.end(), m_history.begin(), m_history.end());
        m_countText = QLatin1Char(' ') + QString::number(all.size());
        if (!all.empty()) {
            setHistory(all);
            m_passRan = true;
        }
        // The room's saved list ends with the loaded spins and what this run
        // saved to it before Start.
        std::vector<int> &tail = m_tails[m_numberRoom.value_or(QString())];
        std::vector<int> known = spins;
        known.insert(known.end(), tail.begin(), tail.end());
        tail = known;
        ++m_starts;
    }

    // A room operation that ends in a restart: switch, full restore, full
    // delete or narrowing. Then the next run begins.
    void roomOperation()
    {
        const int room = pick(1, 10);
        const auto saved = m_saved.find(room);
        const bool hasSaved = saved != m_saved.end();
        const QString roomText = QString::number(room);
        QString restartText = kRestart;
        const int kind = pick(0, 9);
        if (kind >= 7 && kind <= 8 && (!hasSaved || saved->second.empty()))
            return; // nothing to narrow
        // Leaving unsaved spins asks first; a full delete asks again.
        bool go = !m_unsaved || answer();
        if (go && kind == 9)
            go = answer();
        std::string cancelled = go ? "" : ", Cancel";
        const std::optional<QByteArray> workingBefore = m_working;
        switch (kind) {
        case 0: case 1: case 2: case 3: case 4: case 5:
            note("terem" + std::to_string(room) + cancelled);
            trigger(QStringLiteral("terem%1").arg(room));
            m_working = hasSaved ? listBytes(saved->second) : QByteArray();
            break;
        case 6:
            note("teljes " + std::to_string(room) + cancelled);
            setRoomBox(roomText);
            trigger(QStringLiteral("teljes"));
            m_working = hasSaved ? listBytes(saved->second) : QByteArray();
            restartText = kRestartAfterRestore;
            break;
        case 7: case 8: {
            const int n = pick(1, int(saved->second.size()));
            note("utolso " + std::to_string(room) + " " + std::to_string(n) + cancelled);
            setRoomBox(roomText);
            platform->textAnswers = {QString::number(n)};
            trigger(QStringLiteral("utolso"));
            platform->textAnswers.clear();
            m_working = listBytes(std::vector<int>(saved->second.end() - n, saved->second.end()), false);
            break;
        }
        default:
            note("ttorles " + std::to_string(room) + cancelled);
            setRoomBox(roomText);
            trigger(QStringLiteral("ttorles"));
            if (go)
                m_saved[room].clear();
            m_working = QByteArray();
            break;
        }
        if (!go) {
            // Cancel: no file touched, no restart; the spins stay unsaved.
            m_working = workingBefore;
            ASSERT_TRUE(platform->started.empty());
            ASSERT_EQ(platform->exits, 0);
            checkFiles();
            return;
        }
        m_numberRoom = roomText;
        ASSERT_EQ(platform->questions.size(), m_questions);
        ASSERT_EQ(platform->messages.size(), m_messages + 1);
        ASSERT_EQ(platform->messages.back().text, restartText);
        ASSERT_EQ(platform->started.size(), 1u);
        ASSERT_EQ(platform->exits, 1);
        checkFiles();
        ++m_restarts;
        newRun();
    }

    void act()
    {
        const int roll = pick(0, 99);
        // Entries outweigh undo while the history is short, so it grows to a
        // few hundred spins and stays there.
        const int entries = m_history.size() < 600 ? 50 : 30;
        if (m_startEnabled && pick(0, 9) < 4)
            start(); // a new run mostly begins with "  Start", now and then after some spins
        else if (roll < entries)
            enterSpin();
        else if (roll < 58)
            undo();
        else if (roll < 76)
            selectionAction();
        else if (roll < 82)
            sort();
        else if (roll < 98)
            save();
        else
            roomOperation();
    }

    // --- Invariants. ---
    void checkCountAndList(bool full)
    {
        ASSERT_EQ(m_count->text(), m_countText);
        const auto spins = window->session().history().spins();
        ASSERT_TRUE(std::equal(spins.begin(), spins.end(), m_history.begin(), m_history.end()));
        const QAbstractItemModel *lines = m_list1->model();
        ASSERT_EQ(lines->rowCount(), int(m_history.size()));
        auto lineOk = [&](int row) {
            return lines->index(row, 0).data().toString().toStdString() ==
                   historyLine(row + 1, m_history[size_t(row)]);
        };
        if (full) {
            for (int row = 0; row < lines->rowCount(); ++row)
                ASSERT_TRUE(lineOk(row)) << "line " << row;
        } else if (!m_history.empty()) {
            const int n = int(m_history.size());
            for (const int row : {n - 1, std::max(0, n - 2), pick(0, n - 1)})
                ASSERT_TRUE(lineOk(row)) << "line " << row;
        }
    }

    void checkSelection()
    {
        int flags = 0;
        for (int n = 0; n <= kHighestNumber; ++n)
            flags += window->selection().isSelected(n) ? 1 : 0;
        ASSERT_EQ(m_selected->text().trimmed().toInt(), flags) << m_selected->text().toStdString();
    }

    void checkStatistics()
    {
        if (!m_passRan) {
            for (const auto *group : {&m_hits, &m_current, &m_longest})
                for (QLabel *l : *group)
                    ASSERT_EQ(l->text(), m_initialTexts[l->objectName()]);
            for (int n = 1; n <= kHighestNumber; ++n)
                ASSERT_EQ(m_absences[size_t(n)]->text(), m_initialTexts[m_absences[size_t(n)]->objectName()]);
            return;
        }
        const Prefix &now = m_prefixes.back();
        for (int r = 0; r < kRowCount; ++r) {
            const Prefix::Row &row = now.rows[size_t(r)];
            ASSERT_EQ(m_hits[size_t(r)]->text(), QString::number(row.hits)) << "row " << r;
            ASSERT_EQ(m_current[size_t(r)]->text(), QString::number(row.current)) << "row " << r;
            ASSERT_EQ(m_longest[size_t(r)]->text(), QString::number(row.longest)) << "row " << r;
        }
        // The rows may stand sorted: each number keeps its own absence, and
        // every number 1-36 appears once.
        std::array<bool, kNumberCount> seen{};
        for (int c = 1; c <= kHighestNumber; ++c) {
            const int n = m_numbers[size_t(c)]->text().toInt();
            ASSERT_TRUE(n >= 1 && n <= kHighestNumber && !seen[size_t(n)]) << "element " << c;
            seen[size_t(n)] = true;
            ASSERT_EQ(m_absences[size_t(c)]->text(), QString::number(now.absence(n))) << "number " << n;
        }
    }

    void checkFiles()
    {
        for (int room = 1; room <= 10; ++room) {
            const auto saved = m_saved.find(room);
            ASSERT_EQ(bytes(QStringLiteral("rszamok%1.txt").arg(room)),
                      saved == m_saved.end() ? QByteArray("<missing>") : listBytes(saved->second))
                << "room " << room;
        }
        ASSERT_EQ(bytes(QStringLiteral("rszamok.txt")), m_working.value_or("<missing>"));
        // Every operation ended whole: no journal, no new content left waiting.
        ASSERT_EQ(QDir(folder()).entryList({QStringLiteral(".vintaro-journal"), QStringLiteral(".*.vintaro-new")},
                                           QDir::Files | QDir::Hidden),
                  QStringList());
        ASSERT_EQ(bytes(QStringLiteral("terem.txt")),
                  m_numberRoom ? m_numberRoom->toLatin1() + "\r\n" : QByteArray("<missing>"));
    }

    void checkAll(bool full)
    {
        checkCountAndList(full);
        checkSelection();
        checkStatistics();
        ASSERT_EQ(window->session().unsaved(), m_unsaved);
        ASSERT_EQ(platform->messages.size(), m_messages)
            << (platform->messages.empty() ? std::string() : platform->messages.back().text.toStdString());
        ASSERT_EQ(platform->questions.size(), m_questions);
        ASSERT_TRUE(platform->confirmAnswers.empty()) << "a question the window did not ask";
        if (full)
            checkFiles();
    }
};

TEST_F(RandomSessionTest, EveryActionKeepsTheWindowAndTheFilesInStep)
{
    const long actions = envNumber("VINTARO_RANDOM_ACTIONS", 3000);
    const long seed = envNumber("VINTARO_RANDOM_SEED", 8);
    m_random.seed(std::mt19937::result_type(seed));
    lookUpControls();
    QElapsedTimer timer;
    timer.start();
    long done = 0;
    for (; done < actions; ++done) {
        const size_t savesBefore = size_t(m_saves);
        act();
        // A save changes files; so does nothing else short of a restart,
        // which checks them itself. Every 250 actions everything is read.
        const bool full = size_t(m_saves) != savesBefore || done % 250 == 0 || done + 1 == actions;
        if (!HasFatalFailure())
            checkAll(full);
        if (HasFatalFailure()) {
            std::string recent;
            for (const std::string &a : m_recent)
                recent += "\n  " + a;
            ADD_FAILURE() << "seed " << seed << ", action " << done << "; the last actions:" << recent;
            break;
        }
        m_longestHistory = std::max(m_longestHistory, m_history.size());
        m_historyTotal += double(m_history.size());
    }
    std::printf("random session: seed %ld, %ld actions, %d saves, %d room operations with restart, %d Starts, "
                "%d questions answered Cancel, history mean %.0f, longest %zu spins, %.1f s\n",
                seed, done, m_saves, m_restarts, m_starts, m_cancels, done ? m_historyTotal / double(done) : 0.0,
                m_longestHistory, double(timer.elapsed()) / 1000);
}

} // namespace
} // namespace vintaro::test
