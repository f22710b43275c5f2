#pragma once
// The main window: entry grid, selection grid, statistics table, per-number
// rows, history and report lists, analysis buttons and the menu bar.
#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>

#include <array>
#include <memory>
#include <optional>

#include "persistence/roomoperations.h"
#include "persistence/roomsave.h"
#include "widgets/platform.h"
#include "groups/groupkind.h"
#include "core/selection.h"
#include "core/session.h"
#include "persistence/locations.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace vintaro {

class Companions;
class ComputedLinesModel;
class ListBox;
class LinesModel;
class SSCommand;
class GroupTables;
struct BetFigures;

class Form1 : public QMainWindow
{
    Q_OBJECT
public:
    // `programFolder` holds the data files; `platform` answers every dialog
    // (the desktop one when none is given).
    explicit Form1(const QString &programFolder, std::unique_ptr<Platform> platform = nullptr,
                   QWidget *parent = nullptr);
    // The data files from `folders.data`, the spin lists in `folders.lists`.
    explicit Form1(const Folders &folders, std::unique_ptr<Platform> platform = nullptr,
                   QWidget *parent = nullptr);
    ~Form1() override;

    const Session &session() const { return m_session; }
    const Selection &selection() const { return m_selection; }
    Selection &selection() { return m_selection; }
    // A data file: "parok.txt" -> <data folder>/parok.txt.
    QString dataFile(const QString &name) const;
    // The folder of the spin lists and terem.txt.
    QString listFolder() const { return m_folders.lists; }

    // Actions, public so that tests and benchmarks can run them directly.
    void enterSpin(int number);   // Command3D1(n) click
    void applySpin();             // Command13 click
    void startList();             // indit
    void undoSpin();              // Command1 "Undo"
    void saveRoom();              // Command15 "Mentés"
    void exitProgram();           // Command3D2 "Vége"
    void toggleSelection(int n);  // Command3D3(n) click
    void toggleStreet(int i);     // Command8(i)
    void toggleRow(int i);        // Command9(i)
    void clearRoomBox();          // Text1 double click
    void clearSelection();        // Command12
    void examineSelection();      // Command11
    void analyseGroups(GroupKind kind); // Command3/4/5/6/7/10/14
    void sortByAbsence();         // Command16
    void sortByNumber();          // Command17
    void requestChart();          // Command18
    void switchRoom(int room);    // terem1..terem10
    void restoreFull();           // teljes
    void deleteFull();            // ttorles
    void narrowList();            // utolso
    void importHistory();         // elozmeny
    void openIntervals();         // interval5x
    void openInfo();              // doku
    enum class Companion { Wheel, Odds, Systems, Ledger };
    void openCompanion(Companion which); // kerek, eselyek, rendszerek, naplo
    void exportCsv();             // exportcsv
    void chooseLanguage();        // nyelv
    // kezikonyv, and F1 in every window: the built-in manual at `page`
    // (info/manualpages.h), the first page when none is given.
    void openManual(const QString &page = {});

signals:
    // After every change of the history: entry, undo, Start.
    void historyChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    void buildMenu();
    void buildGrids();
    void buildStatisticsTable();
    void buildNumberRows();
    void buildSelectionControls();
    void connectControls();
    void loadGroupTables();
    // The program is ending or restarting: background work of the
    // companion windows stops first, so that the lists folder is let go at once.
    void stopCompanionWork();

    // Display steps shared by entry, start and undo. showHistory shows the
    // history as it stands and tells the windows that follow it.
    void showHistory();
    void showSpunNumber();
    void showCount();
    void showFigures();
    void showAbsences();
    void resetNumberRow();
    void syncHistoryList();
    void scrollHistoryList();
    void showSelection();
    void showSelectionButton(int n);

    Folders m_folders;
    std::unique_ptr<Platform> m_platform;
    Session m_session;
    Selection m_selection;
    std::unique_ptr<GroupTables> m_groups;
    bool m_ending = false;      // the program is ending: close without asking
    QPixmap m_redPicture;
    QPixmap m_markPicture;
    QPointer<QWidget> m_intervalWindow;
    QPointer<QWidget> m_oddsWindow;
    QPointer<QWidget> m_systemsWindow; // Rendszerek
    QPointer<QWidget> m_ledgerWindow;  // Naplo

