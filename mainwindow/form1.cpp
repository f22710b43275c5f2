// Form1: layout and start-up.
#include "mainwindow/form1.h"

#include <QAction>
#include <QApplication>
#include <QStyleFactory>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "info/helpbrowser.h"
#include "info/manualpages.h"
#include "widgets/appearance.h"
#include "widgets/companions.h"
#include "widgets/figurelabel.h"
#include "widgets/palette.h"
#include "groups/grouptables.h"
#include "widgets/linesmodel.h"
#include "widgets/listbox.h"
#include "widgets/sscommand.h"
#include "widgets/standoutitem.h"
#include "core/textformat.h"
#include "widgets/twips.h"

namespace vintaro {

namespace {


// Tops of the fourteen statistics rows.
constexpr std::array<int, kRowCount> kRowTops = {1410, 1755, 2100, 2445, 2775, 3120, 3465,
                                                 3810, 4155, 4500, 4845, 5190, 5520, 5880};

unsigned captionColour(int row)
{
    switch (row) {
    case 2: case 3: case 7: case 8: case 9: return 0xC000C0;
    case 12: case 13: return 0xFF00FF;
    default: return kCaptionBlue;
    }
}

QString indexed(const char *name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }

} // namespace

Form1::Form1(const QString &programFolder, std::unique_ptr<Platform> platform, QWidget *parent)
    : Form1(portableFolders(programFolder), std::move(platform), parent)
{
}

Form1::Form1(const Folders &folders, std::unique_ptr<Platform> platform, QWidget *parent)
    : QMainWindow(parent), m_folders(folders),
      m_platform(platform ? std::move(platform) : std::make_unique<DesktopPlatform>()),
      m_groups(std::make_unique<GroupTables>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Vintaro v1.0") + QString(113, QLatin1Char(' ')) + QStringLiteral("Pelmondo/2011"));
    m_redPicture = QPixmap(dataFile(QStringLiteral("piros.bmp")));
    m_markPicture = QPixmap(dataFile(QStringLiteral("XX.BMP")));
    buildWindow();
    for (QLabel *absence : m_absenceRow)
        if (absence)
            fillFaceUnder(absence);
    buildMenu();
    connectControls();
    loadGroupTables();
    checkListFolder();
    installCompanions();
    installEntryKeys();
    installHelpKey();
}

Form1::~Form1() = default;

QString Form1::dataFile(const QString &name) const { return m_folders.data + QLatin1Char('/') + name; }

void Form1::buildWindow()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twips(11850), twips(7110));
    setBackground(client, rgb(kFaceGrey));
    setCentralWidget(client);

    auto label = [client](const char *name, const QString &text, QRect geometry, bool boxed, int textColour = -1,
                          bool greyBackground = true) {
        auto *l = new FigureLabel(text, client);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(geometry);
        if (boxed) {
            l->setFrameShape(QFrame::Box);
            l->setLineWidth(1);
            l->setAlignment(Qt::AlignCenter);
        } else {
            l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        }
        if (textColour >= 0)
            setTextColour(l, rgb(unsigned(textColour)));
        if (!greyBackground)
            setBackground(l, client->palette().color(QPalette::Button));
        return l;
    };
    auto button = [this, client](const char *name, const QString &text, QRect geometry, int colour,
                                 auto &&onClick) {
        auto *b = new QPushButton(text, client);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(geometry);
        if (colour >= 0)
            setButtonColour(b, rgb(unsigned(colour)));
        connect(b, &QAbstractButton::clicked, this, onClick);
        return b;
    };
    auto analysis = [this](GroupKind kind) { return [this, kind] { analyseGroups(kind); }; };

    label("Label2", tr("Pörgetett szám:"), twipsRect(1215, 960, 1350, 255), false, kCaptionBlue);
    m_label3 = label("Label3", QString(), twipsRect(2640, 960, 315, 255), true);
    label("Label4", tr("Össz. pörgetés:"), twipsRect(3045, 960, 1335, 255), false, kCaptionBlue);
    m_label5 = label("Label5", QString(), twipsRect(4455, 960, 810, 255), true, -1, false);
    label("Label19", tr("Terem :"), twipsRect(5340, 960, 675, 255), false, 0xC00000);

    m_text1 = new QLineEdit(client);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(6090, 960, 375, 285));
    m_text1->setAlignment(Qt::AlignLeft);
    m_text1->setTextMargins(0, 0, 0, 0);
    m_text1->installEventFilter(this);

    button("Command16", tr("Rendez I."), twipsRect(7650, 885, 990, 390), -1, [this] { sortByAbsence(); })->setToolTip(tr(" Kihagyás szerint "));
    button("Command17", tr("II."), twipsRect(8745, 885, 405, 390), -1, [this] { sortByNumber(); })->setToolTip(tr(" Szám szerint "));
    label("Label9", tr("Hányszor"), twipsRect(9255, 960, 870, 255), false, kCaptionBlue);
    label("Label10", tr("Kihagy."), twipsRect(10140, 960, 690, 255), false, kCaptionBlue);
    label("Label15", tr("MaxKh"), twipsRect(10845, 960, 750, 255), false, kCaptionBlue);
    label("Label21", tr("D"), twipsRect(405, 1485, 210, 270), false, kCaptionBlue);
    label("Label22", tr("M"), twipsRect(405, 1905, 210, 270), false, kCaptionBlue);
    label("Label23", tr("P"), twipsRect(405, 2340, 210, 270), false, kCaptionBlue);

    button("Command13", tr("Alkalmaz"), twipsRect(6300, 1470, 1035, 375), 0x80FFFF, [this] { applySpin(); })->hide();

    auto list = [client](const char *name, QAbstractItemModel *model, QRect geometry) {
        auto *view = new ListBox(client);
        view->setObjectName(QLatin1String(name));
        view->setGeometry(geometry);
        view->setModel(model);
        return view;
    };
    m_sortModel = new LinesModel(this);
    m_list3 = list("List3", m_sortModel, twipsRect(5790, 4020, 1620, 255));
    m_list3->hide();
    m_historyModel = new ComputedLinesModel(
        [this](int row) {
            const int position = row + 1;
            return text(historyLine(position, m_session.history().at(position)));
        },
        this);
    m_list1 = list("List1", m_historyModel, twipsRect(5790, 4440, 1635, 1230));
    m_reportModel = new LinesModel(this);
    m_list2 = list("List2", m_reportModel, twipsRect(5055, 5715, 2370, 1230));

    label("Label11", tr("Hányszor"), twipsRect(465, 4620, 900, 255), false, kCaptionBlue);
    m_label12 = label("Label12", QString(), twipsRect(1410, 4590, 780, 255), true, -1, false);
    label("Label13", tr("Kimaradás"), twipsRect(2265, 4620, 960, 255), false, kCaptionBlue);
    m_label14 = label("Label14", QString(), twipsRect(3270, 4590, 735, 255), true, -1, false);
    button("Command11", tr("Vizsgál"), twipsRect(4065, 4530, 1545, 375), 0xFFC0FF, [this] { examineSelection(); });
    label("Label17", tr("Maximális kim."), twipsRect(465, 5100, 1350, 255), false, kCaptionBlue);
    m_label18 = label("Label18", QString(), twipsRect(1860, 5100, 735, 255), true, -1, false);
    m_label20 = label("Label20", QString(), twipsRect(2640, 5100, 630, 255), true, -1, false);
    m_label20->setToolTip(tr(" Max. kimarad. ssz. "));
    m_label24 = label("Label24", QStringLiteral("0"), twipsRect(3495, 5100, 435, 255), true, -1, false);
    button("Command12", tr("Kijelölés töröl"), twipsRect(4065, 5055, 1545, 375), 0xFFFFC0, [this] { clearSelection(); })
        ->setToolTip(tr(" Kijelölés törlése "));

    button("Command10", tr("Egyszám"), twipsRect(410, 5550, 1400, 375), 0xC0C0C0, analysis(GroupKind::SingleNumber));
    button("Command3", tr("Utca - street"), twipsRect(1940, 5550, 1400, 375), 0xC0C0C0, analysis(GroupKind::Street));
    button("Command4", tr("Corner"), twipsRect(3470, 5550, 1400, 375), 0xC0C0C0, analysis(GroupKind::Corner));
    button("Command5", tr("Párok"), twipsRect(410, 6060, 1400, 375), 0xC0C0C0, analysis(GroupKind::Pair));
    button("Command6", tr("Nagyátló"), twipsRect(1940, 6060, 1400, 375), -1, analysis(GroupKind::BigDiagonal));
    button("Command7", tr("Kisátló"), twipsRect(3470, 6060, 1400, 375), -1, analysis(GroupKind::SmallDiagonal));
    button("Command14", tr("Hat szám"), twipsRect(410, 6585, 1400, 375), 0xC0C0C0, analysis(GroupKind::SixLine));
    button("Command18", tr("Grafikon"), twipsRect(1940, 6585, 1400, 375), -1, [this] { requestChart(); });
    button("Command15", tr("Mentés"), twipsRect(3470, 6585, 1400, 375), 0x80FF80, [this] { saveRoom(); });
    button("Command1", tr("Undo"), twipsRect(7740, 6585, 1290, 330), 0xFFC0C0, [this] { undoSpin(); });

    connect(SSCommand::create(client, QStringLiteral("Command3D2"), tr("Vége"), twipsRect(9660, 6585, 1545, 375)),
            &QAbstractButton::clicked, this, &Form1::exitProgram);

    buildStatisticsTable();
    buildGrids();
    buildSelectionControls();
    buildNumberRows();
}

