#include "engine/analysis.h"
#include "engine/cardtext.h"
#include "engine/evaluator.h"

#include <QTest>

#include <algorithm>
#include <random>
#include <set>

using namespace tarvelle;

namespace {

// "Ah" style names (engine/cardtext.h) to deck indices.
int card(const char* name)
{
    const int code = cardCodeFromName(name);
    Q_ASSERT(code != 0);
    return code - 1;
}

std::array<int, 5> hand(const char* a, const char* b, const char* c, const char* d, const char* e)
{
    return {card(a), card(b), card(c), card(d), card(e)};
}

int64_t choose(int n, int k)
{
    int64_t r = 1;
    for (int i = 0; i < k; ++i)
        r = r * (n - i) / (i + 1);
    return r;
}

// Every draw of every hold, valued with the game's own evaluator.
struct BruteHold {
    std::array<int64_t, 12> classes{};
    int64_t draws = 0;
};
std::array<BruteHold, 32> bruteForce(const std::array<int, 5>& dealt, bool joker)
{
    std::vector<int> rest;
    for (int c = 0; c < (joker ? 53 : 52); ++c) {
        if (std::find(dealt.begin(), dealt.end(), c) == dealt.end())
            rest.push_back(c);
    }
    std::array<BruteHold, 32> out;
    Hand h;
    HandFlags flags{};
    for (int mask = 0; mask < 32; ++mask) {
        std::vector<int> open;
        for (int p = 0; p < 5; ++p) {
            h.setCard(p + 1, dealt[p] + 1);
            if (!(mask & (1 << p)))
                open.push_back(p + 1);
        }
        const int k = int(open.size());
        std::vector<int> pick(k);
        for (int i = 0; i < k; ++i)
            pick[i] = i;
        const int n = int(rest.size());
        while (true) {
            for (int i = 0; i < k; ++i)
                h.setCard(open[i], rest[pick[i]] + 1);
            h.clearHeld();
            ++out[mask].classes[EvaluateHand(h, flags, false)];
            ++out[mask].draws;
            int i = k - 1;
            while (i >= 0 && pick[i] == n - k + i)
                --i;
            if (i < 0)
                break;
            ++pick[i];
            for (int j = i + 1; j < k; ++j)
                pick[j] = pick[j - 1] + 1;
        }
    }
    return out;
}

} // namespace

class TestAnalysis : public QObject {
    Q_OBJECT

private slots:
    void quickClassAgreesWithTheGameOnEveryHand();
    void countTablesMatchTheHandCensus();
    void holdValuesMatchEveryDraw_data();
    void holdValuesMatchEveryDraw();
    void bothMethodsAgree();
    void dealtRoyal();
    void payListParsing();
    void dealClassesCoverEveryDeal();
    void nineSixJacksReturn();
    void proposalDependsOnlyOnTiedOrders();
    void advisorValueIgnoresSuitNames();
    void advisorReturnCountsEveryDeal();
    void advisorNeverBeatsOptimalPlay();

private:
    // Class census of all hands of each deck, from the game's evaluator.
    std::array<int64_t, 12> m_census52{}, m_census53{};
};

void TestAnalysis::quickClassAgreesWithTheGameOnEveryHand()
{
    Hand h;
    HandFlags flags{};
    int64_t hands = 0, mismatches = 0;
    QString first;
    int c[5];
    for (c[4] = 4; c[4] < 53; ++c[4])
        for (c[3] = 3; c[3] < c[4]; ++c[3])
            for (c[2] = 2; c[2] < c[3]; ++c[2])
                for (c[1] = 1; c[1] < c[2]; ++c[1])
                    for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                        // Vary the places so the Joker is not always last.
                        const int shift = int(hands % 5);
                        for (int i = 0; i < 5; ++i)
                            h.setCard((i + shift) % 5 + 1, c[i] + 1);
                        h.clearHeld();
                        const int game = EvaluateHand(h, flags, false);
                        ++hands;
                        ++m_census53[game];
                        if (c[4] < 52)
                            ++m_census52[game];
                        if (quickClass(c) != game && mismatches++ == 0)
                            first = QString("cards %1 %2 %3 %4 %5: game %6, quick %7")
                                        .arg(c[0])
                                        .arg(c[1])
                                        .arg(c[2])
                                        .arg(c[3])
                                        .arg(c[4])
                                        .arg(game)
                                        .arg(quickClass(c));
                    }
    QCOMPARE(hands, choose(53, 5));
    QVERIFY2(mismatches == 0, qPrintable(first));

    // The well-known census of a plain deck (a flush here excludes straight flushes).
    const std::array<int64_t, 12> plain = {1302540, 760320, 337920, 123552, 54912, 10200,
                                           5108,    3744,   624,    36,     4,     0};
    QCOMPARE(m_census52, plain);
    QVERIFY(m_census53[ClassFive] == 13); // four of a kind of each rank with the Joker
}

