#include "engine/round.h"

#include "engine/advisor.h"
#include "engine/analysis.h"
#include "engine/deal.h"
#include "engine/doubleup.h"
#include "engine/durations.h"
#include "engine/evaluator.h"
#include "engine/money.h"
#include "engine/payoutcontrol.h"
#include "engine/paytable.h"
#include "engine/textid.h"

#include <algorithm>
#include <limits>

namespace tarvelle {

namespace {

constexpr int kPhases = int(Phase::Count);
constexpr int kInputs = int(Input::Count);

// Rows: phases in enum order. Columns: Press DealRelease BetDown BetUp BetMax Wheel Double
// Autoplay OpenExtra CardClick AnimationTick AutoplayTick Insert Cashout AccountReset
// CloseExtra Exit WaitOver Announce ChooseGame.
// clang-format off
constexpr bool kActs[kPhases][kInputs] = {
    /* Idle             */ {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 1, 1, 1, 1},
    /* Transfer         */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* DealPaying       */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* DealStarting     */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* Dealing          */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* DealSettling     */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* HandShown        */ {1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0},
    /* Drawing          */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* DrawSettling     */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* AutoDoubleWait   */ {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 0},
    /* DoubleUp         */ {1, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* GuessSettling    */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* DoubleOver       */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* AutoplayStep     */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* AutoDealPaying   */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* AutoDealStarting */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0},
    /* ExtraOpen        */ {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 0, 0},
    /* Exiting          */ {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};

// What each phase tells the rest of the program: State, HandActive, DoubleActive.
// -1: the phase leaves them as they were (the Extra screen, the exit).
constexpr int8_t kFlags[kPhases][3] = {
    /* Idle             */ {3, 0, 0},
    /* Transfer         */ {3, 0, 0},
    /* DealPaying       */ {1, 0, 0},
    /* DealStarting     */ {1, 1, 0},
    /* Dealing          */ {1, 1, 0},
    /* DealSettling     */ {1, 1, 0},
    /* HandShown        */ {2, 1, 0},
    /* Drawing          */ {2, 1, 0},
    /* DrawSettling     */ {2, 1, 0},
    /* AutoDoubleWait   */ {3, 0, 0},
    /* DoubleUp         */ {3, 0, 1},
    /* GuessSettling    */ {3, 0, 1},
    /* DoubleOver       */ {3, 0, 0},
    /* AutoplayStep     */ {3, 0, 0},
    /* AutoDealPaying   */ {1, 0, 0},
    /* AutoDealStarting */ {1, 1, 0},
    /* ExtraOpen        */ {-1, -1, -1},
    /* Exiting          */ {-1, -1, -1},
};
// clang-format on

// The voices of classes 2 to 11.
constexpr CueName kVoices[10] = {"jb", "tp", "tok", "st", "flu", "fh", "pok", "sflu", "rf", "fok"};

// The voice of a casino game's class; none for a class that never pays.
std::optional<CueName> classVoice(ClassKey key)
{
    switch (key) {
    case ClassKey::Nothing:
    case ClassKey::LowPair:
        return std::nullopt;
    case ClassKey::JacksOrBetter:
        return CueName("jb");
    case ClassKey::KingsOrBetter:
        return CueName("kob");
    case ClassKey::TwoPairs:
        return CueName("tp");
    case ClassKey::ThreeOfAKind:
        return CueName("tok");
    case ClassKey::Straight:
        return CueName("st");
    case ClassKey::Flush:
        return CueName("flu");
    case ClassKey::FullHouse:
        return CueName("fh");
    case ClassKey::FourOfAKind:
        return CueName("foak");
    case ClassKey::FourFivesToKings:
        return CueName("f5k");
    case ClassKey::FourTwosToFours:
        return CueName("f24");
    case ClassKey::FourAces:
        return CueName("fa");
    case ClassKey::FourTwosToFoursWithKicker:
        return CueName("f24k");
    case ClassKey::FourAcesWithKicker:
        return CueName("fak");
    case ClassKey::StraightFlush:
        return CueName("sflu");
    case ClassKey::RoyalFlush:
        return CueName("rf");
    case ClassKey::WildRoyalFlush:
        return CueName("wrf");
    case ClassKey::FiveOfAKind:
        return CueName("fok");
    case ClassKey::FourDeuces:
        return CueName("fdeu");
    case ClassKey::NaturalRoyalFlush:
        return CueName("nrf");
    }
    return std::nullopt;
}

constexpr int32_t kMoneyMax = std::numeric_limits<int32_t>::max();

// The release that each button input answers: its mark is set by its key and cleared
// when the release is ignored. The Deal/Draw mark stays with the animation it started.
ArmedButton buttonOf(Input in, bool byKey)
{
    switch (in) {
    case Input::DealRelease:
        return byKey ? ArmDeal : ArmCount;
    case Input::BetDown:
        return ArmBetDown;
    case Input::BetUp:
        return ArmBetUp;
    case Input::BetMax:
        return ArmBetmax;
    case Input::Double:
        return ArmDouble;
    case Input::Autoplay:
        return ArmAutop;
    case Input::OpenExtra:
        return ArmExtra;
    default:
        return ArmCount;
    }
}

} // namespace

// The steps an operation leaves for later. Each is performed when it comes to the top;
// one that has more to do after a wait puts that on top in turn.
enum class Round::Op : uint8_t {
    Wait, // a: milliseconds
    Draw,      // a display, b value, t brightness
    Flash,     // a display, b value
    FlashCredit,
    Disarm, // a: the button
    Forma,  // a: the class
    FormaName,
    FormaEnd,
    FormaVoice, // b: quiet
    Win2Cr,
    CollectMarks,
    CollectEnd,
    DealAfterBet, // a: the phase before, b: autoplay
    DealAfterWin, // b: autoplay
    DealShow,
    DealStart,
    DealPaid, // a: the class, b: autoplay
    EndOfDealRest,
    DrawPaid,
    DrawAfterWin,
    DrawPot,
    DrawEnd,
    ShowPot, // a: the pot
    StartDbl,
    Winhalf2cr,
    BankHalfEnd,
    BankHalfOver,
    Guess, // b: plus
    Castiga,
    CastigaAfter,
    FifthEnd,
    Pierde,
    PierdeAfter,
    PierdeEnd,
    GuessEnd,
    BetChange, // a: the button, b: 1 up, 0 down, 2 to 500; t: the phase to return to, or -1
};

const char* phaseName(Phase p)
{
    static const char* const names[kPhases] = {
        "Idle",           "Transfer",     "DealPaying", "DealStarting",   "Dealing",        "DealSettling",
        "HandShown",      "Drawing",      "DrawSettling", "AutoDoubleWait", "DoubleUp",     "GuessSettling",
        "DoubleOver",     "AutoplayStep", "AutoDealPaying", "AutoDealStarting", "ExtraOpen", "Exiting"};
    return int(p) < kPhases ? names[int(p)] : "?";
}

const char* inputName(Input i)
{
    static const char* const names[kInputs] = {
        "Press",        "DealRelease", "BetDown",   "BetUp",         "BetMax",       "Wheel",     "Double",
        "Autoplay",     "OpenExtra",   "CardClick", "AnimationTick", "AutoplayTick", "Insert",    "Cashout",
        "AccountReset", "CloseExtra",  "Exit",      "WaitOver",      "Announce",     "ChooseGame"};
    return int(i) < kInputs ? names[int(i)] : "?";
}

bool accepts(Phase phase, Input input)
{
    return int(phase) < kPhases && int(input) < kInputs && kActs[int(phase)][int(input)];
}

Round::Round(GameState& gs, RoundEffects& fx, Clock& clock) : m_gs(gs), m_fx(fx), m_clock(&clock) {}

Round::Round(const Round& other, GameState& gs, RoundEffects& fx, Clock& clock)
    : m_gs(gs), m_fx(fx), m_clock(&clock), m_phase(other.m_phase), m_beforeExtra(other.m_beforeExtra),
      m_drawPot(other.m_drawPot), m_chains(other.m_chains), m_wakeAt(other.m_wakeAt),
      m_autoDoubleAt(other.m_autoDoubleAt)
{
}

bool Round::busy() const
{
    switch (m_phase) {
    case Phase::Idle:
    case Phase::HandShown:
    case Phase::AutoDoubleWait:
    case Phase::DoubleUp:
    case Phase::ExtraOpen:
    case Phase::Exiting:
    case Phase::Count:
        return false;
    default:
        return true;
    }
}

void Round::enter(Phase p)
{
    m_phase = p;
    const int8_t* f = kFlags[int(p)];
    if (f[0] < 0)
        return;
    m_gs.State = uint8_t(f[0]);
    m_gs.HandActive = uint8_t(f[1]);
    m_gs.dbl.DoubleActive = uint8_t(f[2]);
}

bool Round::input(Input in, int arg)
{
    if (!accepts(m_phase, in)) {
        const ArmedButton b = buttonOf(in, false);
        if (b != ArmCount)
            disarm(b);
        return false;
    }
    m_deepest = std::max(m_deepest, ++m_depth);
    const ArmedButton keyed = arg == ByKey || arg == ForceDraw ? buttonOf(in, true) : ArmCount;
    if (keyed != ArmCount)
        m_gs.Armed[size_t(keyed)] = 1;
    Chain chain; // what this input sets going
    m_work = &chain;
    switch (in) {
    case Input::Press:
        pressButton(ArmedButton(arg));
        break;
    case Input::DealRelease:
        LbSpeedButton2MouseUp(arg == ForceDraw);
        break;
    case Input::BetDown:
        betButtonUp(ArmBetDown, false);
        break;
    case Input::BetUp:
        betButtonUp(ArmBetUp, true);
        break;
    case Input::BetMax:
        betmaxMouseUp();
        break;
    case Input::Wheel:
        FormMouseWheel(arg);
        break;
    case Input::Double:
        LbSpeedButton5MouseUp();
        break;
    case Input::Autoplay:
        autopMouseUp();
        break;
    case Input::OpenExtra:
        LbSpeedButton1MouseUp();
        break;
    case Input::CardClick:
        ImageMouseDown(arg);
        break;
    case Input::AnimationTick:
        animationTick(m_gs.AutoAnimation != 0);
        break;
    case Input::AutoplayTick:
        autojoc();
        break;
    case Input::Insert:
    case Input::Cashout:
    case Input::AccountReset:
        accountInput(in);
        break;
    case Input::CloseExtra:
        m_phase = m_beforeExtra; // the flags were left as they were
        break;
    case Input::Exit:
        offClick();
        break;
    case Input::WaitOver:
        m_wakeAt = -1; // the host's wake-up is spent
        wakeUp();
        break;
    case Input::Announce:
        forma(arg);
        break;
    case Input::ChooseGame:
        chooseGame(arg);
        break;
    case Input::Count:
        break;
    }
    if (!chain.steps.empty()) {
        run(chain);
        if (chain.due >= 0)
            m_chains.push_back(std::move(chain));
    }
    m_work = nullptr;
    askWake();
    --m_depth;
    return true;
}

size_t Round::pendingSteps() const
{
    size_t n = 0;
    for (const Chain& c : m_chains)
        n += c.steps.size();
    return n;
}

void Round::then(std::initializer_list<Step> steps)
{
    // The stack's top is its back: pushed in reverse, performed in order.
    for (auto it = std::rbegin(steps); it != std::rend(steps); ++it)
        m_work->steps.push_back(*it);
}

void Round::run(Chain& chain)
{
    Chain* const outer = m_work;
    m_work = &chain;
    chain.due = -1;
    while (!chain.steps.empty()) {
        const Step s = chain.steps.back();
        chain.steps.pop_back();
        if (s.op == Op::Wait) {
            chain.due = m_clock->elapsedMs() + std::max(s.a, 1);
            break;
        }
        perform(s);
    }
    m_work = outer;
}

void Round::wakeUp()
{
    // Each operation due goes on, the earliest first; one that waits again takes its new time.
    const int64_t now = m_clock->elapsedMs();
    for (;;) {
        size_t first = m_chains.size();
        for (size_t i = 0; i < m_chains.size(); ++i)
            if (m_chains[i].due <= now && (first == m_chains.size() || m_chains[i].due < m_chains[first].due))
                first = i;
        if (first == m_chains.size())
            return;
        Chain chain = std::move(m_chains[first]);
        m_chains.erase(m_chains.begin() + std::ptrdiff_t(first));
        run(chain);
        if (chain.due >= 0)
            m_chains.push_back(std::move(chain));
    }
}

void Round::askWake()
{
    // The Auto Double second is the phase's own: it ends where the round is still in it once
    // its time has come, also when an input taken inside it brought the round back there.
    if (m_phase == Phase::AutoDoubleWait && m_clock->elapsedMs() >= m_autoDoubleAt) {
        enter(Phase::Idle);
        Chain chain;
        m_work = &chain;
        startdbl(); // starts the double-up at once: it leaves nothing for later
        m_work = nullptr;
    }
    int64_t first = m_phase == Phase::AutoDoubleWait ? m_autoDoubleAt : -1;
    for (const Chain& c : m_chains)
        if (first < 0 || c.due < first)
            first = c.due;
    if (first == m_wakeAt)
        return;
    m_wakeAt = first;
    if (first >= 0)
        m_fx.wakeAfter(int(std::max<int64_t>(first - m_clock->elapsedMs(), 0)));
    else
        m_fx.cancelWake();
}

// ---------------------------------------------------------------- small rules

int Round::ClampBet(int bet)
{
    if (bet < 1)
        bet = 1;
    if (bet > 500)
        bet = 500;
    if (bet > 10)
        bet = bet / 10 * 10;
    return bet;
}

int Round::BetUp(int bet)
{
    if (bet < 10)
        return bet + 1;
    if (bet < 500)
        return bet + 10;
    return bet;
}

int Round::BetDown(int bet)
{
    if (bet >= 20)
        return bet - 10;
    if (bet >= 2)
        return bet - 1;
    return bet;
}

int Round::AutoBetFor(int64_t money)
{
    int bet = 1;
    if (money > 0 && money < 10)
        bet = int(money);
    for (int d = 1; d <= 49; ++d)
        if (int64_t(d) * 10 <= money)
            bet = d * 10;
    return bet;
}

int64_t Round::accountBalance(const Counters& c)
{
    int64_t out = 0;
    if (__builtin_sub_overflow(c.CashoutTotal, c.InsertedTotal, &out))
        return c.CashoutTotal < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    return out;
}

bool Round::insertCredit(Counters& c)
{
    int64_t inserted = 0;
    if (c.Credit >= 1000000 || __builtin_add_overflow(c.InsertedTotal, int64_t(1000), &inserted))
        return false;
    c.InsertedTotal = inserted;
    c.Credit += 1000; // below 1,000,000 before: no overflow
    return true;
}

bool Round::cashoutCredit(Counters& c)
{
    int64_t cashed = 0;
    if (__builtin_add_overflow(c.CashoutTotal, int64_t(c.Credit), &cashed))
        return false; // the total is at its end: nothing leaves the table
    c.CashoutTotal = cashed;
    c.Credit = 0;
    const int64_t account = accountBalance(c);
    if (account > c.AccountRecord)
        c.AccountRecord = account;
    return true;
}

void Round::resetAccount(Counters& c)
{
    c.Credit = 1000;
    c.InsertedTotal = 1000;
    c.CashoutTotal = 0;
    c.AccountRecord = 0;
}

void Round::accountInput(Input in)
{
    Counters& c = m_gs.counters;
    const __int128 before = __int128(c.Credit) + c.CashoutTotal - c.InsertedTotal;
    const bool sound = m_gs.settings.SoundFx != 0;
    if (in == Input::Insert || in == Input::Cashout) {
        const bool done = in == Input::Insert ? insertCredit(c) : cashoutCredit(c);
        if (sound)
            m_fx.play(done ? CueName("clickmic") : CueName("err"));
    } else {
        resetAccount(c);
        m_fx.money(MoneyKind::AccountReset, __int128(c.Credit) + c.CashoutTotal - c.InsertedTotal - before);
    }
    // On disk before the panel shows it: a crash with the screen open undoes nothing.
    m_fx.save();
    m_fx.refreshAccount();
}

bool Round::holdsBonusAce(const Hand& hand)
{
    for (int k = 1; k <= 5; ++k)
        if (hand.Suit[size_t(k)] == BonusSuit && hand.Rank[size_t(k)] == AceRank)
            return true;
    return false;
}

void Round::countHand(const Hand& hand)
{
    if (const Game* g = casino()) {
        const std::array<int, 5> cards = handCards(hand);
        if (m_gs.State != 1 && m_gs.State != 2)
            return;
        const int cls = GameClassifier(*g).classify(cards.data());
        auto& counts = m_gs.State == 1 ? m_gs.casinoCounts.dealt : m_gs.casinoCounts.final;
        saturatingIncrement(counts[0]);
        if (cls >= 1)
            saturatingIncrement(counts[size_t(cls)]);
        return;
    }
    Hand copy = hand;
    copy.clearHeld();
    HandFlags flags{};
    CountHand(12);
    const int cls = EvaluateHand(copy, flags, m_gs.settings.HoldHighCard != 0);
    if (cls >= 1)
        CountHand(cls);
}

void Round::CountHand(int k)
{
    if (k < 1 || k > 12)
        return;
    Counters& c = m_gs.counters;
    const bool joker = m_gs.settings.Joker != 0;
    if (m_gs.State == 1)
        saturatingIncrement((joker ? c.DealtCountsJoker : c.DealtCounts)[size_t(k)]);
    else if (m_gs.State == 2)
        saturatingIncrement((joker ? c.FinalCountsJoker : c.FinalCounts)[size_t(k)]);
}

// ---------------------------------------------------------------- steps

void Round::perform(const Step& s)
{
    Counters& c = m_gs.counters;
    const bool autoplay = s.b != 0;
    switch (s.op) {
    case Op::Wait:
        break; // run() keeps these
    case Op::Draw:
        m_fx.drawValue(Display(s.a), s.b, int(s.t));
        break;
    case Op::Flash:
        flash(Display(s.a), s.b);
        break;
    case Op::FlashCredit:
        flash(Display::Credit, c.Credit);
        break;
    case Op::Disarm:
        disarm(ArmedButton(s.a));
        break;
    case Op::Forma:
        forma(s.a);
        break;
    case Op::FormaName:
        m_fx.setText(Label::Message, classText(s.a));
        break;
    case Op::FormaEnd: {
        m_fx.dimMessage(false);
        const bool quiet = m_fx.quiet();
        if (bigHand(s.a) && m_gs.settings.SoundFx && !quiet) {
            m_fx.play("succes");
            then({{Op::Wait, durations::SuccessCue}, {Op::FormaVoice, s.a, quiet}});
        } else {
            then({{Op::FormaVoice, s.a, quiet}});
        }
        break;
    }
    case Op::FormaVoice:
        if (!m_gs.settings.VoiceFx || s.b)
            break;
        if (const Game* g = casino()) {
            if (const auto voice = classVoice(g->keys[size_t(s.a)]))
                m_fx.play(*voice);
        } else if (s.a >= 2) {
            m_fx.play(kVoices[s.a - 2]);
        }
        break;
    case Op::Win2Cr:
        win2cr();
        break;
    case Op::CollectMarks:
        m_gs.dbl.BlinkTicks = 0;
        m_gs.dbl.DoubleMarks[m_gs.dbl.DoubleRound] = 0;
        break;
    case Op::CollectEnd:
        enter(Phase::Idle);
        disarm(ArmDeal);
        break;
    case Op::DealAfterBet:
        dealAfterBet(Phase(s.a), autoplay);
        break;
    case Op::DealAfterWin:
        dealAfterWin(autoplay);
        break;
    case Op::DealShow:
        m_fx.drawValue(Display::Win, 0, 0);
        m_fx.stheld();
        then({{Op::Forma, blankClass()}, {Op::DealStart, 0, s.b}});
        break;
    case Op::DealStart:
        dealStart(autoplay);
        break;
    case Op::DealPaid:
        setMoney(c.Win, classPay(s.a) * c.Bet, MoneyKind::HandPaid);
        m_fx.save();
        then({{Op::Flash, int32_t(Display::Win), c.Win}, {Op::EndOfDealRest, 0, s.b}});
        break;
    case Op::EndOfDealRest:
        endOfDealRest(autoplay);
        break;
    case Op::DrawPaid:
        // The same value the draw press committed.
        setMoney(c.Win, classPay(s.a) * c.Bet, MoneyKind::HandPaid);
        then({{Op::Flash, int32_t(Display::Win), c.Win}, {Op::DrawAfterWin, 0, s.b}});
        break;
    case Op::DrawAfterWin:
        drawAfterWin(autoplay);
        break;
    case Op::DrawPot:
        if (m_drawPot >= 0) {
            const int32_t pot = m_drawPot;
            m_drawPot = -1;
            then({{Op::ShowPot, pot}, {Op::DrawEnd, 0, s.b}});
        } else {
            drawEnd(autoplay);
        }
        break;
    case Op::DrawEnd:
        drawEnd(autoplay);
        break;
    case Op::ShowPot:
        showBonusFed(s.a);
        break;
    case Op::StartDbl:
        startdbl();
        break;
    case Op::Winhalf2cr:
        winhalf2cr();
        break;
    case Op::BankHalfEnd:
        if (c.Win == 0) {
            m_gs.dbl.BlinkTicks = 0;
            m_gs.dbl.DoubleMarks[m_gs.dbl.DoubleRound] = 0;
            then({{Op::Wait, durations::DoubleEnd}, {Op::BankHalfOver}});
        } else {
            enter(Phase::DoubleUp);
            disarm(ArmDouble);
        }
        break;
    case Op::BankHalfOver:
        enter(Phase::Idle);
        disarm(ArmDouble);
        break;
    case Op::Guess:
        guess(s.b != 0);
        break;
    case Op::Castiga:
        castiga();
        break;
    case Op::CastigaAfter: {
        DoubleUpState& d = m_gs.dbl;
        const int pos = d.DoubleRound;
        if (m_gs.settings.SoundFx)
            m_fx.play("okd");
        d.BlinkTicks = 0;
        d.DoubleMarks[pos] = 2;
        if (pos < 5) {
            d.DoubleRound = uint8_t(pos + 1);
            d.BlinkTicks = 0;
            d.DoubleMarks[d.DoubleRound] = 1;
            m_fx.save();
        } else {
            then({{Op::Wait, durations::FifthWinPause},
                  {Op::Win2Cr},
                  {Op::Wait, durations::FifthWinAfter},
                  {Op::FifthEnd}});
        }
        break;
    }
    case Op::FifthEnd:
    case Op::PierdeEnd:
        enter(Phase::DoubleOver);
        m_fx.save();
        break;
    case Op::Pierde:
        pierde();
        break;
    case Op::PierdeAfter:
        if (m_gs.settings.SoundFx)
            m_fx.play("err");
        m_gs.dbl.BlinkTicks = 0;
        m_gs.dbl.DoubleMarks[m_gs.dbl.DoubleRound] = 0;
        then({{Op::Wait, durations::DoubleEnd}, {Op::PierdeEnd}});
        break;
    case Op::GuessEnd:
        m_fx.save();
        enter(m_phase == Phase::DoubleOver ? Phase::Idle : Phase::DoubleUp);
        break;
    case Op::BetChange:
        if (s.t >= 0)
            enter(Phase(s.t));
        if (s.b == 2)
            c.Bet = 500;
        else
            c.Bet = s.b ? BetUp(ClampBet(c.Bet)) : BetDown(ClampBet(c.Bet));
        m_fx.save(); // a bet change is kept as soon as it is made
        then({{Op::Flash, int32_t(Display::Bet), c.Bet}, {Op::Disarm, s.a}});
        break;
    }
}

// ---------------------------------------------------------------- waits and money

void Round::flash(Display d, int32_t value)
{
    m_fx.drawValue(d, value, -10);
    then({{Op::Wait, durations::Flash},
          {Op::Draw, int32_t(d), value, 10},
          {Op::Wait, durations::Flash},
          {Op::Draw, int32_t(d), value, 0}});
}

void Round::setMoney(int32_t& field, int64_t value, MoneyKind kind)
{
    const int32_t before = field;
    field = int32_t(value > kMoneyMax ? kMoneyMax : value);
    m_fx.money(kind, int64_t(field) - before);
}

// Moving money inside the table keeps the sum; only a credit at its top loses the rest.
void Round::transferToCredit(int32_t& from)
{
    Counters& c = m_gs.counters;
    const int64_t sum = int64_t(c.Credit) + from;
    c.Credit = addMoney(c.Credit, from);
    from = 0;
    if (sum != c.Credit)
        m_fx.money(MoneyKind::Capped, c.Credit - sum);
}

void Round::moveToCredit(int32_t& from)
{
    transferToCredit(from);
    // Committed before it is shown: a press handled inside the flashes finds nothing left.
    m_fx.save();
}

void Round::win2cr()
{
    moveToCredit(m_gs.counters.Win);
    then({{Op::Flash, int32_t(Display::Win), 0},
          {Op::Wait, durations::Flash},
          {Op::FlashCredit}});
}

int32_t Round::feedBonus()
{
    Counters& c = m_gs.counters;
    setMoney(c.Bonus, int64_t(c.Bonus) + c.Bet, MoneyKind::BonusFed);
    const int32_t pot = c.Bonus;
    // A pot past 9999 is paid in the same record that feeds it: the payout the display is
    // about to announce survives a crash during the pause before it.
    if (pot > 9999)
        transferToCredit(c.Bonus);
    return pot;
}

void Round::showBonusFed(int32_t pot)
{
    if (pot <= 9999) {
        then({{Op::Flash, int32_t(Display::Bonus), pot}});
        return;
    }
    then({{Op::Flash, int32_t(Display::Bonus), pot},
          {Op::Wait, durations::BonusPause},
          {Op::Flash, int32_t(Display::Bonus), 0},
          {Op::FlashCredit}});
}

void Round::forma(int k)
{
    if (casino() ? k < 0 || k >= casino()->classCount : k < 1 || k > 11)
        return;
    if (m_fx.text(Label::Message) == classText(k))
        return;
    m_fx.dimMessage(true);
    then({{Op::Wait, durations::AnnounceBlink},
          {Op::FormaName, k},
          {Op::Wait, durations::AnnounceBlink},
          {Op::FormaEnd, k}});
}

// ---------------------------------------------------------------- presses

void Round::pressButton(ArmedButton button)
{
    if (button < ArmExtra || button >= ArmCount)
        return;
    uint8_t& armed = m_gs.Armed[size_t(button)];
    armed = armed ? 0 : 1;
    if (armed && m_gs.settings.SoundFx)
        m_fx.play(button == ArmBetmax || button == ArmAutop || button == ArmProce ? CueName("clickmic")
                                                                                  : CueName("click"));
}

void Round::payoutCtrl()
{
    const Settings& st = m_gs.settings;
    if (!controlled())
        return;
    const Counters& c = m_gs.counters;
    ctrl(m_gs.payout, m_gs.rng, c.Credit, c.CashoutTotal, c.InsertedTotal, st.PayoutRate,
         m_clock->localDays());
}

void Round::LbSpeedButton2MouseUp(bool confirmed)
{
    uint8_t& armed = m_gs.Armed[ArmDeal];
    if (!armed)
        return;
    if (m_gs.Autoplay) {
        armed = 0;
        return;
    }
    payoutCtrl();
    if (m_phase == Phase::DoubleUp) {
        // Collect the whole stake and leave the double-up.
        enter(Phase::GuessSettling);
        then({{Op::Win2Cr},
              {Op::CollectMarks},
              {Op::Wait, durations::DoubleEnd},
              {Op::CollectEnd}});
        return;
    }
    if (m_phase == Phase::HandShown) {
        if (!confirmed && !m_fx.approveDraw()) {
            armed = 0;
            return;
        }
        drawPhase(false);
        return;
    }
    // A deal: the press is taken from here on, and a key repeated inside the waits below
    // (the bet flash, the pending win going to the credit) finds it under way.
    const Phase before = m_phase;
    enter(Phase::Transfer);
    Counters& c = m_gs.counters;
    // Auto Bet lowers the bet to what the money covers.
    if (int64_t(c.Credit) + c.Win < c.Bet && m_gs.settings.AutoBet) {
        c.Bet = AutoBetFor(int64_t(c.Credit) + c.Win);
        m_fx.save();
        then({{Op::Flash, int32_t(Display::Bet), c.Bet}, {Op::DealAfterBet, int32_t(before)}});
        return;
    }
    dealAfterBet(before, false);
}

void Round::dealAfterBet(Phase before, bool autoplay)
{
    Counters& c = m_gs.counters;
    if (int64_t(c.Credit) + c.Win < c.Bet) {
        // Not enough for the bet: nothing is dealt, and no message says so.
        enter(before);
        if (autoplay) {
            m_fx.autoplayTimer(false);
            m_gs.Autoplay = 0;
            m_fx.setText(Label::Message, QT_TRANSLATE_NOOP("Engine", "Autoplay off"));
        } else {
            disarm(ArmDeal);
        }
        return;
    }
    enter(autoplay ? Phase::AutoDealPaying : Phase::DealPaying);
    if (autoplay)
        payoutCtrl();
    if (c.Win > 0)
        then({{Op::Win2Cr},
              {Op::Wait, durations::AfterWinToCredit},
              {Op::DealAfterWin, 0, autoplay}});
    else
        dealAfterWin(autoplay);
}

void Round::dealAfterWin(bool autoplay)
{
    if (m_gs.counters.Credit == 0) {
        enter(Phase::Idle);
        if (!autoplay)
            disarm(ArmDeal);
        return;
    }
    dealPhase(autoplay);
}

void Round::dealPhase(bool autoplay)
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    enter(autoplay ? Phase::AutoDealStarting : Phase::DealStarting);
    setMoney(c.Credit, int64_t(c.Credit) - c.Bet, MoneyKind::BetTaken);
    c.Win = 0; // already moved to the credit
    // The cards are decided with the bet and counted in the same record, so a restart finds
    // the statistics and the money in step; they are shown face down until the animation.
    hand.clearHeld();
    if (controlled())
        genecaz(hand, m_gs.rng, st.Joker != 0, m_gs.payout.DealTrials);
    else
        DealHand(hand, m_gs.rng, deckJoker());
    countHand(hand);
    m_fx.save(); // the bet is taken: a restart does not give it back
    then({{Op::Flash, int32_t(Display::Credit), c.Credit}, {Op::DealShow, 0, autoplay}});
}

void Round::dealStart(bool autoplay)
{
    m_fx.setText(Label::Stage, autoplay ? QT_TRANSLATE_NOOP("Engine", "A 1") : "1");
    m_fx.setText(Label::Multiplier, "0");
    if (!autoplay)
        m_gs.FirstClick = 1;
    m_fx.showBacks();
    m_gs.Step = -1;
    m_gs.AutoAnimation = autoplay ? 1 : 0;
    enter(Phase::Dealing);
    m_fx.startAnimation(autoplay);
    if (!autoplay && m_gs.settings.SoundFx)
        m_fx.play("cartile");
}

void Round::drawPhase(bool autoplay)
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    bool all = true;
    for (int k = 1; k <= 5; ++k)
        all = all && hand.Held[size_t(k)];
    m_gs.AllHeld = all ? 1 : 0;
    m_fx.setText(Label::Stage, autoplay ? QT_TRANSLATE_NOOP("Engine", "A 2") : "2");
    setMoney(c.Win, 0, MoneyKind::HandPaid); // the dealt hand's preview goes
    m_fx.stheld();
    if (controlled())
        ControlledDraw(hand, m_gs.rng, st.Joker != 0, m_gs.payout.DrawTrials);
    else
        DrawCards(hand, m_gs.rng, deckJoker());
    // The final hand is decided now; its value is committed before the cards are shown,
    // so a restart in the middle of the animation pays what the draw gave, not the preview.
    // The count and the pot's feed go into the same record, shown at the end of the animation.
    Hand final = hand;
    final.clearHeld();
    HandFlags flags{};
    const int cls = evaluate(final, flags);
    setMoney(c.Win, paying(cls) ? classPay(cls) * c.Bet : 0, MoneyKind::HandPaid);
    auto& trail = m_gs.creditTrail;
    auto& bets = m_gs.betTrail;
    if (trail.empty()) {
        bets.clear();
        m_gs.trailStart = int64_t(c.Credit) + c.Bet; // the bet is taken already
        // At once: growing by copies would leave the freed smaller copies in memory.
        trail.reserve(GameState::MaxCreditTrail);
        bets.reserve(GameState::MaxCreditTrail);
    }
    if (trail.size() >= GameState::MaxCreditTrail) {
        const auto half = ptrdiff_t(trail.size() / 2);
        m_gs.trailStart = trail[size_t(half - 1)];
        trail.erase(trail.begin(), trail.begin() + half);
        bets.erase(bets.begin(), bets.begin() + half);
    }
    trail.push_back(int64_t(c.Credit) + c.Win);
    bets.push_back(uint16_t(c.Bet));
    if (!m_gs.AllHeld)
        countHand(hand);
    m_drawPot = -1;
    if (c.Win > 0 && !autoplay && !casino() && holdsBonusAce(hand))
        m_drawPot = feedBonus();
    m_fx.save();
    m_fx.showBacks();
    m_gs.Step = -1;
    m_gs.AutoAnimation = autoplay ? 1 : 0;
    enter(Phase::Drawing);
    m_fx.startAnimation(autoplay);
}