void Form1::buildStatisticsTable()
{
    QWidget *client = centralWidget();
    for (int r = 0; r < kRowCount; ++r) {
        const int top = kRowTops[r];
        auto makeLabel = [&](const char *name, int left, int width, bool boxed) {
            auto *l = new FigureLabel(client);
            l->setObjectName(indexed(name, r));
            l->setGeometry(twipsRect(left, top, width, 255));
            if (boxed) {
                l->setFrameShape(QFrame::Box);
                l->setAlignment(Qt::AlignCenter);
                setBackground(l, client->palette().color(QPalette::Button));
            }
            return l;
        };
        m_rowCaptions[r] = makeLabel("Label6", 7980, 1260, false);
        m_rowCaptions[r]->setText(betText(rowCaption(r)));
        setTextColour(m_rowCaptions[r], rgb(captionColour(r)));
        m_hits[r] = makeLabel("Label7", 9330, 570, true);
        m_current[r] = makeLabel("Label8", 10170, 465, true);
        m_longest[r] = makeLabel("Label16", 10875, 480, true);

        auto *option = new QRadioButton(client);
        option->setObjectName(indexed("Option1", r));
        option->setGeometry(twipsRect(7635, top, 220, 255));
        m_options[r] = option;
    }
    auto *all = new QRadioButton(tr(" A bejelölt szám(ok) gyakorisági grafikonja "), client);
    all->setObjectName(indexed("Option1", 14));
    all->setGeometry(twipsRect(7635, 6240, 3960, 195));
    setTextColour(all, rgb(kCaptionBlue));
    all->setChecked(true);
    m_options[14] = all;
}

