#pragma once

#include <QString>

namespace tarvelle {

// A hold pattern of the strategy chart ("4 to a flush, 1 high card") in the reader's
// language; the English pattern itself where it has no translation.
QString holdPatternText(const QString& pattern);

} // namespace tarvelle
