// SPDX-License-Identifier: GPL-3.0-or-later
// zembrik-sim: runs the rules without window, clock or sound, from a script or as a soak.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>

#include "render/shot.h"
#include "render/style_file.h"
#include "simulator.h"
#include "store/safe_file.h"

namespace {

std::filesystem::path appFolder(const char* argv0) {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return exe.parent_path();
    return std::filesystem::absolute(argv0, ec).parent_path();
}

int bad(const std::string& problem) {
    std::cerr << "zembrik-sim: " << problem << '\n';
    return 2;
}

// Everything written to standard output has to reach it: a full disk or a closed pipe behind
// it is a failure, never a success.
int finish(int status) {
    std::cout.flush();
    if (!std::cout)
        return bad(std::string("cannot write the output (") + std::strerror(errno) + ")");
    return status;
}

} // namespace

int main(int argc, char** argv) {
    using namespace zembrik::sim;
    // A file-size limit makes a write fail, reported like a full disk, instead of ending us.
    zembrik::ignoreFileSizeSignal();
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) return bad(parsed.error);
    const SimOptions& o = parsed.options;
    if (o.help) {
        std::cout << helpText();
        return finish(0);
    }

    if (o.replay) {
        const zembrik::ReplayRead read = zembrik::readReplayFile(*o.replay);
        if (!read.error.empty()) return bad(read.error);
        auto game = std::make_unique<zembrik::Game>();
        return finish(runReplay(*game, read.replay, o.dumpEvery, std::cout, std::cerr));
    }

    Script script;
    if (!o.soak) {
        std::ifstream file;
        if (o.script != "-") {
            // A folder would open and read as an empty script: a game with no events.
            std::error_code ec;
            if (std::filesystem::is_directory(o.script, ec))
                return bad("cannot read script: " + o.script + " is a folder");
            file.open(o.script);
            if (!file) return bad("cannot read script: " + o.script + ": " + std::strerror(errno));
        }
        std::istream& in = o.script == "-" ? std::cin : file;
        script = parseScript(in);
        if (!script.error.empty()) return bad(script.error);
        if (in.bad()) return bad("cannot read script: " + o.script + ": a read failed");
    }

    auto game = std::make_unique<zembrik::Game>();
    const auto shapes =
        o.shapes ? std::filesystem::path(*o.shapes) : defaultShapes(appFolder(argv[0]));
    const std::string err = prepareGame(*game, o, shapes);
    if (!err.empty()) return bad(err);

    if (o.soak) return finish(runSoak(*game, o, std::cout, std::cerr));

    zembrik::sim::ShotFn shot;
    const bool wantsShots = std::any_of(script.events.begin(), script.events.end(),
                                        [](const Event& e) { return e.kind == EventKind::Shot; });
    auto style = std::make_unique<zembrik::Style>();
    if (wantsShots || o.style) {
        std::string styleErr;
        if (o.style) {
            // A style file lies in a data folder; its images in the gfx folder beside it. The
            // messages name the style file as it was given.
            std::error_code ec;
            const auto base = std::filesystem::absolute(*o.style, ec).parent_path().parent_path();
            styleErr = zembrik::loadstyleFile(*style, *o.style, (base / "gfx").string());
        } else {
            const auto app = appFolder(argv[0]);
            styleErr = zembrik::loadstyle(*style, app.string(), defaultStyleName(app));
        }
        if (!styleErr.empty()) return bad(styleErr);
    }
    shot = [&style](const zembrik::Game& g, int16_t nocurr, const std::string& file) {
        // Encoded whole in memory, then written safely: a full disk leaves any old picture
        // as it was and fails the run.
        const std::string png = zembrik::shotPng(g, *style, nocurr);
        if (png.empty()) return "cannot encode the picture " + file;
        return zembrik::writeFileSafely(file, png);
    };
    // Output is held back until the run succeeds, so a failed shot prints nothing on stdout.
    std::ostringstream out;
    const std::string shotErr = runScript(*game, o, script.events, out, shot);
    if (!shotErr.empty()) return bad(shotErr);
    std::cout << out.str();
    return finish(0);
}
