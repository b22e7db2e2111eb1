// Model check of the round: seeded random inputs of every kind, at random moments and
// inside every wait, with the books, the bounds, the phase table and the saves checked
// after each one. The restart rule: whenever the table can show something or a kill can
// land (every return to the message loop, so after every input) the file holds exactly the
// money and the statistics in memory. Waits return: no input ever runs inside another.
// Some sessions play a casino game, with its own deck, classes, pays and hand counts and
// without the pot. A failure prints its seed; TARVELLE_ROUND_SEED replays one seed.
#include "tests/engine/roundhost.h"

#include "engine/clock.h"
#include "engine/game.h"
#include "engine/round.h"

#include "storage/gamefiles.h"

#include <QElapsedTimer>
#include <QtTest>

#include <array>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <string>

using namespace tarvelle;

namespace {

constexpr uint64_t kInputsPerRun = 4000000;
// One session in this many plays a casino game, and a casino session restarts sooner: each of
// its deals runs the exact analysis for the hold proposal (up to a millisecond), so they stay
// few, and its restarts many.
constexpr uint64_t kCasinoShare = 12;
constexpr uint64_t kInputsPerCasinoSession = 400;

// The casino games played: catalogue games of each kind of wild card and bonus classes, and
// an edited one where a middle class pays nothing and the royal the most a table may pay.
const std::vector<Game>& casinoGames()
{
    static const std::vector<Game> games = [] {
        std::vector<Game> g;
        for (const char* id : {"jacks-9-6", "double-double-bonus-9-6", "deuces-wild", "joker-poker"})
            g.push_back(*findGame(id));
        g.push_back(*editedGame(*findGame("jacks-9-6"), "1,2,0,4,6,9,25,50,1000000"));
        return g;
    }();
    return games;
}

// A card's deck index read from the hand: 0..51 by suit and rank, 52 the Joker; -1 for a
// code no deck holds.
int deckIndex(const Hand& h, int pos)
{
    const int suit = h.Suit[size_t(pos)], rank = h.Rank[size_t(pos)];
    if (suit == 5 && rank == 2)
        return 52;
    if (suit < 1 || suit > 4 || rank < 2 || rank > 14)
        return -1;
    return (suit - 1) * 13 + rank - 2;
}

// Read straight from Suit and Rank, apart from the engine's own reading.
std::array<int, 5> cardsOnTable(const Hand& h)
{
    std::array<int, 5> cards;
    for (int k = 1; k <= 5; ++k)
        cards[size_t(k - 1)] = deckIndex(h, k);
    return cards;
}

// The counters as a restart reads them back: an independent reading of the 316 bytes.
struct Decoded {
    Counters c;
    bool checkOk = false;
};

uint32_t get32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

Decoded decode(const std::array<uint8_t, 316>& b)
{
    Decoded d;
    const uint8_t* p = b.data();
    for (auto* a : {&d.c.DealtCounts, &d.c.FinalCounts, &d.c.DealtCountsJoker, &d.c.FinalCountsJoker})
        for (size_t k = 1; k <= 12; ++k, p += 4)
            (*a)[k] = get32(p);
    for (auto* a : {&d.c.RbWon, &d.c.RbLost, &d.c.LhWon, &d.c.LhLost})
        for (size_t k = 1; k <= 5; ++k, p += 4)
            (*a)[k] = get32(p);
    d.c.Win = int32_t(get32(p));
    d.c.Credit = int32_t(get32(p + 4));
    d.c.Bet = int32_t(get32(p + 8));
    d.c.Bonus = int32_t(get32(p + 12));
    auto get64 = [](const uint8_t* q) { return int64_t(uint64_t(get32(q)) | uint64_t(get32(q + 4)) << 32); };
    d.c.InsertedTotal = get64(p + 16);
    d.c.CashoutTotal = get64(p + 24);
    d.c.AccountRecord = get64(p + 32);
    d.checkOk =
        get32(p + 40) == (uint32_t(d.c.Win) ^ uint32_t(d.c.Credit) ^ uint32_t(d.c.Bet) ^ uint32_t(d.c.Bonus));
    return d;
}

using Wide = __int128; // the books of 64-bit totals at their ends do not fit in 64 bits

Wide books(const Counters& c)
{
    return Wide(c.Credit) + c.Win + c.Bonus + c.CashoutTotal - c.InsertedTotal;
}

// What a player walks away with after a restart: the file's money, the pending win paid.
Wide restartWorth(const Counters& c)
{
    return Wide(c.Credit) + c.Win + c.Bonus + c.CashoutTotal - c.InsertedTotal;
}

// Everything an ignored input must leave alone (the press marks aside).
struct Snapshot {
    Counters counters;
    GameCounts casinoCounts;
    Hand hand;
    HandFlags flags;
    Settings settings;
    DoubleUpState dbl;
    uint8_t State, HandActive, FirstClick, AllHeld, Autoplay;
    int8_t Step;
    uint32_t seed;