void TestAnalysis::countTablesMatchTheHandCensus()
{
    if (m_census52[0] == 0)
        QSKIP("needs the census of the previous test");
    for (bool joker : {false, true}) {
        const DrawTables& t = DrawTables::forDeck(joker);
        std::array<int64_t, 12> all{};
        t.addCounts(nullptr, 0, 1, all);
        QCOMPARE(all, joker ? m_census53 : m_census52);

        // A card is in 5/n of all hands; a pair of cards in 5*4/(n(n-1)).
        const int n = t.deckSize();
        const int pairs[2] = {card("Ah"), card("Kh")};
        std::array<int64_t, 12> one{}, two{};
        t.addCounts(pairs, 1, 1, one);
        t.addCounts(pairs, 2, 1, two);
        int64_t sumOne = 0, sumTwo = 0;
        for (int c = 0; c < 12; ++c) {
            sumOne += one[c];
            sumTwo += two[c];
        }
        QCOMPARE(sumOne, choose(n - 1, 4));
        QCOMPARE(sumTwo, choose(n - 2, 3));
        QCOMPARE(two[ClassRoyalFlush], joker ? 4 : 1); // with the Joker it may stand for any missing card
    }
}

void TestAnalysis::holdValuesMatchEveryDraw_data()
{
    QTest::addColumn<bool>("joker");
    QTest::addColumn<QString>("cards");

    QTest::newRow("open-ended straight draw") << false << "5h 6d 7c 8s Kh";
    QTest::newRow("low pair, suited faces") << false << "2c 2d 9h Js Qs";
    QTest::newRow("full house") << false << "3s 3h 3d 7c 7h";
    QTest::newRow("Joker first, straight draw") << true << "Jk 5s 6h 7d Kc";
    QTest::newRow("Joker in the middle, royal draw") << true << "Ah Kh Jk Qh 2c";
    QTest::newRow("Joker with two pairs") << true << "4c 9s Jk 4d 9h";
    QTest::newRow("plain hand in the Joker deck") << true << "Th 2d 7s 9c Ks";
}

void TestAnalysis::holdValuesMatchEveryDraw()
{
    QFETCH(bool, joker);
    QFETCH(QString, cards);
    const QStringList w = cards.split(' ');
    std::array<int, 5> dealt;
    for (int i = 0; i < 5; ++i)
        dealt[i] = card(qPrintable(w[i]));

    const PayList pay = {0, 0, 2, 3, 5, 7, 9, 12, 40, 100, 500, 1000};
    const HoldEvaluator ev(joker, pay);
    const HoldValues values = ev.evaluate(dealt);
    const std::array<BruteHold, 32> brute = bruteForce(dealt, joker);
    std::array<std::array<int64_t, 12>, 32> single;
    const HoldValues alone = handHoldValues(dealt, joker, pay, &single);
    for (int mask = 0; mask < 32; ++mask) {
        int64_t paid = 0;
        for (int c = 1; c < 12; ++c)
            paid += pay[c] * brute[mask].classes[c];
        QCOMPARE(values.draws(mask), brute[mask].draws);
        QCOMPARE(values.numerator[mask], paid);
        QCOMPARE(ev.classCounts(dealt, mask), brute[mask].classes);
        QCOMPARE(single[mask], brute[mask].classes);
        QCOMPARE(alone.numerator[mask], paid);
    }
    // The ranking lists every mask once, never a better hold after a worse one.
    const std::array<int, 32> order = values.ranking();
    for (int i = 1; i < 32; ++i)
        QVERIFY(!values.better(order[i], order[i - 1]));
    std::array<int, 32> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int m = 0; m < 32; ++m)
        QCOMPARE(sorted[m], m);
}

void TestAnalysis::bothMethodsAgree()
{
    // The count tables and the per-hand count by drawn ranks share nothing but the
    // class rule; random hands of both decks must get the same values from each.
    std::mt19937 rng(3);
    const PayList pay = {0, 1, 2, 3, 5, 7, 11, 13, 40, 100, 500, 1000}; // low pairs pay too
    for (bool joker : {false, true}) {
        const HoldEvaluator ev(joker, pay);
        std::vector<int> deck(joker ? 53 : 52);
        for (size_t i = 0; i < deck.size(); ++i)
            deck[i] = int(i);
        for (int trial = 0; trial < 400; ++trial) {
            std::shuffle(deck.begin(), deck.end(), rng);
            std::array<int, 5> dealt;
            std::copy(deck.begin(), deck.begin() + 5, dealt.begin());
            const HoldValues a = ev.evaluate(dealt);
            const HoldValues b = handHoldValues(dealt, joker, pay);
            QCOMPARE(a.numerator, b.numerator);
            QCOMPARE(a.drawsByHeld, b.drawsByHeld);
        }
    }
}

