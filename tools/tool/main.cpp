// tarvelle-tool: runs one registered subcommand. Output is buffered and only
// written when the command succeeds, so a failure never leaves half a result.
#include "tools/tool/command.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>
#include <sstream>

namespace tarvelle::tool {

std::vector<Command>& commands()
{
    static std::vector<Command> registry;
    return registry;
}

} // namespace tarvelle::tool

namespace {

using tarvelle::tool::Command;
using tarvelle::tool::UsageError;

void printHelp(std::ostream& out)
{
    std::vector<Command> list = tarvelle::tool::commands();
    std::sort(list.begin(), list.end(),
              [](const Command& a, const Command& b) { return std::strcmp(a.name, b.name) < 0; });
    out << "usage: tarvelle-tool COMMAND [ARGUMENTS]\n"
           "       tarvelle-tool [COMMAND] --help\n"
           "commands:\n";
    for (const Command& c : list)
        out << "  " << c.usage << "\n      " << c.summary << '\n';
    out << "cards are codes 1..53, or a rank 2-9 T J Q K A and a suit h d s c (Jk is the Joker);\n"
           "masks are five 0s and 1s, card 1 first. More in tarvelle-tool(6).\n";
}

// The same synopsis line as in the list above, then what the command prints.
void printCommandHelp(std::ostream& out, const Command& c)
{
    out << "usage: tarvelle-tool " << c.usage << '\n' << c.summary << '\n';
}

int fail(std::string problem, int code)
{
    // One line, whatever the offending input contained.
    for (char& c : problem) {
        if (static_cast<unsigned char>(c) < 0x20)
            c = '?';
    }
    std::cerr << "tarvelle-tool: " << problem << '\n';
    return code;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return fail("no command given (see --help)", 2);
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printHelp(std::cout);
        return std::cout.flush() ? 0 : 1;
    }

    const auto& list = tarvelle::tool::commands();
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const Command& c) { return args[0] == c.name; });
    if (it == list.end())
        return fail("unknown command '" + tarvelle::tool::excerpt(args[0]) + "' (see --help)", 2);
    const Command command = *it;
    args.erase(args.begin());
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        printCommandHelp(std::cout, command);
        return std::cout.flush() ? 0 : 1;
    }

    std::ostringstream buffer;
    int rc = 0;
    try {
        rc = command.run(args, std::cin, buffer);
    } catch (const UsageError& e) {
        return fail(std::string(command.name) + ": " + e.what(), 2);
    } catch (const std::exception& e) {
        return fail(std::string(command.name) + ": " + e.what(), 1);
    } catch (...) {
        return fail(std::string(command.name) + ": unexpected failure", 1);
    }
    if (rc != 0)
        return rc;
    std::cout << buffer.str();
    std::cout.flush();
    if (!std::cout)
        return fail("cannot write the output", 1);
    return 0;
}
