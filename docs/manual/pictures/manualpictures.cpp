// The manual's pictures, taken of the program's own windows: the main window
// after a run of spins, then each window it opens. scripts/screenshot.sh
// runs it under a virtual display.
//   vintaro_manual_pictures <program folder> <picture folder> [hu|en]
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <tuple>
#include <random>

#include "mainwindow/form1.h"
#include "translations/language.h"
#include "widgets/appearance.h"
#include "widgets/qttexts.h"

namespace {

QWidget *shownWindow(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool save(QWidget *window, const QString &path)
{
    const bool ok = window && window->grab().save(path);
    std::fprintf(stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vintaro"));
    if (argc < 3) {
        std::fputs("usage: vintaro_manual_pictures <program folder> <picture folder> [hu|en]\n", stderr);
        return 2;
    }
    const QDir program(QString::fromLocal8Bit(argv[1]));
    const QDir out(QString::fromLocal8Bit(argv[2]));
    vintaro::applyAppearance(app);
    if (argc > 3 && QByteArray(argv[3]) == "en")
        vintaro::installLanguage(app, vintaro::Language::English);
    else
        vintaro::installQtHungarian(app);

    // A program folder of its own, with the data files and no spin list.
    QTemporaryDir folder;
    for (const QString &name : program.entryList(QDir::Files))
        if (!name.startsWith(QLatin1String("rszamok")) && name != QLatin1String("terem.txt")
            && name != QLatin1String("vintaro.ini") && name != QLatin1String("vintaro2011"))
            QFile::copy(program.filePath(name), QDir(folder.path()).filePath(name));
    vintaro::Form1 window(folder.path());
    window.show();
    settle(300);

    // 150 spins of a fair wheel, the same every time.
    std::mt19937 wheel(2011);
    for (int i = 0; i < 150; ++i) {
        const int n = int(wheel() % 37);
        window.findChild<QAbstractButton *>(QStringLiteral("Command3D1(%1)").arg(n))->click();
    }
    window.findChild<QAbstractButton *>(QStringLiteral("Command3D3(17)"))->click();
    window.findChild<QAbstractButton *>(QStringLiteral("Command3D3(20)"))->click();
    window.findChild<QAbstractButton *>(QStringLiteral("Command11"))->click();
    settle(300);
    bool ok = save(&window, out.filePath(QStringLiteral("form1.png")));

    const auto trigger = [&window](const char *name) { window.findChild<QAction *>(QLatin1String(name))->trigger(); };
    for (const auto &[action, name, file] :
         {std::tuple{"interval5x", "Interval5", "interval5.png"}, std::tuple{"kerek", "Kerek", "kerek.png"},
          std::tuple{"eselyek", "Eselyek", "eselyek.png"}, std::tuple{"rendszerek", "Rendszerek", "rendszerek.png"},
          std::tuple{"kezikonyv", "Kezikonyv", "kezikonyv.png"}}) {
        trigger(action);
        if (QByteArray(name) == "Kerek") // the wheel beside its panel, as on a wide screen
            shownWindow(name)->resize(shownWindow(name)->sizeHint());
        if (QByteArray(name) == "Rendszerek") // the system played on the spins above
            shownWindow(name)->findChild<QAbstractButton *>(QStringLiteral("Visszateszt"))->click();
        settle(1500);
        ok = save(shownWindow(name), out.filePath(QLatin1String(file))) && ok;
        if (QWidget *w = shownWindow(name))
            w->close();
    }

    // The ledger: a session of stakes on red, settled by the spins that follow.
    trigger("naplo");
    settle(300);
    if (QWidget *ledger = shownWindow("Naplo")) {
        ledger->findChild<QLineEdit *>(QStringLiteral("Hely"))->setText(QStringLiteral("3. asztal"));
        ledger->findChild<QLineEdit *>(QStringLiteral("Hozott"))->setText(QStringLiteral("1000"));
        ledger->findChild<QAbstractButton *>(QStringLiteral("MenetKezdes"))->click();
        for (int i = 0; i < 37; ++i) {
            ledger->findChild<QAbstractButton *>(QStringLiteral("Kulso(1)"))->click();
            const int n = int(wheel() % 37);
            window.findChild<QAbstractButton *>(QStringLiteral("Command3D1(%1)").arg(n))->click();
        }
        ledger->findChild<QAbstractButton *>(QStringLiteral("Kulso(4)"))->click(); // waits for the next spin
        settle(800);
    }
    ok = save(shownWindow("Naplo"), out.filePath(QStringLiteral("naplo.png"))) && ok;
    if (QWidget *w = shownWindow("Naplo"))
        w->close();

    // The import dialog with a list read and previewed.
    const QString list = QDir(folder.path()).filePath(QStringLiteral("pörgetések.txt"));
    if (QFile file(list); file.open(QIODevice::WriteOnly))
        file.write("17\r\n5 0 32\r\n14 (piros)\r\n21\r\n40\r\n9\r\n");
    trigger("elozmeny");
    settle(300);
    if (QWidget *import = shownWindow("Elozmeny")) {
        auto *name = import->findChild<QLineEdit *>(QStringLiteral("elozmenyFajl"));
        name->setText(QDir::toNativeSeparators(list));
        emit name->editingFinished();
        settle(300);
    }
    ok = save(shownWindow("Elozmeny"), out.filePath(QStringLiteral("elozmeny.png"))) && ok;
    if (auto *import = qobject_cast<QDialog *>(shownWindow("Elozmeny")))
        import->reject();

    // The modal windows: taken while they wait.
    const auto modal = [&](const char *name, const QString &file, const std::function<void()> &open) {
        QTimer::singleShot(800, [&, name, file] {
            auto *dialog = qobject_cast<QDialog *>(shownWindow(name));
            ok = save(dialog, file) && ok;
            if (dialog)
                dialog->reject();
        });
        open();
    };
    modal("INFO", out.filePath(QStringLiteral("info.png")), [&] { trigger("doku"); });
    // The chart of red (a chart is drawn only while numbers are selected).
    window.findChild<QRadioButton *>(QStringLiteral("Option1(1)"))->setChecked(true);
    modal("diagramm", out.filePath(QStringLiteral("diagramm.png")),
          [&] { window.findChild<QAbstractButton *>(QStringLiteral("Command18"))->click(); });
    return ok ? 0 : 1;
}
