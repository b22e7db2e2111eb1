#pragma once

#include "engine/cards.h"

#include <cstdint>
#include <functional>
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
    const char* usage;   // the synopsis after "tarvelle-tool ", one line
    const char* summary; // what it prints, one line
    CommandFn run;
};

// Subcommands register themselves from their own source file:
//   static const CommandRegistrar reg{{"deal", "deal --seed S ...", "dealt hands ...", runDeal}};
std::vector<Command>& commands();
struct CommandRegistrar {
    explicit CommandRegistrar(const Command& c) { commands().push_back(c); }
};

// A card by code (1..53) or by name as engine/cardtext.h reads it ("Ah", "10d", "Jk").
// Throws UsageError naming the problem.
int parseCard(const std::string& text);
// Five distinct cards; throws UsageError on a wrong count or a repeated card.
std::vector<int> parseHand(const std::vector<std::string>& words);
// Five characters 0 or 1, position 1 first.
std::vector<int> parseMask(const std::string& text);
// Bad input as quoted in an error line: the first few dozen characters of it.
std::string excerpt(const std::string& text);
// A whole number in [lo, hi], leading zeros allowed.
long long parseInteger(const std::string& text, const char* what, long long lo, long long hi);
// A 32-bit generator seed.
uint32_t parseSeed(const std::string& text);

// Walks the arguments in order: `while (opts.next()) { if (opts.is("--x")) ... opts.value() ... }`.
class OptionCursor {
public:
    explicit OptionCursor(const std::vector<std::string>& args) : m_args(args) {}
    bool next() { return ++m_index < m_args.size(); }
    const std::string& current() const { return m_args[m_index]; }
    bool is(const char* name) const { return current() == name; }
    bool looksLikeOption() const
    {
        return current().size() > 1 && current()[0] == '-' && current()[1] == '-';
    }
    // The word after the current option; throws when there is none.
    const std::string& value();
    [[noreturn]] void unknown() const;

private:
    const std::vector<std::string>& m_args;
    size_t m_index = size_t(-1);
};

// The five card codes of positions 1..5, separated by single spaces (no newline).
void printHand(std::ostream& out, const Hand& hand);
// Held[1..5] from a parsed five-character mask.
void setHeld(Hand& hand, const std::vector<int>& mask);

// Reads hands of five cards a line from in, skipping blank lines; errors name the line.
void forEachHandLine(std::istream& in, const std::function<void(const std::vector<int>& codes)>& fn);

} // namespace tarvelle::tool