void Form1::buildGrids()
{
    QWidget *client = centralWidget();
    // Element 0 of each grid is the design element; 1..36 are copies placed
    // column by column, bottom row "P" (n mod 3 = 1) lowest.
    constexpr int L = 750, T = 1830, W = 510, H = 405, Tsel = 3540, Hsel = 405;
    auto makeButton = [client](const char *name, int n, QRect geometry) {
        auto *b = SSCommand::create(client, indexed(name, n), QString::number(n), geometry);
        setTextColour(b, rgb(kBlackColour));
        return b;
    };
    m_entryGrid[0] = makeButton("Command3D1", 0, twipsRect(L, T, W, H));
    m_selectionGrid[0] = makeButton("Command3D3", 0, twipsRect(L, Tsel, W, Hsel));
    setButtonColour(m_entryGrid[0], rgb(0x80C080));
    setButtonColour(m_selectionGrid[0], rgb(0x80C080));
    int k = 0;
    for (int c = 1; c <= 12; ++c) {
        const int x = L + W * c;
        for (int j = 1; j <= 3; ++j) {
            ++k;
            m_entryGrid[k] = makeButton("Command3D1", k, twipsRect(x, T + H * (2 - j), W, H));
            m_selectionGrid[k] = makeButton("Command3D3", k, twipsRect(x, Tsel + Hsel * (2 - j), W, Hsel));
            if (isRed(k))
                m_entryGrid[k]->setPicture(m_redPicture);
        }
    }
}

