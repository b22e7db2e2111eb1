// Card, hand, mask and number parsing shared by the subcommands.
#include "tools/tool/command.h"

#include "engine/cards.h"
#include "engine/cardtext.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>

namespace tarvelle::tool {

namespace {

bool allDigits(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

} // namespace

std::string excerpt(const std::string& text)
{
    constexpr size_t kShown = 40;
    if (text.size() <= kShown)
        return text;
    return text.substr(0, kShown) + "... (" + std::to_string(text.size()) + " characters)";
}

long long parseInteger(const std::string& text, const char* what, long long lo, long long hi)
{
    const bool negative = !text.empty() && text[0] == '-';
    std::string digits = negative ? text.substr(1) : text;
    if (!allDigits(digits))
        throw UsageError(std::string(what) + " '" + excerpt(text) + "' is not a whole number");
    // Leading zeros change nothing; what is left decides whether the number can fit.
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
    const auto outOfRange = [&] {
        return UsageError(std::string(what) + " " + excerpt(text) + " is out of range " + std::to_string(lo) +
                          ".." + std::to_string(hi));
    };
    if (digits.size() > 18)
        throw outOfRange();
    long long value = std::stoll(digits);
    if (negative)
        value = -value;
    if (value < lo || value > hi)
        throw outOfRange();
    return value;
}

int parseCard(const std::string& text)
{
    if (allDigits(text))
        return int(parseInteger(text, "card code", 1, JokerCode));
    if (const int code = cardCodeFromName(text))
        return code;
    throw UsageError("unknown card '" + excerpt(text) +
                     "' (use 1..53, or rank 2-9 T J Q K A with suit h d s c, or Jk)");
}

std::vector<int> parseHand(const std::vector<std::string>& words)
{
    if (words.size() != 5)
        throw UsageError("a hand needs 5 cards, got " + std::to_string(words.size()));
    std::vector<int> codes;
    codes.reserve(5);
    for (const std::string& w : words) {
        const int code = parseCard(w);
        for (int seen : codes) {
            if (seen == code)
                throw UsageError("card '" + excerpt(w) + "' appears twice in one hand");
        }
        codes.push_back(code);
    }
    return codes;
}

std::vector<int> parseMask(const std::string& text)
{
    if (text.size() != 5 || text.find_first_not_of("01") != std::string::npos)
        throw UsageError("hold mask '" + excerpt(text) + "' must be five characters 0 or 1");
    std::vector<int> mask;
    for (char c : text)
        mask.push_back(c - '0');
    return mask;
}

uint32_t parseSeed(const std::string& text)
{
    return uint32_t(parseInteger(text, "seed", 0, 4294967295LL));
}

const std::string& OptionCursor::value()
{
    if (m_index + 1 >= m_args.size())
        throw UsageError("option " + excerpt(current()) + " needs a value");
    return m_args[++m_index];
}

void OptionCursor::unknown() const
{
    throw UsageError("unknown option '" + excerpt(current()) + "'");
}

void printHand(std::ostream& out, const Hand& hand)
{
    for (int i = 1; i <= 5; ++i)
        out << (i > 1 ? " " : "") << hand.code(i);
}

void setHeld(Hand& hand, const std::vector<int>& mask)
{
    for (int i = 1; i <= 5; ++i)
        hand.Held[i] = uint8_t(mask[i - 1]);
}

void forEachHandLine(std::istream& in, const std::function<void(const std::vector<int>& codes)>& fn)
{
    std::string line;
    long long lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        std::istringstream words(line);
        std::vector<std::string> cards;
        for (std::string w; words >> w;)
            cards.push_back(w);
        if (cards.empty())
            continue;
        std::vector<int> codes;
        try {
            codes = parseHand(cards);
        } catch (const UsageError& e) {
            throw UsageError("line " + std::to_string(lineNo) + ": " + e.what());
        }
        fn(codes);
    }
    if (in.bad())
        throw UsageError("cannot read standard input");
}

} // namespace tarvelle::tool