    static Snapshot of(GameState& gs)
    {
        return {gs.counters,
                gs.casinoCounts,
                gs.hand,
                gs.flags,
                gs.settings,
                gs.dbl,
                gs.State,
                gs.HandActive,
                gs.FirstClick,
                gs.AllHeld,
                gs.Autoplay,
                gs.Step,
                gs.rng.system().seed()};
    }
    bool operator==(const Snapshot& o) const
    {
        return counters == o.counters && casinoCounts == o.casinoCounts && hand.Deck == o.hand.Deck &&
               hand.Suit == o.hand.Suit && hand.Rank == o.hand.Rank && hand.Held == o.hand.Held &&
               flags == o.flags && std::memcmp(&settings, &o.settings, sizeof settings) == 0 &&
               std::memcmp(&dbl, &o.dbl, sizeof dbl) == 0 && State == o.State && HandActive == o.HandActive &&
               FirstClick == o.FirstClick && AllHeld == o.AllHeld && Autoplay == o.Autoplay &&
               Step == o.Step && seed == o.seed;
    }
};

// Phases that are a wait: the round sits in them only with a wake-up asked for.
bool waitPhase(Phase p)
{
    switch (p) {
    case Phase::Transfer:
    case Phase::DealPaying:
    case Phase::DealStarting:
    case Phase::DealSettling:
    case Phase::DrawSettling:
    case Phase::AutoDoubleWait:
    case Phase::GuessSettling:
    case Phase::DoubleOver:
    case Phase::AutoplayStep:
    case Phase::AutoDealPaying:
    case Phase::AutoDealStarting:
        return true;
    default:
        return false;
    }
}

uint32_t dealtTotal(const Counters& c)
{
    return c.DealtCounts[12] + c.DealtCountsJoker[12];
}

uint32_t finalTotal(const Counters& c)
{
    return c.FinalCounts[12] + c.FinalCountsJoker[12];
}

// The effects, recorded just enough to judge them; random inputs land inside the waits.
class Model : public testing::RoundHost {
public:
    explicit Model(uint64_t seed) : m_seed(seed), m_pick(seed) { startSession(true); }

    std::string failure;
    uint64_t inputs = 0;
    uint64_t acted = 0;
    std::array<uint64_t, size_t(Phase::Count)> phasesSeen{};
    std::array<uint64_t, size_t(Phase::Count)> insideWaits{}; // inputs while a wake-up was due
    uint64_t wakeUps = 0;
    size_t deepestWork = 0; // the most steps the round ever had left
    std::array<uint64_t, 7> moneySeen{}; // by MoneyKind
    uint64_t sessions = 0;
    // By casino game: sessions, counted draws, paying draws, double-up guesses.
    struct CasinoSeen {
        uint64_t sessions = 0, draws = 0, paid = 0, guesses = 0;
    };
    std::vector<CasinoSeen> casinoSeen = std::vector<CasinoSeen>(casinoGames().size());

