// panelhost: loads gauge modules, drives their gauges from simulator
// variables, and lists, probes or renders them.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "commands.h"

namespace {

void Usage(FILE* to) {
    std::fprintf(to, "usage: panelhost COMMAND ...\n\ncommands:\n");
    for (const auto& c : panelhost::Commands()) std::fprintf(to, "  panelhost %s\n", c.usage);
    std::fprintf(to,
                 "\nOPS, applied in order:\n"
                 "  --set TOKEN=VALUE   set a simulator variable (VALUE: decimal, nan, inf, -inf)\n"
                 "  --frames N          run N frames\n"
                 "  --settle            run frames until every needle reaches its target\n"
                 "  --click GAUGE@X,Y   click at gauge pixel (X, Y)\n"
                 "  --service ID        one round of gauge callbacks with service id ID\n");
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        Usage(args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    try {
        for (const auto& c : panelhost::Commands())
            if (args[0] == c.name) return c.run({args.begin() + 1, args.end()});
    } catch (const std::exception& e) {
        std::fprintf(stderr, "panelhost: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "panelhost: unknown command '%s'\n", args[0].c_str());
    Usage(stderr);
    return 2;
}
