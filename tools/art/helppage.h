// The players' help page, help.htm.
#pragma once

#include <QString>

namespace tarvelle::art {

QString helpPage();

} // namespace tarvelle::art