    void run(uint64_t count)
    {
        while (inputs < count && failure.empty()) {
            if (m_round->phase() == Phase::Exiting ||
                m_pick() % (m_game >= 0 ? kInputsPerCasinoSession : 20000) == 0) {
                restart();
                continue;
            }
            step();
            if (failure.empty() && m_pick() % 997 == 0)
                checkWayOut();
        }
    }

    // ---- effects ----
    void save() override
    {
        const auto bytes = countersBytes(m_gs.counters);
        const Decoded d = decode(bytes);
        if (!d.checkOk || countersBytes(d.c) != bytes)
            fail("a save does not read back as the state in memory");
        m_saved = d.c;
        // A casino game's hands go to a file of their own, whose format is not this test's.
        m_savedCasino = m_gs.casinoCounts;
    }
    void startAnimation(bool a) override
    {
        RoundHost::startAnimation(a);
        // A draw whose five cards were all held is not counted among the final hands.
        if (m_gs.State == 2 && !m_gs.AllHeld)
            ++m_countedDraws;
        if (m_gs.State == 2 && m_game >= 0)
            checkCasinoPay();
    }
    void money(MoneyKind kind, Wide amount) override
    {
        RoundHost::money(kind, amount);
        ++moneySeen[size_t(kind)];
        if (kind == MoneyKind::BetTaken) {
            ++m_betsTaken;
            m_doubleDeck = false;
            m_dealt = true;
        }
        if (m_game >= 0 && kind == MoneyKind::HandPaid && m_round->phase() == Phase::DrawSettling)
            checkCasinoPay(false);
        if (m_game >= 0 && (kind == MoneyKind::DoubleWon || kind == MoneyKind::DoubleLost))
            ++casinoSeen[size_t(m_game)].guesses;
    }

private:
    void fail(const std::string& what)
    {
        if (!failure.empty())
            return;
        std::ostringstream o;
        o << what << " (seed " << m_seed << ", input " << inputs << ", phase " << phaseName(m_round->phase())
          << ")";
        failure = o.str();
    }