void Round::animationTick(bool autoplay)
{
    Hand& hand = m_gs.hand;
    if (m_gs.Step == -1) {
        m_gs.Step = 0;
        m_fx.revealPace(autoplay);
        return;
    }
    if (m_gs.Step < 5) {
        do {
            ++m_gs.Step;
            if (!hand.Held[size_t(m_gs.Step)])
                m_fx.showCard(m_gs.Step);
        } while (m_gs.Step < 5 && hand.Held[size_t(m_gs.Step)]);
    }
    if (m_gs.Step < 5)
        return;
    m_fx.stopAnimation(autoplay);
    if (m_phase == Phase::Dealing) {
        enter(Phase::DealSettling);
        endOfDeal(autoplay);
    } else {
        enter(Phase::DrawSettling);
        endOfDraw(autoplay);
    }
}

void Round::endOfDeal(bool autoplay)
{
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    const int dealt = evaluate(hand, m_gs.flags);
    if (const Game* g = casino()) {
        // The best hold of the exact analysis: casino strategy is the pay table's own.
        const std::array<int, 5> cards = handCards(hand);
        const int best = handHoldValues(cards, *g).best();
        for (int k = 1; k <= 5; ++k)
            hand.Held[size_t(k)] = (best >> (k - 1)) & 1;
    } else if (dealt <= ClassJacks) {
        HoldAdvisor(hand, st.HoldOpenInside != 0);
    }
    m_fx.holdsProposed();
    if (!autoplay && !st.AutoHold)
        hand.clearHeld();
    m_fx.showHoldLamps();
    // Counted when dealt, with the bet.
    if (paying(dealt)) {
        m_fx.setText(Label::Multiplier, std::to_string(classPay(dealt)));
        then({{Op::Forma, dealt}, {Op::DealPaid, dealt, autoplay}});
        return;
    }
    endOfDealRest(autoplay);
}