void TestAnalysis::dealtRoyal()
{
    const std::array<int, 5> royal = hand("Ah", "Kh", "Qh", "Jh", "Th");
    const HoldValues v = HoldEvaluator(false, gamePayList()).evaluate(royal);
    QCOMPARE(v.best(), 31);
    QCOMPARE(v.value(31), 500.0L);
    // Keeping K Q J T of hearts: 9h makes a straight flush (100), seven other hearts
    // a flush (9), six nines and aces a straight (7), nine Jacks, Queens or Kings a
    // pair that pays (2): 223 over 47 draws.
    QCOMPARE(v.numerator[0b11110], int64_t(223));
    QCOMPARE(v.draws(0b11110), int64_t(47));

    // With the Joker in the deck the discarded Ace is replaced by the Joker as the
    // one royal card; 9h is still the one straight flush, of 48 draws.
    const HoldEvaluator jk(true, gamePayList());
    const HoldValues vj = jk.evaluate(royal);
    QCOMPARE(vj.best(), 31);
    const std::array<int64_t, 12> counts = jk.classCounts(royal, 0b11110);
    QCOMPARE(counts[ClassRoyalFlush], int64_t(1));
    QCOMPARE(counts[ClassStraightFlush], int64_t(1));
    QCOMPARE(vj.draws(0b11110), int64_t(48));
}

void TestAnalysis::payListParsing()
{
    const auto p = parsePayList("0,1,2,3,4,6,9,25,50,800,0");
    QVERIFY(p.has_value());
    QCOMPARE((*p)[0], int64_t(0));
    QCOMPARE((*p)[2], int64_t(1));
    QCOMPARE((*p)[10], int64_t(800));
    QCOMPARE((*p)[11], int64_t(0));
    for (const char* bad :
         {"", "1,2,3", "0,1,2,3,4,6,9,25,50,800", "0,1,2,3,4,6,9,25,50,800,0,1", "0,1,2,3,4,6,9,25,50,800,",
          "0,1,2,3,4,-6,9,25,50,800,0", "0,1,2,3,4,6,9,25,50,8e2,0", "0,1,2,3,4,6,9,25,50,800,2000000",
          "0,,2,3,4,6,9,25,50,800,0"})
        QVERIFY2(!parsePayList(bad).has_value(), bad);
}

void TestAnalysis::dealClassesCoverEveryDeal()
{
    if (m_census52[0] == 0)
        QSKIP("needs the census of the first test");
    for (bool joker : {false, true}) {
        const std::vector<DealClass> deals = dealClasses(joker);
        int64_t total = 0;
        std::array<int64_t, 12> census{};
        for (const DealClass& d : deals) {
            int c[5];
            for (int i = 0; i < 5; ++i)
                c[i] = d.cards[i];
            QVERIFY(std::is_sorted(c, c + 5) && std::adjacent_find(c, c + 5) == c + 5);
            total += d.weight;
            census[quickClass(c)] += d.weight;
        }
        QCOMPARE(total, choose(joker ? 53 : 52, 5));
        QCOMPARE(census, joker ? m_census53 : m_census52);
        if (!joker)
            QCOMPARE(deals.size(), size_t(134459));
    }
}

void TestAnalysis::nineSixJacksReturn()
{
    ReturnOptions o;
    o.pay = {0, 0, 1, 2, 3, 4, 6, 9, 25, 50, 800, 0};
    const GameReturn r = gameReturn(o);
    QCOMPARE(QString::asprintf("%.4Lf", r.rate * 100), QString("99.5439"));
    long double sum = 0, paid = 0;
    for (int c = 0; c < 12; ++c) {
        sum += r.classOdds[c];
        paid += r.classOdds[c] * o.pay[c];
    }
    QVERIFY(std::abs(double(sum - 1)) < 1e-12);
    QVERIFY(std::abs(double(paid - r.rate)) < 1e-12);
    // The royal flush of perfect play at this pay table: about once in 40,400 hands.
    QVERIFY(r.classOdds[ClassRoyalFlush] > 1 / 40500.0L && r.classOdds[ClassRoyalFlush] < 1 / 40300.0L);
}