    void startSession(bool fresh)
    {
        ++sessions;
        m_round.reset();
        Counters kept = m_saved;
        const GameCounts keptCasino = m_savedCasino;
        const int keptGame = m_game;
        m_gs = GameState{};
        if (fresh) {
            m_gs.counters = Counters{};
        } else {
            // The next start reads the file back and pays the pending win.
            m_gs.counters = kept;
            m_gs.counters.Credit = int32_t(
                std::min<int64_t>(int64_t(kept.Credit) + kept.Win, std::numeric_limits<int32_t>::max()));
            m_gs.counters.Win = 0;
        }
        Settings& s = m_gs.settings;
        auto coin = [&] { return uint8_t(m_pick() % 2); };
        s.Joker = coin();
        s.AutoHold = coin();
        s.DoubleGame = m_pick() % 5 != 0;
        s.AutoDouble = coin();
        s.SoundFx = coin();
        s.AutoBet = coin();
        s.SmartHold = coin();
        s.VoiceFx = coin();
        s.RedBlack = coin();
        s.HoldHighCard = coin();
        s.HoldOpenInside = coin();
        s.PayoutControl = coin();
        s.PayoutRate = uint8_t(50 + 10 * (m_pick() % 6));
        // The game: after a restart often the same casino game with the counts its file
        // kept, otherwise now and then a casino game, each in turn, from no counts.
        if (!fresh && keptGame >= 0 && m_pick() % 2 == 0) {
            m_game = keptGame;
            m_gs.casinoCounts = keptCasino;
        } else {
            m_game = m_pick() % kCasinoShare == 0 ? int(m_casinoTurn++ % casinoGames().size()) : -1;
        }
        if (m_game >= 0) {
            m_gs.casino = casinoGames()[size_t(m_game)];
            ++casinoSeen[size_t(m_game)].sessions;
        }
        Counters& c = m_gs.counters;
        if (fresh || m_pick() % 2 == 0) {
            // Now and then money at its extremes, as an edited file may hold it.
            switch (m_pick() % 6) {
            case 0:
                c.Credit = std::numeric_limits<int32_t>::max() - int32_t(m_pick() % 50);
                break;
            case 1:
                c.CashoutTotal = std::numeric_limits<int64_t>::max() - int64_t(m_pick() % 3000);
                break;
            case 2:
                c.InsertedTotal = std::numeric_limits<int64_t>::max() - int64_t(m_pick() % 3000);
                break;
            case 3:
                c.Credit = int32_t(m_pick() % 40);
                c.Bet = int32_t(1 + m_pick() % 9);
                break;
            default:
                c.Credit = int32_t(m_pick() % 100000);
                c.Bet = Round::ClampBet(int(m_pick() % 600));
                break;
            }
        }
        m_gs.rng.seed(uint32_t(m_pick()));
        setText(Label::Message, {});
        setText(Label::Stage, {});
        setText(Label::Multiplier, {});
        animating = autoplayOn = false;
        wakeAt = -1;
        m_round = std::make_unique<Round>(m_gs, *this, clock);
        m_gs.payout.StartTime = clock.localDays();
        m_saved = m_gs.counters;
        m_savedCasino = m_gs.casinoCounts;
        m_atStart = m_gs.counters;
        m_casinoAtStart = m_gs.casinoCounts;
        m_dealt = m_doubleDeck = false;
        m_betsTaken = 0;
        m_dealtAtStart = dealtTotal(m_gs.counters);
        m_finalAtStart = finalTotal(m_gs.counters);
        m_countedDraws = 0;
    }

    void restart()
    {
        // Killed wherever it is, inside a wait too.
        if (restartWorth(m_saved) != books(m_gs.counters))
            fail("a restart from the last save does not give what the play decided");
        startSession(false);
    }

    // A kill now restarts from the file: it must hold every change already decided.
    void checkOnDisk(const char* where)
    {
        if (!(m_saved == m_gs.counters) || !(m_savedCasino == m_gs.casinoCounts))
            fail(std::string("money or statistics not on disk at ") + where);
    }