void Round::endOfDealRest(bool autoplay)
{
    if (m_fx.oddsShown())
        m_fx.liveOdds();
    m_fx.save();
    enter(Phase::HandShown);
    disarm(ArmDeal);
    if (autoplay && !m_gs.Autoplay)
        m_fx.setText(Label::Message, QT_TRANSLATE_NOOP("Engine", "Autoplay off"));
    m_fx.afterDeal();
}

void Round::endOfDraw(bool autoplay)
{
    Hand& hand = m_gs.hand;
    hand.clearHeld();
    const int final = evaluate(hand, m_gs.flags);
    if (paying(final))
        m_fx.showWinLamps();
    // Counted at the draw press, with the money it moved.
    if (paying(final)) {
        m_fx.setText(Label::Multiplier, std::to_string(classPay(final)));
        then({{Op::Forma, final}, {Op::DrawPaid, final, autoplay}});
        return;
    }
    drawAfterWin(autoplay);
}

void Round::drawAfterWin(bool autoplay)
{
    if (m_gs.counters.Win == 0)
        then(
            {{Op::Forma, blankClass()}, {Op::Draw, int32_t(Display::Win), 0, 0}, {Op::DrawPot, 0, autoplay}});
    else
        then({{Op::DrawPot, 0, autoplay}});
}

