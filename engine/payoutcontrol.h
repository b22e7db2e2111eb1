#pragma once

#include "engine/cards.h"
#include "engine/random.h"

#include <cstdint>

namespace tarvelle {

// State of the payout-rate control; not saved.
struct PayoutControlState {
    uint8_t ControlLevel = 0;
    uint8_t DealTrials = 1; // start at 1 before the first ctrl
    uint8_t DrawTrials = 1;
    uint8_t TightFlag = 0;
    double StartTime = 0; // local date-time in days, set when the table has started
};

// ctrl ("control"): evaluates the realised payout and sets the level, the trial counts and TightFlag.
// nowDays: local date-time in days (same epoch as StartTime).
void ctrl(PayoutControlState& pc, RandomSource& rng, int32_t credit, int64_t cashoutTotal,
          int64_t insertedTotal, uint8_t payoutRate, double nowDays);

// genecaz, the controlled deal: the worst of n fresh deals (the later one on ties); all Held
// cleared.
void genecaz(Hand& hand, RandomSource& rng, bool joker, int n);
// The controlled draw: the worst of n draws for the same holds; Held as before.
void ControlledDraw(Hand& hand, RandomSource& rng, bool joker, int n);

// The realised payout in percent, 100 * (credit + cashoutTotal) / insertedTotal rounded
// to the nearest integer, halves to even; 0 when nothing was inserted.
int32_t RealisedPayout(int32_t credit, int64_t cashoutTotal, int64_t insertedTotal);
// True in the even five-minute periods since start-up (the tight half of the rhythm).
bool EvenPeriod(double startDays, double nowDays);

// ratele's repair: a rate that is not one of 100, 90, 80, 70, 60, 50 becomes 70.
uint8_t NormalisePayoutRate(uint8_t rate);

} // namespace tarvelle