    // One random input, judged by every rule the model knows.
    void step()
    {
        ++inputs;
        Input in;
        int arg = 0;
        bool key = false;
        const uint32_t r = uint32_t(m_pick() % 1000);
        const bool due = wakeAt >= 0;
        if (due && r < 300) {
            // The wake-up, on time or late (a busy machine), so that waits of several
            // operations fall due together; otherwise the inputs below land inside the wait.
            clock.advance(wakeAt - clock.elapsedMs() + (m_pick() % 4 == 0 ? int64_t(m_pick() % 1500) : 0));
            wakeAt = -1;
            in = Input::WaitOver;
            ++wakeUps;
        } else if (animating && r < 600) {
            in = Input::AnimationTick;
        } else if (autoplayOn && r < 650) {
            in = Input::AutoplayTick;
        } else if (r < 800) {
            // Mostly the keys a player leans on, so hands and double-ups run their course.
            static const Input kCommon[] = {Input::DealRelease, Input::DealRelease, Input::CardClick,
                                            Input::Double,      Input::BetUp,       Input::BetDown};
            in = kCommon[m_pick() % std::size(kCommon)];
            key = true;
            arg = in == Input::CardClick ? 1 + int(m_pick() % 5) : 0;
        } else {
            in = Input(m_pick() % uint32_t(Input::Count));
            if (in == Input::Exit && m_pick() % 50 != 0)
                in = Input::AnimationTick; // the exit ends the session: keep it rare
            key = m_pick() % 4 != 0;
            if (in == Input::Press)
                arg = 1 + int(m_pick() % (ArmCount - 1));
            else if (in == Input::CardClick)
                arg = 1 + int(m_pick() % 5);
            else if (in == Input::Wheel)
                arg = m_pick() % 2 ? 120 : -120;
            else if (in == Input::Announce)
                arg = int(m_pick() % 13);
            else if (in == Input::WaitOver && due && m_pick() % 2)
                clock.advance(int64_t(m_pick() % uint64_t(wakeAt - clock.elapsedMs() + 1))); // early or on time
            if (in == Input::WaitOver && wakeAt >= 0 && clock.elapsedMs() >= wakeAt)
                wakeAt = -1; // the host's timer is what fired
        }
        // Keys arm their button and release it; a mouse release finds the mark as it is.
        static const bool kButton[] = {false, true, true, true, true, false, true, true, true};
        if (key && size_t(in) < std::size(kButton) && kButton[size_t(in)])
            arg = ByKey;
        const Phase before = m_round->phase();
        const bool acts = accepts(before, in);
        const bool stale = in == Input::WaitOver && (!m_round->waiting() || clock.elapsedMs() < m_round->wakeAt());
        const size_t workBefore = m_round->pendingSteps();
        // Only an input that may not change the game needs the picture of it before.
        const bool judged = !acts || in == Input::WaitOver;
        const Snapshot snap = judged ? Snapshot::of(m_gs) : Snapshot{};
        const Wide booksBefore = books(m_gs.counters);
        const GameCounts countsBefore = m_gs.casinoCounts;
        const Wide reportedBefore = reported;
        const size_t trailBefore = m_gs.creditTrail.size();
        const int64_t creditBefore = m_gs.counters.Credit;
        const int32_t bonusBefore = m_gs.counters.Bonus;
        ++phasesSeen[size_t(before)];
        if (m_round->waiting() && in != Input::WaitOver)
            ++insideWaits[size_t(before)];
        const bool didAct = m_round->input(in, arg);
        acted += didAct;
        if (didAct != acts)
            fail("the round and its phase table disagree");
        if (!acts && !(Snapshot::of(m_gs) == snap))
            fail(std::string("an ignored ") + inputName(in) + " changed the game");
        if (stale && (!(Snapshot::of(m_gs) == snap) || m_round->pendingSteps() != workBefore))
            fail("an early or stale wake-up moved the round on");
        if (books(m_gs.counters) - booksBefore != reported - reportedBefore)
            fail(std::string("money appeared or vanished at ") + inputName(in));
        checkState();
        checkTrail(trailBefore, creditBefore, bonusBefore);
        if (m_game >= 0)
            checkCasinoHand();
        checkCasinoCounts(countsBefore);
        checkOnDisk(inputName(in));
        // Work piles up only under inputs that act while older work waits, a few steps each.
        m_actedSinceDrained = m_round->pendingSteps() == 0 ? 0 : m_actedSinceDrained + (didAct && in != Input::WaitOver);
        if (m_round->pendingSteps() > 16 + 8 * m_actedSinceDrained)
            fail("work is left over that no input put there");
        deepestWork = std::max(deepestWork, m_round->pendingSteps());
        if (m_round->deepestInput() > 1)
            fail("an input ran inside another");
        if (waitPhase(m_round->phase()) && !m_round->waiting())
            fail(std::string("the round sits in a waiting phase with no wake-up after ") + inputName(in));
        if (m_round->waiting() != (wakeAt >= 0) || (m_round->waiting() && wakeAt != m_round->wakeAt()))
            fail(std::string("the host was not asked for the wake-up the round waits for, after ") +
                 inputName(in));
    }