void Round::drawEnd(bool autoplay)
{
    const Settings& st = m_gs.settings;
    m_fx.save();
    enter(Phase::Idle);
    disarm(ArmDeal);
    m_fx.afterDraw();
    if (autoplay) {
        if (!m_gs.Autoplay)
            m_fx.setText(Label::Message, QT_TRANSLATE_NOOP("Engine", "Autoplay off"));
        return;
    }
    if (st.DoubleGame && st.AutoDouble && m_gs.counters.Win > 0) {
        // Every other input acts during this second; one that moves the round on (a deal, a
        // double-up started by hand) leaves nothing for Auto Double to start.
        enter(Phase::AutoDoubleWait);
        m_autoDoubleAt = m_clock->elapsedMs() + durations::AutoDoubleWait;
    }
}

// ---------------------------------------------------------------- cards

void Round::ImageMouseDown(int k)
{
    if (k < 1 || k > 5 || m_gs.Autoplay)
        return;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    if (st.SoundFx) {
        static constexpr CueName cues[5] = {"cart1", "cart2", "cart3", "cart4", "cart5"};
        m_fx.play(cues[k - 1]);
    }
    uint8_t& held = hand.Held[size_t(k)];
    if (st.SmartHold && m_gs.FirstClick && !held) {
        hand.clearHeld();
        held = 1;
        m_gs.FirstClick = 0;
    } else {
        held = held ? 0 : 1;
    }
    m_fx.showHoldLamps();
    if (m_fx.oddsShown())
        m_fx.liveOdds();
    m_fx.holdChanged(k);
}

