#include "tools/tool/payoption.h"

#include "tools/tool/command.h"

namespace tarvelle::tool {

PayList paytableOption(const std::string& text)
{
    const auto parsed = parsePayList(text);
    if (!parsed)
        throw UsageError("pay table '" + excerpt(text) + "' must be 11 comma-separated whole numbers 0.." +
                         std::to_string(MaxPayMultiplier));
    return *parsed;
}

} // namespace tarvelle::tool
