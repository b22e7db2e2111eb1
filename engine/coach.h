#pragma once

// The strategy coach: the exact value of every hold of the dealt hand, the player's
// mistakes at the draw, and the exact return of the game as set. Values come from
// the exact analysis (engine/analysis.h), the same that `tarvelle-tool analyze` prints.
//
// Holds are masks over the five positions: bit 0 is card 1, bit 4 card 5. Holds of
// equal value are listed, and the first of equal best is chosen, by ascending mask:
// the order `tarvelle-tool analyze` prints them in.

#include "engine/analysis.h"
#include "engine/cards.h"

#include <array>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <tuple>

namespace tarvelle {

int heldMask(const Hand& hand);
void setHeld(Hand& hand, int mask);

// The positions that kept their card from the dealt to the final hand: the holds the
// draw was made with, since a drawn card is never one of the five dealt.
int keptMask(const std::array<int, 5>& dealt, const std::array<int, 5>& final);

// One dealt hand worked out exactly.
class HandAdvice {
public:
    HandAdvice(const std::array<int, 5>& cards, bool joker, const PayList& pay);
    // Any game of the catalogue, or of the player's own.
    HandAdvice(const std::array<int, 5>& cards, const Game& game);

    const std::array<int, 5>& cards() const { return m_cards; }
    bool joker() const { return m_joker; }
    // Expected pay per credit bet of drawing to the hold.
    long double value(int mask) const { return m_values.value(mask); }
    // The 32 holds best first, ties by ascending mask.
    const std::array<int, 32>& ranking() const { return m_ranking; }
    int best() const { return m_ranking[0]; }
    // 1 + the number of holds worth strictly more: every hold tied with the best is 1.
    int rank(int mask) const;
    bool isBest(int mask) const { return !m_values.better(best(), mask); }
    // Credits given up against the best hold, at the bet.
    long double cost(int mask, int bet) const;
    const HoldValues& values() const { return m_values; }

private:
    std::array<int, 5> m_cards;
    bool m_joker;
    HoldValues m_values;
    std::array<int, 32> m_ranking;
};

// Training mode: a draw holding `mask` is held back to say so when the hold is worth less than
// the best by more than `threshold` per credit bet. Holds tied with the best never are.
bool trainingStops(const HandAdvice& advice, int mask, long double threshold);

// The first of equal best holds for five dealt cards.
int expertHoldMask(const std::array<int, 5>& cards, bool joker, const PayList& pay);
int expertHoldMask(const std::array<int, 5>& cards, const Game& game);

struct DrawReview {
    int best = 0;
    int yours = 0;
    long double bestValue = 0;
    long double yourValue = 0;
    long double cost = 0; // credits at the bet played
    bool bestPlay = true; // the hold was among the best (ties count)
};

struct SessionFigures {
    int64_t hands = 0;
    int64_t mistakes = 0;
    long double creditsLost = 0;
    // Percent of the hands played best; 100 before any hand.
    double accuracy() const;
};

// The hand on the table and the figures of the session.
class Coach {
public:
    explicit Coach(const PayList& pay = gamePayList()) : m_pay(pay) {}

    // A new hand was dealt. Working out the same cards again reuses the values.
    const HandAdvice& dealt(const std::array<int, 5>& cards, bool joker);
    // The same in any game, with that game's pays.
    const HandAdvice& dealt(const std::array<int, 5>& cards, const Game& game);
    const std::optional<HandAdvice>& hand() const { return m_hand; }
    // The draw was made holding `mask` at `bet`; a counted draw adds to the figures.
    // Without a dealt hand, or a second time for the same hand, nothing is reviewed.
    std::optional<DrawReview> drawn(int mask, int bet, bool counted);
    const std::optional<DrawReview>& lastReview() const { return m_review; }
    const SessionFigures& figures() const { return m_figures; }
    const PayList& pay() const { return m_pay; }

private:
    PayList m_pay;
    std::optional<HandAdvice> m_hand;
    std::optional<DrawReview> m_review;
    bool m_reviewed = false;
    SessionFigures m_figures;
};

// What the game's return depends on besides the pay table.
struct ReturnSetting {
    bool joker = false;
    bool holdHighCard = false;
    bool holdOpenInside = false;
    // A casino game: its own deck and pays, played to the best hold; the three above unused.
    std::optional<Game> game = std::nullopt;

    auto key() const
    {
        return std::tuple(joker, holdHighCard, holdOpenInside, game ? game->id : std::string(),
                          game ? game->pay : ClassPays{});
    }
    auto operator<=>(const ReturnSetting& o) const { return key() <=> o.key(); }
    bool operator==(const ReturnSetting& o) const { return key() == o.key(); }
};

struct SettingReturn {
    long double best = 0;    // drawing to the best hold every time
    long double advisor = 0; // drawing to the table's own proposal
    double seconds = 0;      // how long the computation took
};

// Both returns in one pass over the deals.
SettingReturn settingReturn(const ReturnSetting& s, const PayList& pay = gamePayList(), int threads = 2);

// Works the returns out on a thread of its own, one setting at a time, the latest
// request first, and keeps every result of the session.
class ReturnFigures {
public:
    // Called on the worker thread when a setting's figures are ready.
    using Ready = std::function<void(const ReturnSetting&, const SettingReturn&)>;
    explicit ReturnFigures(Ready onReady = {}, const PayList& pay = gamePayList());
    ~ReturnFigures(); // waits for a computation under way
    ReturnFigures(const ReturnFigures&) = delete;
    ReturnFigures& operator=(const ReturnFigures&) = delete;

    // The figures when known; otherwise queues the setting and returns nothing.
    std::optional<SettingReturn> request(const ReturnSetting& s);
    std::optional<SettingReturn> known(const ReturnSetting& s) const;

private:
    void run();

    Ready m_onReady;
    PayList m_pay;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::map<ReturnSetting, SettingReturn> m_known;
    std::optional<ReturnSetting> m_wanted;
    bool m_stop = false;
    std::thread m_worker;
};

} // namespace tarvelle
