// The systems' texts in English, installed as the program installs it:
// words, plurals and problems written out by hand, no Hungarian left; and
// Hungarian again, as before, once English is gone.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include <optional>
#include <string>

#include "core/textformat.h"
#include "systems/betchoice.h"
#include "systems/ownsystemfile.h"
#include "systems/owntext.h"
#include "systems/systemstext.h"
#include "translations/language.h"

namespace vintaro {
namespace {

bool hungarianLetters(const std::string &text)
{
    for (const char *letter : {"á", "í", "ó", "ö", "ő", "ú", "ü", "ű", "Á", "É", "Ö", "Ü"})
        if (text.find(letter) != std::string::npos)
            return true;
    // é only where English writes it too, in the French sector names.
    std::string rest = text;
    for (size_t at; (at = rest.find("zéro")) != std::string::npos;)
        rest.erase(at, 5);
    return rest.find("é") != std::string::npos;
}

TEST(SystemsText, SpeakEnglishWithItsPluralsAndHungarianAgainAfterIt)
{
    OwnSystem own;
    own.name = "Dupla";
    own.stakes = {1, 2, 4};
    own.onWin = WinMove::Back;
    own.winSteps = 2;
    own.onLoss = LossMove::Skip;
    own.lossSteps = 1;
    own.afterLast = AfterLast::Stop;
    own.sitOutAfter = 1;
    own.sitOutSpins = 3;
    Backtest cut;
    cut.cutToMaximum = 1;
    cut.cutToLeft = 1250;
    cut.largestAsked = 1234.5;
    const BankrollAnswer none{false, "Ilyen tőke nincs 2^40 egységig.", 0, 0};
    const BankrollAnswer found{true, {}, 2445, 0.0499};
    SessionRules rules;
    rules.unit = 0;
    OwnSystem unknownBet;
    unknownBet.bet = "kek";
    auto texts = [&] {
        const std::vector<FigureLine> lines = backtestLines(cut);
        return std::vector<std::string>{
            shareText(0.486),
            shareText(0.0035),
            moneyText(-1234.5),
            systemCaption(SystemKind::Flat),
            betCaption(*betFromKey("piros")),
            betCaption(selectedNumbersBet({1, 2})),
            endingText(Ending::Ruin),
            lines[7].caption + ": " + lines[7].simulated,
            lines[8].caption + ": " + lines[8].simulated,
            ownDescription(own),
            riskLine(0.05, found),
            reachLine(0.4, none),
            problemText(rulesProblem(rules)),
            problemText(ownProblem(unknownBet)),
            problemText(readOwnSystems("[A]\nstakes=1\n[A]\nstakes=2\n").problem),
            problemText(readOwnSystems("[A]\nside=ways\n").problem),
            problemText("Nem ismert szöveg."),
        };
    };
    // The answer in one sentence: exact figures when known, units of the unit.
    ExactRisk exact;
    exact.available = true;
    exact.ruin = 0.8744;
    exact.meanResult = -36.64;
    Summary simulated;
    simulated.ruin = 0.0014;
    simulated.meanResult = -3;
    Summary ahead;
    ahead.ruin = 1;
    ahead.meanResult = 2;
    auto answers = [&] {
        return std::vector<std::string>{answerLine(simulated, exact, 1), answerLine(simulated, ExactRisk{}, 2),
                                        answerLine(ahead, ExactRisk{}, 1)};
    };
    const std::vector<std::string> hungarianAnswers = answers();
    const std::vector<std::string> hungarian = texts();

    int argc = 1;
    char name[] = "systemstext_test";
    char *argv[] = {name, nullptr};
    std::optional<QCoreApplication> app(std::in_place, argc, argv);
    ASSERT_TRUE(installLanguage(*app, Language::English));
    const std::vector<std::string> english = texts();
    EXPECT_EQ(answers(), (std::vector<std::string>{
                             "With this system about 874 in 1,000 sessions go bust; a session loses 36.6 units on "
                             "average, 1/37 of the amounts staked.",
                             "With this system about 1 in 1,000 sessions goes bust; a session loses 1.5 units on "
                             "average, 1/37 of the amounts staked.",
                             "With this system about 1,000 in 1,000 sessions go bust; a session wins 2.0 units on "
                             "average, though in the long run it loses 1/37 of the amounts staked.",
                         }));
    const std::vector<std::string> expected = {
        "48.6%",
        "0.350%",
        "-1,234.50",
        "Flat bet",
        "Red",
        "Selected numbers",
        "went bust",
        "Stake cut to the table maximum: in 1 spin",
        "Stake cut to the bankroll left: in 1,250 spins",
        "own system “Dupla”: stakes 1, 2, 4 units; after a win 2 steps back, after a loss 1 step forward, after the "
        "last step the session ends; after 1 loss in a row, sits out 3 spins",
        "Smallest bankroll with which the session goes bust with a chance of at most 5.00%: 2,445 (with it the "
        "chance of ruin is 4.99%).",
        "Largest target that the session reaches before going bust with a chance of at least 40.0%: there is none. "
        "There is no such bankroll up to 2^40 units.",
        "The unit must be greater than zero.",
        "Unknown bet: kek.",
        "Two systems have the same name: A.",
        "Unknown key or wrong value: side=ways.",
        "Nem ismert szöveg.", // no problem of the systems: as it is
    };
    ASSERT_EQ(english.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(english[i], expected[i]);
        if (i + 1 < expected.size()) {
            EXPECT_FALSE(hungarianLetters(english[i])) << english[i];
        }
    }
    for (const FigureLine &line : figureLines(Summary{}, ExactRisk{}, true))
        EXPECT_FALSE(hungarianLetters(line.caption + line.simulated + line.exact)) << line.caption;
    for (const FigureLine &line : backtestLines(cut))
        EXPECT_FALSE(hungarianLetters(line.caption + line.simulated)) << line.caption;
    EXPECT_FALSE(hungarianLetters(agreementLine(Summary{}) + fixedLine()));

    // The language goes with the program; the Hungarian texts are as before.
    app.reset();
    setTextLanguage(TextLanguage::Hungarian);
    EXPECT_EQ(texts(), hungarian);
    EXPECT_EQ(answers(), hungarianAnswers);
    EXPECT_EQ(hungarianAnswers, (std::vector<std::string>{
                                    "Ezzel a rendszerrel 1\u202F000 menetből kb. 874 csődbe jut; egy menet átlagosan "
                                    "36,6 egységet veszít, a feltett tétek 1/37-ét.",
                                    "Ezzel a rendszerrel 1\u202F000 menetből kb. 1 csődbe jut; egy menet átlagosan "
                                    "1,5 egységet veszít, a feltett tétek 1/37-ét.",
                                    "Ezzel a rendszerrel 1\u202F000 menetből kb. 1\u202F000 csődbe jut; egy menet "
                                    "átlagosan 2,0 egységet nyer, pedig hosszú távon a feltett tétek 1/37-ét veszíti.",
                                }));
    EXPECT_EQ(hungarian[0], "48,6 %");
    EXPECT_EQ(hungarian[8], "Tét a megmaradt tőkére csökkentve: 1\u202F250 pörgetésben");
    EXPECT_EQ(hungarian[9], "saját rendszer „Dupla”: tétek 1, 2, 4 egység; nyerés után 2 lépéssel vissza, vesztés "
                            "után 1 lépéssel előre, az utolsó lépés után vége a menetnek; 1 vesztés után sorban 3 "
                            "pörgetés kimarad");
    EXPECT_EQ(hungarian[15], "Ismeretlen kulcs vagy hibás érték: side=ways.");
}

} // namespace
} // namespace vintaro