// ---------------------------------------------------------------- bet buttons

void Round::betButtonUp(ArmedButton button, bool up)
{
    uint8_t& armed = m_gs.Armed[size_t(button)];
    if (!armed)
        return;
    if (m_gs.Autoplay) {
        armed = 0; // ignored, and not left armed to swallow the next press
        return;
    }
    if (m_phase == Phase::DoubleUp) {
        then({{Op::Guess, 0, up}, {Op::Disarm, int32_t(button)}});
        return;
    }
    betChange(button, up ? 1 : 0);
}

void Round::betmaxMouseUp()
{
    if (m_gs.Autoplay) {
        disarm(ArmBetmax);
        return;
    }
    betChange(ArmBetmax, 2);
}

// The pending win goes first: a deal or a double-up started by a key inside the transfer's
// waits would play with a win or a bet about to change. Then the bet changes.
void Round::betChange(ArmedButton button, int how)
{
    const Step change{Op::BetChange, int32_t(button), how, -1};
    if (m_gs.counters.Win <= 0) {
        then({change});
        return;
    }
    const Phase before = m_phase;
    enter(Phase::Transfer);
    then({{Op::Win2Cr}, {Op::BetChange, int32_t(button), how, int64_t(before)}});
}

void Round::FormMouseWheel(int deltaY)
{
    // Nor while a deal press is under way: the bet it is about to take stays put.
    if (m_gs.Autoplay)
        return;
    Counters& c = m_gs.counters;
    int bet = ClampBet(c.Bet);
    bet = deltaY < 0 ? BetDown(bet) : BetUp(bet);
    c.Bet = bet;
    m_fx.save();
    m_fx.drawValue(Display::Bet, c.Bet, 0);
}