void Form1::buildSelectionControls()
{
    QWidget *client = centralWidget();
    for (int i = 0; i < 12; ++i) {
        auto *b = new QPushButton(client);
        b->setObjectName(indexed("Command8", i));
        b->setGeometry(twipsRect(1425 + 510 * i, 2805, 210, 210));
        m_streetToggles[i] = b;
    }
    constexpr std::array<int, 3> tops = {3165, 3630, 4095};
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(client);
        b->setObjectName(indexed("Command9", i));
        b->setGeometry(twipsRect(420, tops[i], 210, 210));
        m_rowToggles[i] = b;
    }
}

void Form1::buildNumberRows()
{
    QWidget *client = centralWidget();
    for (int i = 1; i <= kHighestNumber; ++i) {
        auto *number = new FigureLabel(QString::number(i), client);
        number->setObjectName(indexed("Label25", i));
        number->setGeometry(twipsRect(80 + 325 * (i - 1), 200, 285, 255));
        number->setFrameShape(QFrame::Box);
        number->setAlignment(Qt::AlignCenter);
        setTextColour(number, rgb(displayColour(i)));
        m_numberRow[i] = number;

        auto *absence = new FigureLabel(client);
        absence->setObjectName(indexed("Label26", i));
        absence->setGeometry(twipsRect(60 + 325 * (i - 1), 555, 320, 255));
        absence->setAlignment(Qt::AlignCenter);
        setTextColour(absence, rgb(kCaptionBlue));
        m_absenceRow[i] = absence;
    }
}