    // A drawn hand keeps the money it left (before a bonus pot it fills is paid), its bet and,
    // the session's first, the money before it.
    void checkTrail(size_t trailBefore, int64_t creditBefore, int32_t bonusBefore)
    {
        const Counters& c = m_gs.counters;
        const bool potPaid = c.Bonus < bonusBefore;
        if (m_gs.creditTrail.size() != m_gs.betTrail.size())
            fail("the bets kept and the money trail disagree");
        else if (m_gs.creditTrail.size() == trailBefore + 1 && m_gs.betTrail.back() != c.Bet)
            fail("a drawn hand's bet was kept wrong");
        else if (m_gs.creditTrail.size() == trailBefore + 1 && !potPaid &&
                 m_gs.creditTrail.back() != int64_t(c.Credit) + c.Win)
            fail("a drawn hand's money was kept wrong");
        else if (trailBefore == 0 && m_gs.creditTrail.size() == 1 && m_gs.trailStart != creditBefore + c.Bet)
            fail("the money before the session's first hand was kept wrong");
    }

    void checkState()
    {
        const Counters& c = m_gs.counters;
        const GameState& gs = m_gs;
        if (c.Credit < 0 || c.Win < 0 || c.Bonus < 0)
            fail("money below zero");
        if (c.Bet < 1 || c.Bet > 500)
            fail("a bet outside 1..500");
        // Counted with the money they move: never a bet without its deal, nor the reverse.
        if (m_game >= 0) {
            const GameCounts& g = gs.casinoCounts;
            if (g.dealt[0] - m_casinoAtStart.dealt[0] != m_betsTaken)
                fail("the casino game's dealt hands disagree with the bets taken");
            if (g.final[0] - m_casinoAtStart.final[0] != m_countedDraws)
                fail("the casino game's final hands disagree with the draws");
            // A casino game has no pot and keeps out of the table's statistics.
            if (c.Bonus != m_atStart.Bonus)
                fail("a casino game moved the bonus pot");
            if (c.DealtCounts != m_atStart.DealtCounts || c.FinalCounts != m_atStart.FinalCounts ||
                c.DealtCountsJoker != m_atStart.DealtCountsJoker ||
                c.FinalCountsJoker != m_atStart.FinalCountsJoker)
                fail("a casino game counted hands in the table's statistics");
            return;
        }
        if (dealtTotal(c) - m_dealtAtStart != m_betsTaken)
            fail("the dealt-hand counters disagree with the bets taken");
        if (finalTotal(c) - m_finalAtStart != m_countedDraws)
            fail("the final-hand counters disagree with the draws");
    }

    const Game& game() const { return casinoGames()[size_t(m_game)]; }

    // Five different cards of the game's deck; the double-up's from an ordinary deck.
    bool checkCasinoHand()
    {
        if (m_round->phase() == Phase::DoubleUp)
            m_doubleDeck = true;
        if (!m_dealt)
            return true;
        const bool joker = game().wild == Wild::Joker && !m_doubleDeck;
        uint64_t seen = 0;
        for (int c : cardsOnTable(m_gs.hand)) {
            if (c < 0 || (c == 52 && !joker) || (seen >> c & 1)) {
                fail(m_doubleDeck ? "a double-up card from outside an ordinary deck"
                                  : "a card from outside the casino game's deck");
                return false;
            }
            seen |= uint64_t(1) << c;
        }
        return true;
    }

    // What the input counted: one hand at most of each kind, in the class the game's own
    // classifier gives the cards on the table; nothing at all in the table's game.
    void checkCasinoCounts(const GameCounts& before)
    {
        const GameCounts& now = m_gs.casinoCounts;
        if (now == before)
            return;
        GameCounts want = before;
        if (m_game >= 0 && checkCasinoHand()) {
            const int cls = GameClassifier(game()).classify(cardsOnTable(m_gs.hand).data());
            auto counted = [cls](auto& w, const auto& n) {
                if (n[0] == w[0] + 1) {
                    ++w[0];
                    if (cls > 0)
                        ++w[size_t(cls)];
                }
            };
            counted(want.dealt, now.dealt);
            counted(want.final, now.final);
        }
        if (!(now == want))
            fail("a hand counted other than once, in its class, in the casino game's statistics");
    }

