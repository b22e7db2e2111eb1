#pragma once

#include <QColor>

// The house colours of the table and the Extra screen, in one place.
namespace tarvelle::palette {

inline const QColor Ink(89, 154, 158);        // text, lamps, the stripe of the pay table
inline const QColor InkDim(57, 102, 110);     // the message line blinks to this before a new name
inline const QColor InkBright(105, 170, 174); // the pay table's first column
inline const QColor MenuOver(98, 170, 174);   // a menu caption under the pointer
inline const QColor Table(15, 53, 66);        // the green-blue of the table and the grids
inline const QColor Panel(11, 43, 58);        // the account panel, the help viewer
inline const QColor GridHeader(10, 42, 58);   // the statistics grids' heading row
inline const QColor Item(64, 118, 127);       // a caption at rest
inline const QColor AccountReset(46, 78, 88); // the account "Reset" at rest
inline const QColor Heading(32, 61, 75);      // the account panel's headings
inline const QColor Value(43, 75, 88);        // the account panel's values
inline const QColor CoachRow(21, 59, 72);     // the coach panel's every other row, a shade over Table
inline const QColor CardWhite(225, 240, 240); // the coach panel's black-suit cards and its tick
inline const QColor CardRed(236, 112, 104);   // the coach panel's red-suit cards
inline const QColor Warning(232, 190, 96);    // the coach panel's note that payout control is on

} // namespace tarvelle::palette
