// zembrik-sim: runs the rules without window, clock or sound, from a script or as a soak.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <system_error>

#include "simulator.h"

#ifdef ZEMBRIK_SIM_SHOTS
#include "render/shot.h"
#include "render/style_file.h"
#endif

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

// The style used without --style: the second line of data/option_style.000, else classic.style.
std::filesystem::path defaultStyle(const std::filesystem::path& appDir) {
    std::ifstream in(appDir / "data" / "option_style.000");
    std::string line;
    if (in && std::getline(in, line) && std::getline(in, line)) {
        while (!line.empty() && (line.back() == '\r' || line.back() == ' '))
            line.pop_back();
        if (!line.empty()) return appDir / "data" / line;
    }
    return appDir / "data" / "classic.style";
}

} // namespace

int main(int argc, char** argv) {
    using namespace zembrik::sim;
    const ParsedOptions parsed = parseOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) return bad(parsed.error);
    const SimOptions& o = parsed.options;

    Script script;
    if (!o.soak) {
        std::ifstream file;
        if (o.script != "-") {
            file.open(o.script);
            if (!file) return bad("cannot read script " + o.script);
        }
        script = parseScript(o.script == "-" ? std::cin : file);
        if (!script.error.empty()) return bad(script.error);
    }

    auto game = std::make_unique<zembrik::Game>();
    const auto shapes =
        o.shapes ? std::filesystem::path(*o.shapes) : defaultShapes(appFolder(argv[0]));
    const std::string err = prepareGame(*game, o, shapes);
    if (!err.empty()) return bad(err);

    if (o.soak) return runSoak(*game, o, std::cout, std::cerr);

    zembrik::sim::ShotFn shot;
    const bool wantsShots = std::any_of(script.events.begin(), script.events.end(),
                                        [](const Event& e) { return e.kind == EventKind::Shot; });
#ifdef ZEMBRIK_SIM_SHOTS
    auto style = std::make_unique<zembrik::Style>();
    if (wantsShots || o.style) {
        // A style file lies in a data folder; its images in the gfx folder beside it.
        const auto path =
            o.style ? std::filesystem::path(*o.style) : defaultStyle(appFolder(argv[0]));
        const auto base = std::filesystem::absolute(path).parent_path().parent_path();
        const std::string styleErr =
            zembrik::loadstyle(*style, base.string(), path.filename().string());
        if (!styleErr.empty()) return bad(styleErr);
    }
    shot = [&style](const zembrik::Game& g, int16_t nocurr, const std::string& file) {
        return zembrik::writeShot(g, *style, nocurr, file);
    };
#else
    if (wantsShots || o.style) return bad("this build of zembrik-sim cannot draw shots");
#endif
    // Output is held back until the run succeeds, so a failed shot prints nothing on stdout.
    std::ostringstream out;
    const std::string shotErr = runScript(*game, o, script.events, out, shot);
    if (!shotErr.empty()) return bad(shotErr);
    std::cout << out.str();
    return 0;
}
