#pragma once

#include "engine/analysis.h"

#include <string>

namespace tarvelle::tool {

// The --paytable value: eleven comma-separated multipliers; throws UsageError.
PayList paytableOption(const std::string& text);

} // namespace tarvelle::tool
