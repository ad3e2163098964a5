// SPDX-License-Identifier: GPL-3.0-or-later
// The simulator's option table and argument parser.
#include "options.h"

#include <charconv>
#include <functional>
#include <limits>

namespace zembrik::sim {

namespace {

// How the command line handles one option: its name, whether it takes a value, and how it
// stores that value (the error text, or empty).
struct OptionHandler {
    const char* name;
    bool takesValue;
    std::function<std::string(SimOptions&, const std::string&)> apply;
    const char* help; // its value and what it does, for --help
};

// A handler storing a whole number in [lo, hi] into a 16-bit option.
auto small(int16_t SimOptions::*field, int lo, int hi) {
    return [field, lo, hi](SimOptions& o, const std::string& v) -> std::string {
        const auto n = parseInteger(v, lo, hi);
        if (!n)
            return "must be a whole number from " + std::to_string(lo) + " to " +
                   std::to_string(hi);
        o.*field = static_cast<int16_t>(*n);
        return {};
    };
}

auto count(std::optional<int64_t> SimOptions::*field) {
    return [field](SimOptions& o, const std::string& v) -> std::string {
        const auto n = parseInteger(v, 0, std::numeric_limits<int64_t>::max());
        if (!n) return "must be a whole number of 0 or more";
        o.*field = *n;
        return {};
    };
}

// A handler storing a path, which must not be empty.
auto path(std::optional<std::string> SimOptions::*field) {
    return [field](SimOptions& o, const std::string& v) -> std::string {
        if (v.empty()) return "needs a path";
        o.*field = v;
        return {};
    };
}

// A handler storing one of the custom handling's numbers in [0, hi]: it chooses custom
// handling.
auto handlingStep(int16_t Handling::*field, int hi) {
    return [field, hi](SimOptions& o, const std::string& v) -> std::string {
        const auto n = parseInteger(v, 0, hi);
        if (!n) return "must be a whole number of steps from 0 to " + std::to_string(hi);
        o.handling.*field = static_cast<int16_t>(*n);
        o.handling.custom = 1;
        return {};
    };
}

const std::vector<OptionHandler>& optionTable() {
    static const std::vector<OptionHandler> table{
        {"shapes", true, path(&SimOptions::shapes), "PATH  the shape set"},
        {"level", true, small(&SimOptions::level, 0, 20), "N  start level, 0-20"},
        {"hold", true, small(&SimOptions::hold, 0, 1), "0|1  hold"},
        {"qua", true, small(&SimOptions::qua, 0, 2), "0|1|2  close rows, cascade, leave gaps"},
        {"climb", true, small(&SimOptions::climb, 0, 2), "0|1|2  climb limit 0, 1 or 3"},
        {"debug", false,
         [](SimOptions& o, const std::string&) -> std::string {
             o.debug = true;
             return {};
         },
         "  debug mode (the digit keys act)"},
        {"seed", true,
         [](SimOptions& o, const std::string& v) -> std::string {
             uint64_t n = 0;
             const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
             if (v.empty() || ec != std::errc() || end != v.data() + v.size())
                 return "must be a whole number of 0 or more";
             o.seed = n;
             return {};
         },
         "N  the random seed"},
        {"steps", true, count(&SimOptions::steps), "N  steps to run (default: the script's last)"},
        {"soak", true, count(&SimOptions::soak),
         "N  steps of random keys, games one after another"},
        {"style", true, path(&SimOptions::style), "PATH  the .style file of shots"},
        {"ghost", true, small(&SimOptions::ghost, 0, 1), "0|1  ghost piece"},
        {"next", true, small(&SimOptions::next, 0, 1), "0|1  next previews"},
        {"mode", true,
         [](SimOptions& o, const std::string& v) -> std::string {
             const auto mode = modeNamed(v);
             if (!mode) return "must be classic, sprint or ultra";
             o.mode = *mode;
             return {};
         },
         "classic|sprint|ultra  the game mode (sprint: 40 lines; ultra: 7200 steps)"},
        {"handling", true,
         [](SimOptions& o, const std::string& v) -> std::string {
             if (v != "classic" && v != "custom") return "must be classic or custom";
             o.handling.custom = v == "custom" ? 1 : 0;
             return {};
         },
         "classic|custom  auto-repeat and soft drop (custom: the three numbers below)"},
        {"repeat-delay", true, handlingStep(&Handling::delay, kMaxRepeatDelay),
         "N  custom handling: steps from a move to its auto-repeat, 0-20 (default 10)"},
        {"repeat-interval", true, handlingStep(&Handling::interval, kMaxRepeatInterval),
         "N  custom handling: steps between repeated moves, 0-10, 0 to the wall (default 2)"},
        {"soft-drop", true, handlingStep(&Handling::softDrop, kMaxSoftDropInterval),
         "N  custom handling: steps per row of soft drop, 0-10, 0 to the floor (default 1)"},
        {"replay", true, path(&SimOptions::replay), "FILE  rerun a replay instead of a script"},
        {"dump-every", true,
         [](SimOptions& o, const std::string& v) -> std::string {
             const auto n = parseInteger(v, 1, std::numeric_limits<int64_t>::max());
             if (!n) return "must be a whole number of 1 or more";
             o.dumpEvery = *n;
             return {};
         },
         "N  with --replay: a dump line every N steps"},
        {"help", false,
         [](SimOptions& o, const std::string&) -> std::string {
             o.help = true;
             return {};
         },
         "  print these options"},
    };
    return table;
}

} // namespace

std::optional<int64_t> parseInteger(const std::string& text, int64_t lo, int64_t hi) {
    int64_t n = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (text.empty() || *first == '+') return std::nullopt;
    const auto [end, ec] = std::from_chars(first, last, n);
    if (ec != std::errc() || end != last || n < lo || n > hi) return std::nullopt;
    return n;
}

std::string helpText() {
    std::string text = "usage: zembrik-sim [OPTIONS] [SCRIPT]\n"
                       "       zembrik-sim --replay FILE [--dump-every N]\n"
                       "options (also --name=value):\n";
    for (const OptionHandler& h : optionTable())
        text += std::string("  --") + h.name + (h.takesValue ? " " : "") + h.help + "\n";
    return text;
}

ParsedOptions parseOptions(const std::vector<std::string>& args) {
    ParsedOptions out;
    bool haveScript = false;
    std::string gameOption; // the first option that sets up a game: a replay brings its own
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.size() < 3 || arg.rfind("--", 0) != 0) {
            if (arg.size() > 1 && arg[0] == '-') {
                out.error = "unknown option " + arg;
                return out;
            }
            if (haveScript) {
                out.error = "more than one script given: " + arg;
                return out;
            }
            out.options.script = arg;
            haveScript = true;
            continue;
        }
        const size_t eq = arg.find('=');
        const std::string name =
            arg.substr(2, eq == std::string::npos ? std::string::npos : eq - 2);
        const OptionHandler* entry = nullptr;
        for (const OptionHandler& s : optionTable())
            if (name == s.name) entry = &s;
        if (entry == nullptr) {
            out.error = "unknown option --" + name;
            return out;
        }
        std::string value;
        if (!entry->takesValue) {
            if (eq != std::string::npos) {
                out.error = "option --" + name + " takes no value";
                return out;
            }
        } else if (eq != std::string::npos) {
            value = arg.substr(eq + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            out.error = "option --" + name + " needs a value";
            return out;
        }
        if (gameOption.empty() && name != "replay" && name != "dump-every" && name != "help")
            gameOption = name;
        const std::string problem = entry->apply(out.options, value);
        if (!problem.empty()) {
            out.error = "option --" + name + " " + problem + " (got '" + value + "')";
            return out;
        }
    }
    if (out.options.soak && haveScript) out.error = "--soak runs without a script";
    if (out.options.replay) {
        if (haveScript)
            out.error = "--replay runs without a script";
        else if (!gameOption.empty())
            out.error =
                "--" + gameOption + " cannot be given with --replay: the replay holds the game";
    } else if (out.options.dumpEvery > 0) {
        out.error = "--dump-every needs --replay";
    }
    return out;
}

} // namespace zembrik::sim
