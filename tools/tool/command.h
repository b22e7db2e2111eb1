#pragma once

#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvelle::tool {

// Bad input: main prints "tarvelle-tool: <what>" on standard error and exits with 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using CommandFn = int (*)(const std::vector<std::string>& args, std::istream& in, std::ostream& out);

struct Command {
    const char* name;
    const char* usage;  // one line, shown by `tarvelle-tool --help`
    CommandFn run;
};

// Subcommands register themselves from their own source file:
//   static const CommandRegistrar reg{{"deal", "deal --seed S ...", runDeal}};
std::vector<Command>& commands();
struct CommandRegistrar {
    explicit CommandRegistrar(const Command& c) { commands().push_back(c); }
};

// A card by code (1..53) or by name: rank 2-9, T, J, Q, K, A and suit h, d, s, c
// (suits 1..4), or "Jk" for the Joker. Throws UsageError naming the problem.
int parseCard(const std::string& text);
// Five distinct cards; throws UsageError on a wrong count or a repeated card.
std::vector<int> parseHand(const std::vector<std::string>& words);
// Five characters 0 or 1, position 1 first.
std::vector<int> parseMask(const std::string& text);
// A whole number in [lo, hi].
long long parseInteger(const std::string& text, const char* what, long long lo, long long hi);

}  // namespace tarvelle::tool
