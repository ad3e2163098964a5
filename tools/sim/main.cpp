// zembrik-sim: runs the rules without window, clock or sound, from a script or as a soak.
#include <fstream>
#include <iostream>
#include <memory>
#include <system_error>

#include "simulator.h"

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
    runScript(*game, o, script.events, std::cout);
    return 0;
}
