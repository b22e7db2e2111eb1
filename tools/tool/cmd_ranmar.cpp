// ranmar IJ KL SKIP COUNT: the lagged-Fibonacci stream, scaled to 24-bit integers.
#include "tools/tool/command.h"

#include "engine/random.h"

#include <ostream>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runRanmar(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    if (args.size() != 4)
        throw UsageError("expected IJ KL SKIP COUNT, got " + std::to_string(args.size()) + " arguments");
    const int ij = int(parseInteger(args[0], "IJ", 0, 31328));
    const int kl = int(parseInteger(args[1], "KL", 0, 30081));
    const long long skip = parseInteger(args[2], "SKIP", 0, 2000000000);
    const long long count = parseInteger(args[3], "COUNT", 0, 1000000);

    Rmar rmar;
    rmar.RanmarInit(ij, kl);
    for (long long i = 0; i < skip; ++i)
        rmar.RanmarNext();
    for (long long i = 0; i < count; ++i)
        out << uint32_t(rmar.RanmarNext() * 16777216.0) << '\n';
    return 0;
}

const CommandRegistrar reg{{"ranmar", "ranmar IJ KL SKIP COUNT",
                              "COUNT numbers of the lagged-Fibonacci generator as 24-bit integers", runRanmar}};

} // namespace
