#include "engine/paytable.h"

#include "engine/textid.h"

namespace tarvelle {

const std::array<int32_t, 12> Multiplier = {0, 0, 2, 3, 5, 7, 9, 12, 40, 100, 500, 1000};

const std::array<const char*, 12> HandNames = {
    "",
    " ",
    QT_TRANSLATE_NOOP("Engine", "Jacks or better"),
    QT_TRANSLATE_NOOP("Engine", "Two Pairs"),
    QT_TRANSLATE_NOOP("Engine", "Three of a kind"),
    QT_TRANSLATE_NOOP("Engine", "Straight"),
    QT_TRANSLATE_NOOP("Engine", "Flush"),
    QT_TRANSLATE_NOOP("Engine", "Full House"),
    QT_TRANSLATE_NOOP("Engine", "Poker"),
    QT_TRANSLATE_NOOP("Engine", "Straight Flush"),
    QT_TRANSLATE_NOOP("Engine", "Royal Flush"),
    QT_TRANSLATE_NOOP("Engine", "Five of a kind"),
};

const std::array<const char*, 12> PayRowLabels = {
    "",
    QT_TRANSLATE_NOOP("Engine", "Jacks"),
    QT_TRANSLATE_NOOP("Engine", "2 Pair"),
    QT_TRANSLATE_NOOP("Engine", "Three"),
    QT_TRANSLATE_NOOP("Engine", "Straight"),
    QT_TRANSLATE_NOOP("Engine", "Flush"),
    QT_TRANSLATE_NOOP("Engine", "Full "),
    QT_TRANSLATE_NOOP("Engine", "Poker"),
    QT_TRANSLATE_NOOP("Engine", "Str. Fl."),
    QT_TRANSLATE_NOOP("Engine", "Royal Fl."),
    QT_TRANSLATE_NOOP("Engine", "Five"),
    QT_TRANSLATE_NOOP("Engine", "Wins"),
};

const std::array<const char*, 11> BaseOddsJokerOff = {
    "", "13.010", "4.750", "2.112", "0.394", "0.197", "0.144", "0.024", "0.001", "0.000", "0.000",
};

const std::array<const char*, 11> BaseOddsJokerOn = {
    "", "16.765", "4.315", "4.790", "0.716", "0.272", "0.229", "0.108", "0.006", "0.001", "0.000",
};

} // namespace tarvelle
