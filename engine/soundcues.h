// The game's sound cues: one list for the game, the art generator and the build, which reads the
// X(...) lines below. Each line: name, channels, sample rate, length in seconds, and the words
// spoken (nullptr for an effect).
#pragma once

#include <cstdint>
#include <string_view>

// clang-format off
#define TARVELLE_SOUND_CUES(X)                          \
    X(intro,    2, 44100, 3.93, nullptr)                \
    X(welcome,  1, 22050, 0.43, "Welcome")              \
    X(byebye,   1, 22050, 0.55, "Bye bye")              \
    X(click,    2, 44100, 0.02, nullptr)                \
    X(clickmic, 2, 44100, 0.02, nullptr)                \
    X(cartile,  2, 44100, 0.41, nullptr)                \
    X(okd,      2, 44100, 0.14, nullptr)                \
    X(offg,     2, 44100, 0.58, nullptr)                \
    X(succes,   2, 44100, 0.40, nullptr)                \
    X(jb,       1, 22050, 1.20, "Jacks or better")      \
    X(tp,       1, 22050, 0.93, "Two pairs")            \
    X(tok,      1, 16000, 0.81, "Three of a kind")      \
    X(st,       1, 22050, 0.86, "Straight")             \
    X(flu,      1, 22050, 0.69, "Flush")                \
    X(fh,       1, 22050, 1.06, "Full house")           \
    X(pok,      1, 22050, 0.66, "Poker")                \
    X(sflu,     1, 16000, 1.02, "Straight flush")       \
    X(rf,       1, 22050, 1.09, "Royal flush")          \
    X(fok,      1, 16000, 0.86, "Five of a kind")       \
    X(cart1,    2, 44100, 0.04, nullptr)                \
    X(cart2,    2, 44100, 0.04, nullptr)                \
    X(cart3,    2, 44100, 0.04, nullptr)                \
    X(cart4,    2, 44100, 0.04, nullptr)                \
    X(cart5,    2, 44100, 0.04, nullptr)                \
    X(err,      2, 44100, 0.16, nullptr)                \
    X(kob,      1, 22050, 1.20, "Kings or better")      \
    X(foak,     1, 22050, 1.10, "Four of a kind")       \
    X(f5k,      1, 22050, 1.50, "Four fives to kings")  \
    X(f24,      1, 22050, 1.40, "Four twos to fours")   \
    X(fa,       1, 22050, 0.90, "Four aces")            \
    X(f24k,     1, 22050, 1.90, "Four twos to fours with a kicker") \
    X(fak,      1, 22050, 1.50, "Four aces with a kicker") \
    X(wrf,      1, 22050, 1.30, "Wild royal flush")     \
    X(fdeu,     1, 22050, 1.00, "Four deuces")          \
    X(nrf,      1, 22050, 1.50, "Natural royal flush")
// clang-format on

namespace tarvelle {

enum class Cue : uint8_t {
#define TARVELLE_CUE_ENUM(name, ...) name,
    TARVELLE_SOUND_CUES(TARVELLE_CUE_ENUM)
#undef TARVELLE_CUE_ENUM
};

inline constexpr const char* kCueNames[] = {
#define TARVELLE_CUE_NAME(name, ...) #name,
    TARVELLE_SOUND_CUES(TARVELLE_CUE_NAME)
#undef TARVELLE_CUE_NAME
};
inline constexpr int kCueCount = int(sizeof kCueNames / sizeof kCueNames[0]);

// -1 for a name that is not a cue.
constexpr int cueIndex(std::string_view name)
{
    for (int i = 0; i < kCueCount; ++i)
        if (name == kCueNames[i])
            return i;
    return -1;
}

// A cue named in the code. Made from a string literal at compile time, so a misspelt cue
// does not build.
class CueName {
public:
    consteval CueName(const char* name) : m_cue(lookup(name)) {}
    constexpr CueName(Cue cue) : m_cue(cue) {}
    constexpr Cue cue() const { return m_cue; }
    constexpr const char* name() const { return kCueNames[int(m_cue)]; }

private:
    static consteval Cue lookup(const char* name)
    {
        const int i = cueIndex(name);
        if (i < 0)
            throw "not a sound cue of the game";
        return Cue(i);
    }
    Cue m_cue;
};

} // namespace tarvelle