void TestAnalysis::proposalDependsOnlyOnTiedOrders()
{
    // The reduction to the orders of tied cards must give the same proposals, with
    // the same shares of the 120 orders, as trying every order.
    std::mt19937 rng(7);
    for (int trial = 0; trial < 1500; ++trial) {
        std::array<int, 53> deck;
        for (int i = 0; i < 53; ++i)
            deck[i] = i;
        std::shuffle(deck.begin(), deck.end(), rng);
        std::array<int, 5> cards;
        std::copy(deck.begin(), deck.begin() + 5, cards.begin());
        if (trial % 3 == 0)
            cards[1] = (cards[0] % 13) + 13 * ((cards[0] / 13 + 1) % 4); // force a pair
        if (cards[0] == 52 || cards[1] == 52 || std::set<int>(cards.begin(), cards.end()).size() != 5)
            continue;
        std::sort(cards.begin(), cards.end());
        for (int flags = 0; flags < 4; ++flags) {
            auto a = proposalsOverOrders(cards, flags & 1, flags & 2);
            auto b = proposalsOverOrders(cards, flags & 1, flags & 2, true);
            auto key = [](const WeightedHold& x, const WeightedHold& y) { return x.mask < y.mask; };
            std::sort(a.begin(), a.end(), key);
            std::sort(b.begin(), b.end(), key);
            QCOMPARE(a.size(), b.size());
            for (size_t i = 0; i < a.size(); ++i) {
                QCOMPARE(a[i].mask, b[i].mask);
                QCOMPARE(a[i].orders, b[i].orders);
            }
        }
    }
}

void TestAnalysis::advisorValueIgnoresSuitNames()
{
    // The return counts one deal per suit relabelling; the proposal's value over all
    // orders must not change when the suits are renamed.
    std::mt19937 rng(11);
    const HoldEvaluator ev(true, gamePayList());
    auto advisorValue = [&](std::array<int, 5> cards, bool hh, bool oi) {
        std::sort(cards.begin(), cards.end());
        const HoldValues v = ev.evaluate(cards);
        long double total = 0;
        for (const WeightedHold& w : proposalsOverOrders(cards, hh, oi))
            total += w.orders * v.value(w.mask);
        return total / 120;
    };
    for (int trial = 0; trial < 2000; ++trial) {
        std::array<int, 53> deck;
        for (int i = 0; i < 53; ++i)
            deck[i] = i;
        std::shuffle(deck.begin(), deck.end(), rng);
        std::array<int, 5> cards;
        std::copy(deck.begin(), deck.begin() + 5, cards.begin());
        std::array<int, 4> rename = {0, 1, 2, 3};
        std::shuffle(rename.begin(), rename.end(), rng);
        std::array<int, 5> renamed;
        for (int i = 0; i < 5; ++i)
            renamed[i] = cards[i] == 52 ? 52 : rename[cards[i] / 13] * 13 + cards[i] % 13;
        const bool hh = trial & 1, oi = trial & 2;
        QVERIFY(std::abs(double(advisorValue(cards, hh, oi) - advisorValue(renamed, hh, oi))) < 1e-12);
    }
}

void TestAnalysis::advisorReturnCountsEveryDeal()
{
    // The return from one deal per suit relabelling against every one of the
    // 2,598,960 deals, each valued on its own.
    const HoldEvaluator ev(false, gamePayList());
    long double total = 0;
    std::array<int, 5> c;
    for (c[4] = 4; c[4] < 52; ++c[4])
        for (c[3] = 3; c[3] < c[4]; ++c[3])
            for (c[2] = 2; c[2] < c[3]; ++c[2])
                for (c[1] = 1; c[1] < c[2]; ++c[1])
                    for (c[0] = 0; c[0] < c[1]; ++c[0]) {
                        const HoldValues v = ev.evaluate(c);
                        for (const WeightedHold& w : proposalsOverOrders(c, true, true))
                            total += w.orders * v.value(w.mask);
                    }
    total /= 120.0L * choose(52, 5);

    ReturnOptions o;
    o.strategy = Strategy::Advisor;
    o.holdHighCard = true;
    o.holdOpenInside = true;
    QVERIFY(std::abs(double(gameReturn(o).rate - total)) < 1e-12);
}

void TestAnalysis::advisorNeverBeatsOptimalPlay()
{
    ReturnOptions o;
    o.joker = true;
    const long double optimal = gameReturn(o).rate;
    o.strategy = Strategy::Advisor;
    const GameReturn advised = gameReturn(o);
    QVERIFY(advised.rate < optimal);
    QVERIFY(advised.rate > 0.8L * optimal); // the proposal is a reasonable strategy, not a broken one
}

QTEST_APPLESS_MAIN(TestAnalysis)
#include "tst_analysis.moc"
