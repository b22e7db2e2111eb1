// Card names against the card codes: every card round trips, every two-letter text is
// read or refused as the rule says, and nothing longer slips through.
#include "engine/cards.h"
#include "engine/cardtext.h"

#include <QTest>

#include <cctype>
#include <string>

using namespace tarvelle;

class TestCardText : public QObject {
    Q_OBJECT
private slots:
    void everyCardRoundTrips();
    void malformedNamesAreRefused();
};

void TestCardText::everyCardRoundTrips()
{
    for (int code = 1; code <= JokerCode; ++code) {
        const std::string name = cardShortName(code);
        QCOMPARE(int(name.size()), 2);
        QCOMPARE(cardCodeFromName(name), code);
        std::string shouted = name;
        for (char& c : shouted)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        QCOMPARE(cardCodeFromName(shouted), code);
        if (name[0] == 'T')
            QCOMPARE(cardCodeFromName("10" + name.substr(1)), code);
    }
    // Tied to the numbering of engine/cards.h.
    QCOMPARE(cardCodeFromName("2h"), 1);
    QCOMPARE(cardCodeFromName("Ah"), cardCode(1, AceRank));
    QCOMPARE(cardCodeFromName("Kc"), 52);
    QCOMPARE(cardCodeFromName("Jk"), JokerCode);
    QCOMPARE(cardShortName(0), std::string());
    QCOMPARE(cardShortName(JokerCode + 1), std::string());
}

void TestCardText::malformedNamesAreRefused()
{
    const std::string ranks = "23456789TJQKAtjqka";
    const std::string suits = "hdscHDSC";
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            const std::string name{char(a), char(b)};
            const bool joker = (a == 'J' || a == 'j') && (b == 'K' || b == 'k');
            const bool card =
                ranks.find(char(a)) != std::string::npos && suits.find(char(b)) != std::string::npos;
            QVERIFY2((cardCodeFromName(name) != 0) == (joker || card),
                     qPrintable(QString::number(a * 256 + b)));
        }
    }
    for (const char* bad : {"", "A", "h", "10", "1h", "0h", "11h", "100h", "Ahh", "AAh", " Ah", "Ah ", "Jkk",
                            "10Jk", "Jk ", "53", "T0h", "01h"})
        QVERIFY2(cardCodeFromName(bad) == 0, bad);
}

QTEST_MAIN(TestCardText)
#include "tst_cardtext.moc"