// ---------------------------------------------------------------- double-up

void Round::LbSpeedButton5MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmDouble];
    if (!armed)
        return;
    if (m_gs.Autoplay) {
        armed = 0;
        return;
    }
    then({{Op::StartDbl}, {Op::Disarm, ArmDouble}});
}

void Round::startdbl()
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    DoubleUpState& d = m_gs.dbl;
    if (!st.DoubleGame || c.Win == 0 || m_gs.Autoplay)
        return;
    if (m_phase == Phase::DoubleUp) {
        enter(Phase::GuessSettling);
        then({{Op::Winhalf2cr}, {Op::Wait, durations::BankHalfPause}, {Op::BankHalfEnd}});
        return;
    }
    m_fx.setText(Label::Stage, "3");
    m_fx.setText(Label::Message, st.RedBlack ? QT_TRANSLATE_NOOP("Engine", "Double Red-Black")
                                             : QT_TRANSLATE_NOOP("Engine", "Double Low-High"));
    m_fx.setText(Label::Multiplier, "2");
    m_fx.stheld();
    m_gs.hand.clearHeld();
    m_fx.showBacks();
    // A casino game's double-up is an even bet on an ordinary deck.
    DealHand(m_gs.hand, m_gs.rng, casino() ? false : st.Joker != 0);
    d.DoubleRound = 1;
    d.BlinkTicks = 0;
    for (int i = 1; i <= 5; ++i)
        d.DoubleMarks[i] = 0;
    d.DoubleMarks[1] = 1;
    enter(Phase::DoubleUp);
}