    // The final hand pays its class's pay times the bet: at the draw press, which commits it,
    // and when the end of the draw shows it.
    void checkCasinoPay(bool atPress = true)
    {
        if (!checkCasinoHand())
            return;
        const Game& g = game();
        const int cls = GameClassifier(g).classify(cardsOnTable(m_gs.hand).data());
        const int64_t want = g.pay[size_t(cls)] * m_gs.counters.Bet;
        if (m_gs.counters.Win != want)
            fail("a casino hand paid other than its class's pay times the bet");
        if (!atPress)
            return;
        CasinoSeen& seen = casinoSeen[size_t(m_game)];
        seen.draws += !m_gs.AllHeld;
        seen.paid += want > 0;
    }

    // From here the round can get back to idle, whatever happened: tried on a copy.
    void checkWayOut()
    {
        GameState copy = m_gs;
        testing::RoundHost fx;
        fx.animating = animating;
        fx.clock.advance(clock.elapsedMs());
        fx.wakeAt = wakeAt;
        Round r(*m_round, copy, fx, fx.clock);
        for (int i = 0; i < 400; ++i) {
            const Phase p = r.phase();
            if ((p == Phase::Idle && !copy.Autoplay && !r.waiting()) || p == Phase::Exiting)
                return;
            if (fx.wake(r))
                continue;
            if (p == Phase::ExtraOpen) {
                r.input(Input::CloseExtra);
            } else if (copy.Autoplay && accepts(p, Input::Autoplay)) {
                r.input(Input::Autoplay, ByKey);
            } else if (p == Phase::Dealing || p == Phase::Drawing) {
                r.input(Input::AnimationTick);
            } else {
                r.input(Input::DealRelease, ByKey);
            }
        }
        fail(std::string("no way back to idle from ") + phaseName(m_round->phase()));
    }

    uint64_t m_seed;
    std::mt19937_64 m_pick;
    GameState m_gs;
    std::unique_ptr<Round> m_round;
    Counters m_saved;
    GameCounts m_savedCasino;
    Counters m_atStart;
    GameCounts m_casinoAtStart;
    int m_game = -1; // the casino game played, or -1 for the table's own
    uint64_t m_casinoTurn = 0;
    bool m_dealt = false;      // the hand holds dealt cards
    bool m_doubleDeck = false; // ... those of a double-up
    uint32_t m_betsTaken = 0;
    uint32_t m_dealtAtStart = 0;
    uint32_t m_finalAtStart = 0;
    uint32_t m_countedDraws = 0;
    uint64_t m_actedSinceDrained = 0;
};

} // namespace

class TestRound : public QObject {
    Q_OBJECT
private slots:
    void phaseTableHasAWayOutOfEveryPhase();
    void randomInputs();
};

// Every phase but the exit lets the exit in; the exit itself takes nothing.
void TestRound::phaseTableHasAWayOutOfEveryPhase()
{
    for (int p = 0; p < int(Phase::Count); ++p) {
        int acting = 0;
        for (int i = 0; i < int(Input::Count); ++i)
            acting += accepts(Phase(p), Input(i));
        if (Phase(p) == Phase::Exiting)
            QCOMPARE(acting, 0);
        else
            QVERIFY2(accepts(Phase(p), Input::Exit), phaseName(Phase(p)));
    }
}