void Form1::buildMenu()
{
    QMenuBar *bar = menuBar();
    auto action = [this](QWidget *owner, const char *name, const QString &text) {
        auto *a = new QAction(text, this);
        a->setObjectName(QLatin1String(name));
        owner->addAction(a);
        return a;
    };
    m_indit = action(bar, "indit", tr("  Start"));
    connect(m_indit, &QAction::triggered, this, &Form1::startList);
    // "  Start" stands out while the room's list waits to be loaded.
    m_indit->setToolTip(tr("A terem mentett listája még nincs betöltve: a Start betölti, és a már beírt "
                           "pörgetéseket utána fűzi."));
    auto *standOut = new StandOutItem(m_indit->text(), QStyleFactory::create(QApplication::style()->name()));
    standOut->setParent(bar);
    bar->setStyle(standOut);

    QMenu *narrow = bar->addMenu(tr("Szűkít"));
    narrow->setObjectName(QStringLiteral("szukites"));
    narrow->menuAction()->setObjectName(QStringLiteral("szukites"));
    connect(action(narrow, "teljes", tr("Teljes")), &QAction::triggered, this, &Form1::restoreFull);
    connect(action(narrow, "ttorles", tr("Teljes törlés")), &QAction::triggered, this, &Form1::deleteFull);
    connect(action(narrow, "utolso", tr("Utolsó ")), &QAction::triggered, this, &Form1::narrowList);

    QMenu *rooms = bar->addMenu(tr("Terem választás"));
    rooms->setObjectName(QStringLiteral("tvalaszt"));
    rooms->menuAction()->setObjectName(QStringLiteral("tvalaszt"));
    for (int room = 1; room <= 10; ++room) {
        const QByteArray name = "terem" + QByteArray::number(room);
        QAction *a = action(rooms, name.constData(), tr("Terem %1.").arg(room));
        connect(a, &QAction::triggered, this, [this, room] { switchRoom(room); });
    }

    connect(action(bar, "interval5x", tr("5-s intervallum")), &QAction::triggered, this, &Form1::openIntervals);
    m_tools = bar->addMenu(tr("Eszközök"));
    m_tools->setObjectName(QStringLiteral("eszkozok"));
    m_tools->menuAction()->setObjectName(QStringLiteral("eszkozok"));
    connect(action(m_tools, "kerek", tr("Kerék")), &QAction::triggered, this,
            [this] { openCompanion(Companion::Wheel); });
    connect(action(m_tools, "eselyek", tr("Esélyek")), &QAction::triggered, this,
            [this] { openCompanion(Companion::Odds); });
    connect(action(m_tools, "rendszerek", tr("Tétrendszerek")), &QAction::triggered, this,
            [this] { openCompanion(Companion::Systems); });
    QAction *ledger = action(m_tools, "naplo", QCoreApplication::translate("Naplo", "Napló"));
    ledger->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ledger->setShortcutContext(Qt::ApplicationShortcut); // from the companions too
    connect(ledger, &QAction::triggered, this, [this] { openCompanion(Companion::Ledger); });
    connect(action(m_tools, "exportcsv", tr("Exportálás CSV-be…")), &QAction::triggered, this, &Form1::exportCsv);
    QAction *manual = action(m_tools, "kezikonyv", HelpBrowser::tr("Kézikönyv"));
    manual->setShortcut(QKeySequence(Qt::Key_F1));
    manual->setShortcutContext(Qt::WidgetShortcut); // F1 itself is caught in every window
    connect(manual, &QAction::triggered, this, [this] { openManual(manualPageOf(objectName())); });
    // The language stays the last of the tools.
    connect(action(m_tools, "nyelv", QStringLiteral("Nyelv / Language")), &QAction::triggered, this, &Form1::chooseLanguage);
    addImportItem();
    action(bar, "jobbra1", QString(117, QLatin1Char(' ')));
    action(bar, "jobbra2", QString(5, QLatin1Char(' ')));
    connect(action(bar, "doku", QStringLiteral("?")), &QAction::triggered, this, &Form1::openInfo);
    // Whatever the menu did, the keys go to spin entry afterwards.
    connect(bar, &QMenuBar::triggered, this, [this] { m_companions->giveKeysBack(); });

    setFixedSize(twips(11850), twips(7110) + bar->sizeHint().height());
}

void Form1::connectControls()
{
    for (int n = 0; n < kNumberCount; ++n) {
        connect(m_entryGrid[n], &QPushButton::clicked, this, [this, n] { enterSpin(n); });
        connect(m_selectionGrid[n], &QPushButton::clicked, this, [this, n] { toggleSelection(n); });
        connect(m_selectionGrid[n], &SSCommand::mouseMoved, this,
                [this, n] { m_selectionGrid[n]->setToolTip(text(signedText(n) + " ")); });
    }
    for (int i = 0; i < 12; ++i)
        connect(m_streetToggles[i], &QPushButton::clicked, this, [this, i] { toggleStreet(i); });
    for (int i = 0; i < 3; ++i)
        connect(m_rowToggles[i], &QPushButton::clicked, this, [this, i] { toggleRow(i); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_text1 && event->type() == QEvent::MouseButtonDblClick) {
        clearRoomBox();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace vintaro