void Round::guess(bool plus)
{
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    const DoubleUpState& d = m_gs.dbl;
    enter(Phase::GuessSettling);
    const bool redBlack = st.RedBlack != 0;
    const int pos = d.DoubleRound;
    if (controlled())
        ControlledDoubleDeal(hand, m_gs.rng, st.Joker != 0, redBlack, plus, pos, m_gs.payout.DealTrials);
    const bool won = DoubleGuessWins(redBlack, plus, hand.Suit[size_t(pos)], hand.Rank[size_t(pos)]);
    if (casino()) {
        then({{won ? Op::Castiga : Op::Pierde}, {Op::GuessEnd}});
        return;
    }
    // Every guess feeds the pot: decided with the guess, so saved in the guess's own record.
    const int32_t pot = feedBonus();
    then({{won ? Op::Castiga : Op::Pierde}, {Op::ShowPot, pot}, {Op::GuessEnd}});
}

void Round::castiga()
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    const int pos = m_gs.dbl.DoubleRound;
    const int32_t before = c.Win;
    const int64_t won =
        DoubleWonStake(st.RedBlack != 0, m_gs.hand.Suit[size_t(pos)], m_gs.hand.Rank[size_t(pos)], c.Win);
    setMoney(c.Win, won, MoneyKind::DoubleWon);
    saturatingIncrement((st.RedBlack ? c.RbWon : c.LhWon)[size_t(pos)]);
    m_fx.save(); // decided before the card is shown
    m_fx.showCard(pos);
    if (c.Win != before)
        then({{Op::Flash, int32_t(Display::Win), c.Win}, {Op::CastigaAfter}});
    else
        then({{Op::CastigaAfter}});
}

