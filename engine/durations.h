#pragma once

// Every wait and tick of the table, in milliseconds, in one place.
namespace tarvelle::durations {

// A flash's dark and bright steps and the dimmed message line each stay one frame of a
// 60 Hz screen: a 1 ms step would be gone before the screen showed it.
constexpr int Frame = 17;
constexpr int Flash = Frame;         // each of the two steps of a display flash
constexpr int AnnounceBlink = Frame; // the message line dims for this long before a new name
constexpr int SuccessCue = 470;      // the fanfare of a big hand plays out before the voice
constexpr int AfterWinToCredit = 40; // a pending win reaches the credit, then the deal goes on
constexpr int BonusPause = 250;      // the pot shows its new value before it is paid out
constexpr int AutoDoubleWait = 1000; // a paying draw stays on view before Auto Double starts
constexpr int DoubleEnd = 350;       // the last card of a double-up stays on view
constexpr int BankHalfPause = 50;
constexpr int FifthWinPause = 450;
constexpr int FifthWinAfter = 150;
constexpr int ExitFrame = 1;   // each frame of the window shrinking away
constexpr int ExitPause = 500;
constexpr int ScreenRefusal = 2000; // a refused screen shows its message this long, then the game ends

constexpr int AnimationRest = 200;  // Timer4/Timer5 at rest: the first card 200 ms after the press
constexpr int AnimationReveal = 30; // then one card every 30 ms
constexpr int StartupTick = 300;    // Timer1: start-up, clocks, double-up lamps
constexpr int AutoplayStep = 3000;  // Timer2
constexpr int IdleTick = 100;       // Timer3: emblem and attract mode

// A sound server that has not answered in this long is taken as hung: the game plays silently.
constexpr int SoundServerAnswer = 1500;

} // namespace tarvelle::durations
