// tarvelle-tool's input readers: cards, hands, masks, numbers, seeds, pay tables and hand
// lines on standard input. Any text is read or refused with a short one-line reason; no
// other exception escapes. The first byte picks the reader.
#include "tools/tool/command.h"
#include "tools/tool/payoption.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace tarvelle::tool {

std::vector<Command>& commands()
{
    static std::vector<Command> registry;
    return registry;
}

} // namespace tarvelle::tool

using namespace tarvelle::tool;

namespace {

std::vector<std::string> words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

void checkCard(int code)
{
    if (code < 1 || code > tarvelle::JokerCode)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    try {
        switch (data[0] % 8) {
        case 0:
            checkCard(parseCard(text));
            break;
        case 1: {
            const std::vector<int> hand = parseHand(words(text));
            if (hand.size() != 5)
                std::abort();
            for (int c : hand)
                checkCard(c);
            break;
        }
        case 2:
            for (int m : parseMask(text))
                if (m != 0 && m != 1)
                    std::abort();
            break;
        case 3: {
            const long long v = parseInteger(text, "number", -1000, 1000000);
            if (v < -1000 || v > 1000000)
                std::abort();
            break;
        }
        case 4:
            parseSeed(text);
            break;
        case 5:
            paytableOption(text);
            break;
        case 6: {
            std::istringstream in(text);
            forEachHandLine(in, [](const std::vector<int>& codes) {
                for (int c : codes)
                    checkCard(c);
            });
            break;
        }
        default: {
            // Command-line options, one a line, as the subcommands walk them.
            std::vector<std::string> args;
            std::istringstream in(text);
            for (std::string line; std::getline(in, line);)
                args.push_back(line);
            OptionCursor opts(args);
            while (opts.next()) {
                if (opts.is("--seed"))
                    parseSeed(opts.value());
                else if (opts.is("--hold"))
                    parseMask(opts.value());
                else if (opts.is("--paytable"))
                    paytableOption(opts.value());
                else if (opts.looksLikeOption())
                    opts.unknown();
            }
        }
        }
    } catch (const UsageError& e) {
        const std::string why = e.what();
        if (why.empty() || why.size() > 200)
            std::abort();
    }
    return 0;
}