void Round::pierde()
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    const int pos = m_gs.dbl.DoubleRound;
    setMoney(c.Win, 0, MoneyKind::DoubleLost);
    saturatingIncrement((st.RedBlack ? c.RbLost : c.LhLost)[size_t(pos)]);
    m_fx.save(); // the stake is gone before the card says so: a restart cannot pay it
    m_fx.showCard(pos);
    then({{Op::Flash, int32_t(Display::Win), 0}, {Op::PierdeAfter}});
}

void Round::winhalf2cr()
{
    Counters& c = m_gs.counters;
    const int64_t sum = int64_t(c.Credit) + c.Win;
    const int32_t banked = BankHalf(c.Win);
    c.Credit = addMoney(c.Credit, banked);
    if (int64_t(c.Credit) + c.Win != sum)
        m_fx.money(MoneyKind::Capped, int64_t(c.Credit) + c.Win - sum);
    m_fx.save();
    then({{Op::Flash, int32_t(Display::Win), c.Win}, {Op::FlashCredit}});
}

// ---------------------------------------------------------------- autoplay

void Round::autopMouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmAutop];
    if (!armed)
        return;
    armed = 0;
    const bool on = !m_gs.Autoplay;
    if (on && m_gs.HandActive)
        return; // never starts in the middle of a hand; it can always be stopped
    m_gs.Autoplay = on ? 1 : 0;
    m_fx.setText(Label::Message, on ? QT_TRANSLATE_NOOP("Engine", "Autoplay on")
                                    : QT_TRANSLATE_NOOP("Engine", "Autoplay off"));
    m_fx.autoplayTimer(on);
}

void Round::autojoc()
{
    if (!m_gs.Autoplay)
        return; // a tick left over from before autoplay was switched off
    Counters& c = m_gs.counters;
    if (m_phase == Phase::HandShown) {
        payoutCtrl();
        drawPhase(true);
        return;
    }
    // The step is under way from here: a manual press inside one of its waits (autoplay
    // switched off meanwhile) must not deal or draw in the middle of it.
    const Phase before = m_phase;
    enter(Phase::AutoplayStep);
    const int64_t money = int64_t(c.Credit) + c.Win;
    if (money < c.Bet && m_gs.settings.AutoBet) {
        c.Bet = AutoBetFor(money);
        m_fx.save();
        then({{Op::Flash, int32_t(Display::Bet), c.Bet},
              {Op::DealAfterBet, int32_t(before), 1}});
        return;
    }
    dealAfterBet(before, true);
}

// ---------------------------------------------------------------- Extra screen and exit

void Round::LbSpeedButton1MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmExtra];
    if (!armed)
        return;
    armed = 0;
    if (m_gs.Autoplay)
        return;
    const Phase before = m_phase;
    if (m_fx.openExtra()) {
        m_beforeExtra = before;
        m_phase = Phase::ExtraOpen; // the flags stay as they were
    }
}

void Round::offClick()
{
    m_phase = Phase::Exiting;
    // What was left for later is dropped: nothing acts behind the exit.
    m_chains.clear();
    m_work->steps.clear();
    m_fx.autoplayTimer(false);
    if (m_gs.settings.SoundFx)
        m_fx.play("clickmic");
    m_fx.saveSettings();
    m_fx.save();
}

std::optional<CueName> Round::farewellCue() const
{
    if (m_gs.settings.VoiceFx)
        return CueName("byebye");
    if (m_gs.settings.SoundFx)
        return CueName("offg");
    return std::nullopt;
}

// ---------------------------------------------------------------- the game played

void Round::chooseGame(int index)
{
    if (m_gs.Autoplay)
        return;
    // A pending win stays with the game it was won in.
    if (m_gs.counters.Win > 0)
        moveToCredit(m_gs.counters.Win);
    m_fx.save();
    m_fx.switchGame(index);
}

bool Round::deckJoker() const
{
    return casino() ? casino()->wild == Wild::Joker : m_gs.settings.Joker != 0;
}

bool Round::controlled() const
{
    return m_gs.settings.PayoutControl && !casino();
}

int64_t Round::classPay(int cls) const
{
    if (const Game* g = casino())
        return cls > 0 && cls < g->classCount ? g->pay[size_t(cls)] : 0;
    return cls >= 1 && cls <= 11 ? Multiplier[size_t(cls)] : 0;
}

bool Round::paying(int cls) const
{
    return casino() ? classPay(cls) > 0 : cls >= 2;
}

bool Round::bigHand(int cls) const
{
    if (const Game* g = casino())
        return g->keys[size_t(cls)] >= ClassKey::FourOfAKind;
    return cls >= 8;
}

int Round::blankClass() const
{
    return casino() ? 0 : 1;
}

std::string Round::classText(int cls) const
{
    if (const Game* g = casino())
        return cls == 0 ? std::string(HandNames[1]) : std::string(className(g->keys[size_t(cls)]));
    return HandNames[size_t(cls)];
}

int Round::evaluate(Hand& hand, HandFlags& flags)
{
    const Game* g = casino();
    if (!g)
        return EvaluateHand(hand, flags, m_gs.settings.HoldHighCard != 0);
    const std::array<int, 5> cards = handCards(hand);
    const int cls = GameClassifier(*g).classify(cards.data());
    const int mask = winningMask(*g, cards.data(), cls);
    for (int k = 1; k <= 5; ++k) {
        if ((mask >> (k - 1)) & 1)
            hand.Held[size_t(k)] = 1;
    }
    return cls;
}

} // namespace tarvelle
