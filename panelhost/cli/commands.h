// The subcommands of panelhost and the parsing of their arguments.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace panelhost {

// One step of a scripted session, applied in command-line order.
struct Op {
    enum Kind { kSet, kFrames, kSettle, kClick, kService };
    explicit Op(Kind k) : kind(k) {}
    Kind kind;
    uint32_t token = 0;  // kSet
    double value = 0;    // kSet
    uint64_t count = 0;  // kFrames
    std::string gauge;   // kClick
    int x = 0, y = 0;    // kClick
    int32_t service = 0; // kService
};

struct Session {
    std::string module;
    std::vector<std::string> gauges;
    std::vector<Op> ops;
    std::string output;  // render: -o FILE.png
};

// Parses "probe"/"render" arguments after the subcommand name.
bool ParseSession(const std::vector<std::string>& args, bool want_output, Session* out, std::string* err);

// Each returns the process exit code; output goes to stdout, errors to
// stderr as one line.
int RunList(const std::vector<std::string>& args);
int RunProbe(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& args);
};
const std::vector<Command>& Commands();

}  // namespace panelhost
