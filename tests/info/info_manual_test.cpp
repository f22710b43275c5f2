// The user manual that "Dokumentáció" opens: an RTF document that word
// processors read, covering every window, menu item, button and message.
#include <QFile>
#include <QRegularExpression>
#include <QString>

#include <gtest/gtest.h>

#include "widgets/appearance.h"

namespace vintaro::test {
namespace {

QByteArray manualBytes()
{
    QFile file(QStringLiteral(VINTARO_MANUAL_RTF));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The readable text of the document: \uN characters (their fallback, a
// one-byte \'xx or pandoc's one character, dropped), no control words, no braces.
QString plainText(const QByteArray &rtf)
{
    QString text = QString::fromLatin1(rtf);
    static const QRegularExpression unicode(QStringLiteral("\\\\u(\\d+)(?:\\\\'[0-9a-f]{2}|[^\\\\])"));
    for (auto m = unicode.match(text); m.hasMatch(); m = unicode.match(text, m.capturedStart()))
        text.replace(m.capturedStart(), m.capturedLength(), QChar(char16_t(m.captured(1).toInt())));
    static const QRegularExpression control(QStringLiteral("\\\\[a-z]+-?\\d* ?|[{}\r\n]"));
    return text.replace(control, QString());
}

TEST(Manual, IsAnRtfDocumentInPlainAscii)
{
    const QByteArray rtf = manualBytes();
    ASSERT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1250"));
    int depth = 0;
    for (char c : rtf) {
        EXPECT_TRUE(static_cast<unsigned char>(c) < 128) << "raw byte " << int(static_cast<unsigned char>(c));
        if (c == '{')
            ++depth;
        if (c == '}')
            --depth;
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(Manual, CoversEveryWindowMenuItemButtonAndMessage)
{
    const QString text = plainText(manualBytes());
    EXPECT_TRUE(text.contains(u8("Felhasználói kézikönyv")));
    const char *const mentions[] = {
        // menu bar
        "Start", "Szűkít", "Teljes", "Teljes törlés", "Utolsó", "Terem választás", "Terem 1.", "Terem 10.",
        "5-s intervallum", "„?”",
        // main window
        "Pörgetett szám", "Össz. pörgetés", "Terem :", "Rendez I.", "II.", "Hányszor", "Kihagy.", "MaxKh",
        "Kimaradás", "Maximális kim.", "Vizsgál", "Kijelölés töröl", "Egyszám", "Utca - street", "Corner", "Párok",
        "Nagyátló", "Kisátló", "Hat szám", "Grafikon", "Mentés", "Undo", "Vége",
        " A bejelölt szám(ok) gyakorisági grafikonja ",
        // the fourteen rows
        "Fekete", "Piros", "Alacsony", "Magas", "1. harmad", "2. harmad", "3. harmad", "Oszlop P", "Oszlop M",
        "Oszlop D", "Páros", "Páratlan", "Oszlop  P M", "Oszlop  M D",
        // secondary windows
        "Ötös intervallum vizsgálat", "Maximális kimaradás", "Kilép", "INFORMÁCIÓ", "Dokumentáció",
        "Szóköz", "Dupla kattintás",
        // the ledger and the import
        "Napló", "Menet kezdése", "Menet vége", "Utolsó tét vissza", "becsületes sor", "naplo<N>.csv", "--ledger",
        "Előzmény betöltése…", "Windows-1250", "UTF-16", "A terem mentett listája helyére", "--import", "--newest-first",
        // messages
        "Hibás teremszám beállítás !", "Nincs *Terem* megadva !", "A program leáll, majd újraindul !",
        "Biztos, hogy mentés nélkül lép ki ?",
        // files
        "rszamok.txt", "terem.txt", "Vintaro.doc",
    };
    for (const char *mention : mentions)
        EXPECT_TRUE(text.contains(u8(mention))) << mention;
}

} // namespace
} // namespace vintaro::test
