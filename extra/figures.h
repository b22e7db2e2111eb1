#pragma once

#include <QFont>
#include <QString>

#include <cstdint>

namespace tarvelle {

// A figure as it fits a box width pixels wide in font: whole when it can be, otherwise in
// thousands, millions and so on up to quintillions, rounded toward zero with the unit
// ("9223372 T"); never cut. Counters and account values at the ends of their ranges are
// wider than some boxes.
QString fitFigure(int64_t value, const QFont& font, int width);

} // namespace tarvelle
