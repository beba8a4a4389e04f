// panelhost's subcommands: list a module, probe a scripted session, render
// a gauge.
#include "commands.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "host_limits.h"
#include "panel.h"
#include "png_writer.h"
#include "report.h"

namespace panelhost {

using panel::Json;
namespace {



int Fail(const std::string& message, int code = 1) {
    std::fprintf(stderr, "panelhost: %s\n", message.c_str());
    return code;
}

bool ParseDouble(const std::string& s, double* out) {
    if (s.empty() || std::isspace(static_cast<unsigned char>(s[0]))) return false;
    errno = 0;
    char* end = nullptr;
    *out = std::strtod(s.c_str(), &end);
    // A finite number too large for a double is refused, not made infinite.
    return end == s.c_str() + s.size() && !(errno == ERANGE && std::isinf(*out));
}

// Decimal, or hexadecimal with 0x; never octal, so 010 is ten.
int Base(const std::string& digits) {
    return digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X') ? 16 : 10;
}

bool ParseUnsigned(const std::string& s, uint64_t max, uint64_t* out) {
    if (s.empty() || !std::isdigit(static_cast<unsigned char>(s[0]))) return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long v = std::strtoull(s.c_str(), &end, Base(s));
    if (errno != 0 || end != s.c_str() + s.size() || v > max) return false;
    *out = v;
    return true;
}

bool ParseInt(const std::string& s, int32_t* out) {
    const bool negative = !s.empty() && s[0] == '-';
    uint64_t magnitude = 0;
    if (!ParseUnsigned(negative ? s.substr(1) : s, uint64_t(INT32_MAX) + (negative ? 1 : 0), &magnitude)) return false;
    *out = int32_t(negative ? -int64_t(magnitude) : int64_t(magnitude));
    return true;
}

}  // namespace

bool ParseSession(const std::vector<std::string>& args, bool want_output, Session* out, std::string* err) {
    auto bad = [err](const std::string& arg, const std::string& why) {
        *err = "bad argument '" + arg + "': " + why;
        return false;
    };
    size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string* v) {
            if (i + 1 >= args.size()) return false;
            *v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--gauge") {
            if (!value(&v) || v.empty()) return bad(a, "needs a gauge name");
            out->gauges.push_back(v);
        } else if (a == "--set") {
            if (!value(&v)) return bad(a, "needs TOKEN=VALUE");
            const size_t eq = v.find('=');
            uint64_t token = 0;
            Op op(Op::kSet);
            if (eq == std::string::npos) return bad(a + " " + v, "needs TOKEN=VALUE");
            if (!ParseUnsigned(v.substr(0, eq), UINT32_MAX, &token) || token == 0)
                return bad(a + " " + v, "token is not a whole number from 1 to 4294967295");
            if (!ParseDouble(v.substr(eq + 1), &op.value))
                return bad(a + " " + v, "value is not a number (decimal, nan, inf or -inf)");
            op.token = uint32_t(token);
            out->ops.push_back(op);
        } else if (a == "--frames") {
            Op op(Op::kFrames);
            if (!value(&v) || !ParseUnsigned(v, 10000000, &op.count))
                return bad(a + (v.empty() ? "" : " " + v), "needs a whole number of frames up to 10000000");
            out->ops.push_back(op);
        } else if (a == "--settle") {
            out->ops.push_back(Op(Op::kSettle));
        } else if (a == "--service") {
            Op op(Op::kService);
            if (!value(&v) || !ParseInt(v, &op.service)) return bad(a + (v.empty() ? "" : " " + v), "needs a service id");
            out->ops.push_back(op);
        } else if (a == "--click") {
            Op op(Op::kClick);
            if (!value(&v)) return bad(a, "needs GAUGE@X,Y");
            const size_t at = v.rfind('@'), comma = v.rfind(',');
            int32_t x = 0, y = 0;
            if (at == std::string::npos || at == 0 || comma == std::string::npos || comma < at ||
                !ParseInt(v.substr(at + 1, comma - at - 1), &x) || !ParseInt(v.substr(comma + 1), &y))
                return bad(a + " " + v, "needs GAUGE@X,Y with whole-number pixels");
            op.gauge = v.substr(0, at);
            op.x = x;
            op.y = y;
            out->ops.push_back(op);
        } else if (a == "-o" && want_output) {
            if (!value(&v) || v.empty()) return bad(a, "needs an output file");
            out->output = v;
        } else if (!a.empty() && a[0] == '-') {
            return bad(a, "unknown option");
        } else if (out->module.empty()) {
            out->module = a;
        } else {
            return bad(a, "a second module; give one module per run");
        }
    }
    if (out->module.empty()) return (*err = "no module given", false);
    if (out->gauges.empty()) return (*err = "no --gauge given", false);
    if (want_output && out->output.empty()) return (*err = "no -o FILE.png given", false);
    if (want_output && out->gauges.size() != 1) return (*err = "render takes exactly one --gauge", false);
    for (const Op& op : out->ops)
        if (op.kind == Op::kClick &&
            std::find(out->gauges.begin(), out->gauges.end(), op.gauge) == out->gauges.end())
            return (*err = "bad argument '--click " + op.gauge + "@...': gauge \"" + op.gauge + "\" is not placed with --gauge", false);
    return true;
}

