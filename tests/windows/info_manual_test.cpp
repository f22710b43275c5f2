// The user manual that "Dokumentáció" opens: an RTF document that word
// processors read, covering every window, menu item, button and message.
#include <QFile>
#include <QString>

#include <cctype>

#include <gtest/gtest.h>

#include "appearance.h"

namespace vintaro::test {
namespace {

QByteArray manualBytes()
{
    QFile file(QStringLiteral(VINTARO_DATA_DIR "/Vintaro.doc"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

// The readable text of an RTF document: \uN characters (their one-byte
// fallback skipped), escaped symbols, no control words, no braces.
QString plainText(const QByteArray &rtf)
{
    QString text;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{' || c == '}' || c == '\r' || c == '\n')
            continue;
        if (c != '\\') {
            text += QLatin1Char(c);
            continue;
        }
        const char next = i + 1 < rtf.size() ? rtf[i + 1] : '\0';
        if (next == '\\' || next == '{' || next == '}') {
            text += QLatin1Char(next);
            ++i;
        } else if (next == '\'') {
            i += 3; // a fallback byte without its \u
        } else if (next == 'u' && i + 2 < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[i + 2])) || rtf[i + 2] == '-')) {
            qsizetype j = i + 2;
            while (j < rtf.size() && (std::isdigit(static_cast<unsigned char>(rtf[j])) || rtf[j] == '-'))
                ++j;
            text += QChar(char16_t(rtf.mid(i + 2, j - i - 2).toInt()));
            i = j - 1;
            if (j + 1 < rtf.size() && rtf[j] == '\\' && rtf[j + 1] == '\'')
                i = j + 3;
        } else {
            // A control word and the blank that ends it.
            qsizetype j = i + 1;
            while (j < rtf.size() && (std::isalnum(static_cast<unsigned char>(rtf[j])) || rtf[j] == '-'))
                ++j;
            if (j < rtf.size() && rtf[j] == ' ')
                ++j;
            if (rtf.mid(i + 1, 3) == "tab" || rtf.mid(i + 1, 3) == "par")
                text += QLatin1Char(' ');
            i = j - 1;
        }
    }
    return text;
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
