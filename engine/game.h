#pragma once

// A game as data: its deck, its wild cards and its ranked classes with their pays.
// Cards here are indices 0..52 as in the analysis (engine/cards.h).

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

enum class Wild : uint8_t { None, Joker, Deuces };

// What a class of a game is. The engine hands out these keys; the names shown for
// them live with whoever shows them.
enum class ClassKey : uint8_t {
    Nothing,
    LowPair, // a natural pair below the lowest paying pair (the table's game counts it)
    JacksOrBetter,
    KingsOrBetter,
    TwoPairs,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    FourFivesToKings, // four of a kind of Fives to Kings
    FourTwosToFours,  // four Twos, Threes or Fours
    FourAces,
    FourTwosToFoursWithKicker, // ... with an Ace, Two, Three or Four
    FourAcesWithKicker,        // ... with a Two, Three or Four
    StraightFlush,
    RoyalFlush,     // natural, or with a wild card where the game does not tell them apart
    WildRoyalFlush, // made with a wild card (ranks below the natural one)
    FiveOfAKind,
    FourDeuces,
    NaturalRoyalFlush, // without a wild card
};
constexpr int ClassKeyCount = int(ClassKey::NaturalRoyalFlush) + 1;

// Short ids of the keys ("four-aces-with-kicker"), for files and the tool.
std::string_view classKeyId(ClassKey key);
// The English source texts shown for a class and a catalogue game ("9/6 Jacks or Better");
// a game of the player's own is shown by its id. Views translate them.
std::string_view className(ClassKey key);
std::string_view gameTitle(std::string_view id);

// Class 0 is nothing; classes 1..count−1 rank from low to high, and a hand is the
// highest class it can make (with its wild cards standing for whatever helps).
constexpr int MaxClasses = 16;
using ClassPays = std::array<int64_t, MaxClasses>;

struct Game {
    std::string id;     // "jacks-9-6"; an edited table gets an id of its own
    std::string family; // the catalogue game it was made from (its own id for those)
    Wild wild = Wild::None;
    int classCount = 1; // including class 0
    std::array<ClassKey, MaxClasses> keys{};
    ClassPays pay{}; // credits per credit bet, by class

    int deckSize() const { return wild == Wild::Joker ? 53 : 52; }
    // The class of a given key, or −1 when the game has none.
    int classOf(ClassKey key) const;
    // The class whose frequency gives the royal cycle (the natural royal where there is one).
    int royalClass() const;
};

// A game's own hand statistics, by its classes: [0] counts the hands, [c] class c.
struct GameCounts {
    std::array<uint32_t, MaxClasses> dealt{};
    std::array<uint32_t, MaxClasses> final{};
    bool operator==(const GameCounts&) const = default;
};

// The cards that make class `cls` of five cards (the groups of a pair, three or four with
// the wild cards in them; all five where the class takes them all), as a mask with bit 0 the
// first card.
int winningMask(const Game& game, const int* cards, int cls);

// The catalogue: the table's own game first (without, then with the Joker), then the
// casino games.
const std::vector<Game>& gameCatalogue();
const Game* findGame(std::string_view id);
// The table's own game; `pay` replaces its multipliers (classes 1..11) when given.
const Game& tableGame(bool joker);

// An edited pay table: the pays of classes 1..count−1 as comma-separated whole numbers
// 0..MaxGamePay. Nullopt when the text does not fit the game.
constexpr int64_t MaxGamePay = 1000000;
std::optional<Game> editedGame(const Game& base, std::string_view pays);

// The general evaluator: the class of five different deck indices in `game`.
class GameClassifier {
public:
    explicit GameClassifier(const Game& game);
    int classify(const int* cards) const;

    // What the class depends on, for callers that build hands up card by card.
    struct Tally {
        uint64_t counts = 0; // per natural rank, a nibble each
        unsigned ranks = 0;  // natural ranks present
        unsigned suits = 0;  // suits of the natural cards
        int wilds = 0;
    };
    void add(Tally& t, int card) const
    {
        if (card == 52 || (m_deuces && card % 13 == 0)) {
            ++t.wilds;
            return;
        }
        const int r = card % 13;
        t.counts += uint64_t(1) << (4 * r);
        t.ranks |= 1u << r;
        t.suits |= 1u << (card / 13);
    }
    int classify(const Tally& t) const;
    bool deucesWild() const { return m_deuces; }

private:
    int classifyAny(const Tally& t) const;

    bool m_deuces;
    int m_count;
    std::array<ClassKey, MaxClasses> m_keys;
    // Most hands are one natural pair or five odd cards: their classes, looked up.
    std::array<uint8_t, 13> m_onePair{};
    uint8_t m_noPair = 0, m_twoPairs = 0, m_three = 0, m_fullHouse = 0;
    // One wild card beside four odd cards pairs the best of them.
    std::array<uint8_t, 13> m_wildPair{};
};

} // namespace tarvelle
