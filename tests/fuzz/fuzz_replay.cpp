// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the replay reader: any bytes are either refused with a reason or read into a replay
// that writes back to the same replay and that the player runs without fault. Input that does
// not start like a replay file is taken as a body and compressed first, so the fuzzer reaches
// the body's reader and not only zlib's checks.
#include <cstdlib>
#include <memory>
#include <string>
#include <zlib.h>

#include "replay/player.h"
#include "store/replay.h"

namespace {

std::string asFile(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    if (bytes.rfind("ZRPL", 0) == 0) return bytes;
    uLongf packedSize = compressBound(static_cast<uLong>(size));
    std::string packed(packedSize, '\0');
    if (compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize, data,
                 static_cast<uLong>(size)) != Z_OK)
        std::abort();
    packed.resize(packedSize);
    std::string file = "ZRPL";
    file += '\x01';
    file += '\0';
    for (int i = 0; i < 4; ++i)
        file += static_cast<char>((size >> (8 * i)) & 0xFF);
    return file + packed;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const zembrik::ReplayRead read = zembrik::decodeReplay(asFile(data, size));
    if (!read.error.empty()) {
        if (read.error.find('\n') != std::string::npos) std::abort(); // one line
        return 0;
    }
    const zembrik::Replay& r = read.replay;
    const zembrik::ReplayRead again = zembrik::decodeReplay(zembrik::encodeReplay(r));
    if (!again.error.empty() || !(again.replay == r)) std::abort();

    // Long games (a stall of 32767 steps is one call) take too long for a fuzz run.
    if (r.final.step > 200000) return 0;
    auto g = std::make_unique<zembrik::Game>();
    zembrik::NullHost host;
    zembrik::ReplayPlayer player(r, *g, host);
    player.start();
    while (player.runCall()) {
    }
    if (!player.finished()) std::abort();
    const std::string& d = player.divergence();
    if (!d.empty() && d.rfind("replay diverged at step ", 0) != 0 &&
        d.rfind("replay stopped at step ", 0) != 0)
        std::abort();
    return 0;
}
