#include "info/info.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QPointer>

#include "widgets/appearance.h"
#include "widgets/palette.h"
#include "widgets/platform.h"
#include "widgets/sscommand.h"
#include "widgets/twips.h"

// The picture lives in this static library; it must be registered by name.
static void registerInfoResources() { Q_INIT_RESOURCE(info); }

namespace vintaro {

namespace {


QLabel *makeText(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

Info::Info(const QString &manualPath, Platform &platform, QWidget *parent, std::function<void()> openBuiltIn)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      m_manualPath(manualPath), m_platform(platform), m_openBuiltIn(std::move(openBuiltIn))
{
    registerInfoResources();
    setObjectName(QStringLiteral("INFO"));
    setWindowTitle(tr("INFORMÁCIÓ"));
    setModal(true);
    setFont(programFont());
    setFixedSize(twips(3960), twips(5295));
    setSizeGripEnabled(false);
    setBackground(this, rgb(kFaceGrey));
    buildWindow();
}

const QString &Info::documentOpener()
{
    static const QString opener = QStringLiteral("xdg-open");
    return opener;
}

void Info::buildWindow()
{
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(twipsRect(105, 360, 1680, 2010));
    image->setAlignment(Qt::AlignCenter);
    image->setPixmap(QPixmap(QStringLiteral(":/info/vintaro.png")));

    makeText(this, "Label1", QStringLiteral("Vintaro v1.0"), twipsRect(1935, 300, 1845, 255));
    makeText(this, "Label2", tr("MIT licenc"), twipsRect(1845, 735, 2070, 255));
    makeText(this, "Label3", tr("Rulettpörgetések nyilvántartása és statisztikája egyzérós kerékhez, tíz terem számára"),
             twipsRect(1905, 1155, 1890, 1200));
    // Where the project lives, set once for the whole build (VINTARO_HOMEPAGE).
    const QString home = QStringLiteral(VINTARO_HOMEPAGE);
    makeText(this, "Label4",
             tr("Szabad szoftver, az MIT licenc szerint szabadon használható, másolható és terjeszthető. "
                "A legfrissebb változat a forráskóddal:\n%1")
                 .arg(home),
             twipsRect(90, 3195, 3810, 1050));
    QLabel *help = makeText(this, "Label5",
                            tr("Kérdés, hibabejelentés és javaslat a projekt hibakövetőjébe írható:\n%1")
                                .arg(home + QStringLiteral("/issues")),
                            twipsRect(75, 4365, 3780, 870));
    setTextColour(help, rgb(kCaptionBlue));

    auto *manual = SSCommand::create(this, QStringLiteral("Command3D1"), tr("Dokumentáció"), twipsRect(270, 2610, 1920, 390));
    connect(manual, &QPushButton::clicked, this, &Info::openManual);

    auto *exitButton = SSCommand::create(this, QStringLiteral("Command3D2"), tr("Kilép"), twipsRect(2445, 2610, 1230, 390));
    connect(exitButton, &QPushButton::clicked, this, &QDialog::reject);
}

void Info::openManual()
{
    // Argument list, no shell: a folder with blanks in its path stays one argument.
    // The answer may come after this window has closed.
    QPointer<Info> self(this);
    Platform &platform = m_platform;
    const QString path = m_manualPath;
    const std::function<void()> openBuiltIn = m_openBuiltIn;
    m_platform.openDocument(documentOpener(), m_manualPath, [self, &platform, path, openBuiltIn] {
        QString text = tr("A kézikönyv (%1) nem nyitható meg: nincs program, amely megnyitná. A "
                          "dokumentumokat az xdg-open nyitja meg (Debian-csomag: xdg-utils), a "
                          "kézikönyvet pedig egy szövegszerkesztő, például a LibreOffice Writer.")
                           .arg(QDir::toNativeSeparators(path));
        if (!openBuiltIn) {
            platform.message(self, text);
            return;
        }
        text += QLatin1Char('\n') + tr("Ugyanez a kézikönyv a programban is olvasható. Megnyitja ?");
        if (platform.confirm(self, text))
            openBuiltIn();
    });
}

} // namespace vintaro
