// SPDX-License-Identifier: GPL-3.0-or-later
// The replay script reader.
#include "script.h"

#include <limits>
#include <sstream>

#include "options.h"

namespace zembrik::sim {

namespace {

struct KeyName {
    std::string_view name;
    int code;
};

constexpr KeyName kKeys[] = {
    {"left", kCodeLeft}, {"right", kCodeRight}, {"down", kCodeDown},
    {"rotl", kCodeRotl}, {"rotr", kCodeRotr},   {"rot3", kCodeRot3},
    {"drop", kCodeDrop}, {"hold", kCodeHold},   {"esc", kCodeEsc},
};

// What follows an event's word on its line: nothing, a key name, or a file name.
enum class Arg { None, Key, File };

// The word that names an event in a script, the kind of event it makes, and what follows it.
struct EventWord {
    std::string_view name;
    EventKind kind;
    Arg arg;
};

constexpr EventWord kEvents[] = {
    {"press", EventKind::Press, Arg::Key},
    {"release", EventKind::Release, Arg::Key},
    {"dump", EventKind::Dump, Arg::None},
    {"shot", EventKind::Shot, Arg::File},
};

} // namespace

int keyCode(std::string_view name) {
    for (const KeyName& k : kKeys)
        if (k.name == name) return k.code;
    if (name.size() == 1 && name[0] >= '1' && name[0] <= '9') return name[0]; // 49..57
    return -1;
}

Script parseScript(std::istream& in) {
    Script out;
    std::string line;
    int64_t lastStep = 0;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream words(line);
        std::string stepText, name, arg, extra;
        words >> stepText;
        if (stepText.empty() || stepText[0] == '#') continue;
        words >> name >> arg >> extra;
        const auto fail = [&](const std::string& why) {
            out.events.clear();
            out.error = "script line " + std::to_string(number) + ": " + why;
            return out;
        };
        const auto step = parseInteger(stepText, 1, std::numeric_limits<int64_t>::max());
        if (!step) return fail("step must be a whole number of 1 or more, got '" + stepText + "'");
        if (*step < lastStep)
            return fail("step " + stepText + " comes after step " + std::to_string(lastStep));
        lastStep = *step;
        const EventWord* entry = nullptr;
        for (const EventWord& e : kEvents)
            if (e.name == name) entry = &e;
        if (entry == nullptr)
            return fail(name.empty() ? std::string("missing event")
                                     : "unknown event '" + name + "'");
        Event ev{*step, entry->kind, 0, {}};
        if (entry->arg == Arg::File) {
            // The file name is the rest of the line, so it may contain blanks.
            const size_t at = line.find(name, line.find(stepText) + stepText.size()) + name.size();
            const size_t from = line.find_first_not_of(" \t", at);
            ev.file = from == std::string::npos ? std::string() : line.substr(from);
            while (!ev.file.empty() && (ev.file.back() == ' ' || ev.file.back() == '\t'))
                ev.file.pop_back();
            if (ev.file.empty()) return fail(name + " needs a file name");
        } else if (entry->arg == Arg::Key) {
            if (arg.empty()) return fail(name + " needs a key");
            ev.key = keyCode(arg);
            if (ev.key < 0) return fail("unknown key '" + arg + "'");
            if (!extra.empty()) return fail("unexpected '" + extra + "'");
        } else if (!arg.empty()) {
            return fail("unexpected '" + arg + "'");
        }
        out.events.push_back(ev);
    }
    return out;
}

} // namespace zembrik::sim