void TestRound::randomInputs()
{
    const bool one = qEnvironmentVariableIsSet("TARVELLE_ROUND_SEED");
    const uint64_t seed = one ? qEnvironmentVariable("TARVELLE_ROUND_SEED").toULongLong() : 20261209;
    QElapsedTimer timer;
    timer.start();
    uint64_t total = 0;
    std::vector<Model::CasinoSeen> casino(casinoGames().size());
    // Several seeds, so one long game does not hide the others' starting points.
    for (uint64_t s = seed; s < seed + (one ? 1 : 4); ++s) {
        Model m(s);
        m.run(kInputsPerRun / 4);
        total += m.inputs;
        QVERIFY2(m.failure.empty(), m.failure.c_str());
        for (size_t g = 0; g < casino.size(); ++g) {
            casino[g].sessions += m.casinoSeen[g].sessions;
            casino[g].draws += m.casinoSeen[g].draws;
            casino[g].paid += m.casinoSeen[g].paid;
            casino[g].guesses += m.casinoSeen[g].guesses;
        }
        // The inputs reached every phase and every kind of money movement.
        for (int p = 0; p < int(Phase::Count); ++p)
            QVERIFY2(m.phasesSeen[size_t(p)] > 0 || Phase(p) == Phase::Exiting, phaseName(Phase(p)));
        for (size_t k = 0; k < m.moneySeen.size(); ++k)
            QVERIFY2(m.moneySeen[k] > 0, qPrintable(QString::number(k)));
        // Inputs landed inside every kind of wait: each waiting phase, and the flashes that
        // run at rest (a bet change, a remainder under a deal).
        for (int p = 0; p < int(Phase::Count); ++p)
            if (waitPhase(Phase(p)) || Phase(p) == Phase::Idle || Phase(p) == Phase::Dealing)
                QVERIFY2(m.insideWaits[size_t(p)] > 0, phaseName(Phase(p)));
        if (s == seed && qEnvironmentVariableIsSet("TARVELLE_ROUND_PHASES"))
            for (int p = 0; p < int(Phase::Count); ++p)
                qInfo("%s %llu, %llu inside a wait", phaseName(Phase(p)),
                      static_cast<unsigned long long>(m.phasesSeen[size_t(p)]),
                      static_cast<unsigned long long>(m.insideWaits[size_t(p)]));
        if (s == seed)
            qInfo("seed %llu: %llu inputs, %llu acted, %llu wake-ups, at most %zu steps left, %llu sessions, "
                  "%llu bets, %llu guesses won, %llu lost",
                  static_cast<unsigned long long>(s), static_cast<unsigned long long>(m.inputs),
                  static_cast<unsigned long long>(m.acted), static_cast<unsigned long long>(m.wakeUps), m.deepestWork,
                  static_cast<unsigned long long>(m.sessions),
                  static_cast<unsigned long long>(m.moneySeen[size_t(MoneyKind::BetTaken)]),
                  static_cast<unsigned long long>(m.moneySeen[size_t(MoneyKind::DoubleWon)]),
                  static_cast<unsigned long long>(m.moneySeen[size_t(MoneyKind::DoubleLost)]));
    }
    // Every casino game was played to paying draws, and some of their wins gambled.
    uint64_t casinoGuesses = 0;
    for (size_t g = 0; g < casino.size(); ++g) {
        const Model::CasinoSeen& c = casino[g];
        qInfo("%s: %llu sessions, %llu draws, %llu paid, %llu guesses", casinoGames()[g].id.c_str(),
              static_cast<unsigned long long>(c.sessions), static_cast<unsigned long long>(c.draws),
              static_cast<unsigned long long>(c.paid), static_cast<unsigned long long>(c.guesses));
        QVERIFY2(one || c.paid > 0, casinoGames()[g].id.c_str());
        casinoGuesses += c.guesses;
    }
    QVERIFY(one || casinoGuesses > 0);
    const double secs = double(timer.elapsed()) / 1000.0;
    qInfo("%llu inputs in %.1f s: %.0f inputs/s", static_cast<unsigned long long>(total), secs,
          double(total) / (secs > 0 ? secs : 1));
    QVERIFY(total >= 1000000 || one);
}

QTEST_APPLESS_MAIN(TestRound)
#include "tst_round.moc"
