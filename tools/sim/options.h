// SPDX-License-Identifier: GPL-3.0-or-later
// Command-line options of the simulator, parsed from a table so new options are one entry.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/options.h"

namespace zembrik::sim {

// Everything the command line chooses. Defaults are those of a plain run.
struct SimOptions {
    std::optional<std::string> shapes; // shape-set path; default from the application folder
    int16_t level = 0;                 // 0..20
    int16_t hold = 1;                  // 0|1
    int16_t qua = 0;                   // 0|1|2
    int16_t climb = 0;                 // 0|1|2, giving a climb limit of 0, 1 or 3
    bool debug = false;
    uint64_t seed = 1;
    std::optional<int64_t> steps;
    std::optional<int64_t> soak;
    std::optional<std::string> style;  // .style path for shots; default from the application folder
    int16_t ghost = 1;                 // 0|1
    int16_t next = 1;                  // 0|1
    std::string script = "-";          // "-" is standard input
    std::optional<std::string> replay; // a replay file to rerun instead of a script
    int64_t dumpEvery = 0;             // with a replay: a dump every this many steps (0: none)
    Mode mode = Mode::Classic;
    Handling handling; // custom once --handling custom or one of its numbers is given
    bool help = false; // --help: print the options and run nothing
};

// The options the simulator takes, one a line, for --help.
std::string helpText();

// The options, or an error naming the problem (then the options are meaningless).
struct ParsedOptions {
    SimOptions options;
    std::string error;
};

// Parses the arguments after the program name. Options take "--name value" or
// "--name=value"; one non-option argument names the script.
ParsedOptions parseOptions(const std::vector<std::string>& args);

// Parses a whole decimal number in [lo, hi]; nullopt for anything else.
std::optional<int64_t> parseInteger(const std::string& text, int64_t lo, int64_t hi);

} // namespace zembrik::sim