namespace {

// Loads the module, places the gauges and applies the ops; the log of
// clicks and settles goes into `log`.
bool RunSession(const Session& s, panel::Panel& p, Json* log, std::string* err) {
    panel::Module* m = p.LoadModule(s.module, err);
    if (!m) return false;
    std::vector<panel::PlacedGauge*> placed;
    for (const std::string& name : s.gauges) {
        panel::PlacedGauge* g = p.Place(m, name, err);
        if (!g) return false;
        placed.push_back(g);
    }
    Json clicks = Json::array(), settles = Json::array();
    for (const Op& op : s.ops) {
        switch (op.kind) {
            case Op::kSet: p.variables().Set(op.token, op.value); break;
            case Op::kFrames:
                for (uint64_t i = 0; i < op.count; ++i) p.Frame();
                break;
            case Op::kSettle: {
                size_t frames = 0;
                const bool ok = p.Settle(panel::kMaxSettleFrames, &frames);
                settles.push_back({{"frames", frames}, {"settled", ok}, {"frame", p.frame()}});
                break;
            }
            case Op::kService: p.ServiceRound(op.service); break;
            case Op::kClick: {
                panel::PlacedGauge* g = placed[size_t(std::find(s.gauges.begin(), s.gauges.end(), op.gauge) - s.gauges.begin())];
                const panel::ClickResult r = p.Click(g, op.x, op.y);
                Json c = {{"gauge", op.gauge}, {"x", op.x}, {"y", op.y}, {"frame", p.frame()}, {"hit", r.hit}};
                if (r.hit) {
                    c["area"] = r.area;
                    c["result"] = r.result;
                }
                clicks.push_back(c);
                break;
            }
        }
    }
    (*log)["clicks"] = clicks;
    (*log)["settles"] = settles;
    return true;
}

}  // namespace

int RunList(const std::vector<std::string>& args) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-')
        return Fail(args.empty() ? "list needs a MODULE" : "bad argument '" + args.back() + "': list takes one MODULE", 2);
    panel::Panel p;
    std::string err;
    panel::Module* m = p.LoadModule(args[0], &err);
    if (!m) return Fail(err);
    std::cout << panel::DescribeModule(*m).dump(2) << "\n";
    return 0;
}

// Parses the arguments and runs the session; on failure prints the error and
// sets the exit code.
bool Start(const std::vector<std::string>& args, bool want_output, Session* s, panel::Panel& p, Json* log,
           int* code) {
    std::string err;
    if (!ParseSession(args, want_output, s, &err)) return (*code = Fail(err, 2), false);
    if (!RunSession(*s, p, log, &err)) return (*code = Fail(err), false);
    return true;
}

int RunProbe(const std::vector<std::string>& args) {
    Session s;
    panel::Panel p;
    Json log;
    int code = 0;
    if (!Start(args, false, &s, p, &log, &code)) return code;
    Json out = panel::DescribePanel(p);
    out["clicks"] = log["clicks"];
    out["settles"] = log["settles"];
    std::cout << out.dump(2) << "\n";
    return 0;
}

int RunRender(const std::vector<std::string>& args) {
    Session s;
    panel::Panel p;
    Json log;
    int code = 0;
    if (!Start(args, true, &s, p, &log, &code)) return code;
    if (p.frame() == 0) p.Frame();  // a gauge is drawn by its first frame
    std::string err;
    if (!panel::WritePng(p.gauges().front()->canvas, s.output, &err)) return Fail(err);
    return 0;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> table = {
        {"list", "list MODULE", RunList},
        {"probe", "probe MODULE --gauge NAME [--gauge NAME ...] [OPS...]", RunProbe},
        {"render", "render MODULE --gauge NAME [OPS...] -o FILE.png", RunRender},
    };
    return table;
}

}  // namespace panelhost