    // Files, Start, save and exit (form1_files.cpp).
    // Per room, the spins its saved list is known to end with.
    QHash<QString, std::vector<std::int16_t>> m_savedTails;
    // At start-up: finishes a room operation that a crash interrupted, and
    // says once when the lists folder cannot be written.
    void checkListFolder();
    // Whether unsaved spins may be left: asks `question` (the exit question
    // when empty) while there are any; true when there are none or the user
    // says OK.
    bool leaveUnsaved(const QString &question = {});
    // The room text of the room box, or nothing (after telling the user)
    // when it would name a file outside the program folder.
    std::optional<QString> safeRoomText();
    // True without a fault; otherwise tells the user which file failed.
    bool filesWritten(const std::optional<FileFault> &fault);
    // "Előzmény betöltése…" in Eszközök, before the language choice (form1_import.cpp).
    void addImportItem();
    // Why a room operation changed no file, with the folder's state.
    QString fileFaultText(const FileFault &fault) const;
    // Shows `message`, starts the program afresh and ends this run. When the
    // new instance cannot start, says so and keeps running with the room box
    // set back to `roomBox`.
    void restart(const QString &message, const QString &roomBox);

    // Selection, groups and sorting (form1_selection.cpp).
    // Hits, current and longest absence and its position of a bet.
    void showBetFigures(const BetFigures &figures);

    QPointer<QWidget> m_wheelWindow; // Kerek
    QPointer<QWidget> m_helpWindow; // Kezikonyv
    // The wheel, odds and later companion windows, and where keys go
    // (form1_windows.cpp).
    std::unique_ptr<Companions> m_companions;
    bool m_shown = false; // shown once: the companions open again
    void installCompanions();

    // Keyboard entry (form1_keys.cpp): digits, Enter, Esc, Backspace, Ctrl+Z.
    void installEntryKeys();
    void installHelpKey();
    bool entryKey(QObject *watched, QEvent *event);
    void pressEntryButton(int number); // as a click on Command3D1(number)
    void dropPendingDigit();
    int m_pendingDigit = -1; // a first digit 1..3 waiting for the second

    // Controls (names as their objectName).
    QLabel *m_label3 = nullptr;  // spun number
    QLabel *m_label5 = nullptr;  // spin count
    QLineEdit *m_text1 = nullptr; // room box
    ListBox *m_list1 = nullptr; // history list
    ListBox *m_list2 = nullptr; // report list
    ListBox *m_list3 = nullptr; // sorted working list, hidden
    ComputedLinesModel *m_historyModel = nullptr;
    LinesModel *m_reportModel = nullptr;
    LinesModel *m_sortModel = nullptr;
    QLabel *m_label12 = nullptr, *m_label14 = nullptr, *m_label18 = nullptr, *m_label20 = nullptr,
           *m_label24 = nullptr;
    std::array<SSCommand *, 37> m_entryGrid{};     // Command3D1
    std::array<SSCommand *, 37> m_selectionGrid{}; // Command3D3
    std::array<QPushButton *, 12> m_streetToggles{}; // Command8
    std::array<QPushButton *, 3> m_rowToggles{};     // Command9
    std::array<QLabel *, 37> m_numberRow{};  // Label25, elements 1..36
    std::array<QLabel *, 37> m_absenceRow{}; // Label26, elements 1..36
    std::array<QLabel *, 14> m_rowCaptions{}; // Label6
    std::array<QLabel *, 14> m_hits{};        // Label7
    std::array<QLabel *, 14> m_current{};     // Label8
    std::array<QLabel *, 14> m_longest{};     // Label16
    std::array<QRadioButton *, 15> m_options{}; // Option1
    QAction *m_indit = nullptr;
    QMenu *m_tools = nullptr; // "Eszközök": the tools beyond the statistics
    // Keyboard entry's application-wide filter; declared last, so it goes
    // first, before any control of the window.
    std::unique_ptr<QObject> m_keyWatcher;
};

} // namespace vintaro
