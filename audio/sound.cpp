// SPDX-License-Identifier: GPL-3.0-or-later
// Sound set-up, loading, play requests and release over the audio module.
#include "audio/sound.h"
#include "audio/sound_length.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace zembrik {
namespace {

namespace fs = std::filesystem;

constexpr const char* kAppTitle = "Zembrik";
constexpr bass::DWORD kMusicFlags = bass::kMusicRamp | bass::kMusicPrescan;

// The file name part of a path, cut or padded with blanks to 20 characters (not bytes).
std::string fittedName(const std::string& path) {
    const std::string name = fs::path(path).filename().string();
    std::string out;
    int chars = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        if ((byte & 0xC0) != 0x80) {
            if (chars == 20) break;
            ++chars;
        }
        out += name[i];
    }
    out.append(static_cast<size_t>(20 - chars), ' ');
    return out;
}

// The whole content of a regular file; empty when it is missing, unreadable, empty or larger
// than a sound file may be (then tooBig is set, and nothing was read).
std::vector<uint8_t> readWhole(const std::string& path, bool& tooBig) {
    std::vector<uint8_t> bytes;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return bytes;
    const auto size = fs::file_size(path, ec);
    if (ec) return bytes;
    if (size > kMaxSoundFileBytes) {
        tooBig = true;
        return bytes;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.resize(static_cast<size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    if (!in || static_cast<uintmax_t>(in.gcount()) != size) bytes.clear();
    return bytes;
}

} // namespace

int soundSlot(std::string_view code, int16_t count) {
    const std::string_view c = code.substr(0, 3);
    if (c == "abs") return count;
    if (c == "lck") return 0;
    if (c == "lnd") return 5;
    if (c == "ers") return count <= 4 ? count : 4;
    if (c == "stt") return 6;
    if (c == "end") return 7;
    if (c == "hld") return 8;
    return 0;
}

Sound::Sound() : Sound(makeSharedLibraryLoader()) {}

Sound::Sound(std::unique_ptr<BassLoader> loader) : loader_(std::move(loader)) {}

Sound::~Sound() {
    shutdown();
}

void Sound::preload(const std::string& moduleDir, const std::string& soundRoot) {
    if (preloaded_.valid() || bass_) return;
    preloadedModuleDir_ = moduleDir;
    preloadedSoundRoot_ = soundRoot;
    // The work touches nothing of this object but the loader, which only opens files: what it
    // makes comes back through the future, which setup() or shutdown() always collects.
    preloaded_ = std::async(std::launch::async, [loader = loader_.get(), moduleDir, soundRoot] {
        return load(*loader, moduleDir, soundRoot);
    });
}

bool Sound::setup(const std::string& moduleDir, const std::string& soundRoot, Alerts& alerts,
                  int16_t muteOpt) {
    silent_ = false;
    if (muteOpt != 0) return true;
    Loaded l;
    if (preloaded_.valid()) {
        l = preloaded_.get();
        if (preloadedModuleDir_ != moduleDir || preloadedSoundRoot_ != soundRoot) {
            release(l);
            l = load(*loader_, moduleDir, soundRoot);
        }
    } else {
        l = load(*loader_, moduleDir, soundRoot);
    }
    bass_ = std::move(l.bass);
    sounds_ = std::move(l.sounds);
    if (!l.failure) return true;
    alerts.show(l.failure->icon, l.failure->title, l.failure->text);
    silent_ = !l.failure->fatal;
    return silent_;
}

Sound::Loaded Sound::load(BassLoader& loader, const std::string& moduleDir,
                          const std::string& soundRoot) {
    Loaded l;
    const fs::path dir(soundRoot);
    const std::string module = (fs::path(moduleDir) / kModuleFile).string();
    std::error_code ec;
    if (!fs::is_regular_file(module, ec)) {
        l.failure = Failure{AlertIcon::Critical, "BASS.DLL", "BASS.DLL does not exists"};
        return l;
    }
    // A file that does not load as the module is as unusable as one of the wrong version.
    l.bass = loader.open(module);
    if (!l.bass || l.bass->getVersion() != bass::kVersion) {
        l.bass.reset();
        l.failure =
            Failure{AlertIcon::Critical, "Incorrect BASS.DLL", "BASS version 2.2 was not loaded"};
        return l;
    }
    if (!l.bass->init(-1, 44100, 0, nullptr, nullptr)) {
        l.failure = basserror(*l.bass, "Couldn't Initialize Digital Output");
        l.failure->fatal = false;
        release(l);
        return l;
    }
    l.sounds.reserve(std::size(kSoundFiles));
    for (const char* file : kSoundFiles) {
        l.failure = loadsound(l, (dir / file).string());
        if (l.failure) {
            release(l);
            return l;
        }
    }
    return l;
}

std::optional<Sound::Failure> Sound::loadsound(Loaded& l, const std::string& path) {
    bool tooBig = false;
    std::vector<uint8_t> bytes = readWhole(path, tooBig);
    // A file too large or too long to decode is refused before any decoding, with the
    // reason; it ends start-up just as an empty one does.
    if (tooBig) {
        std::error_code ec;
        const uintmax_t megabytes = fs::file_size(path, ec) >> 20;
        return Failure{AlertIcon::Warning, kAppTitle,
                       "The sound " + path + " is not loaded: it is " + std::to_string(megabytes) +
                           " MB; a sound file may be at most 64 MB."};
    }
    // A missing or unreadable file ends start-up just as an empty one does.
    if (bytes.empty()) return basserror(*l.bass, "file empty!");
    if (const std::string why = soundProblem(bytes.data(), bytes.size()); !why.empty())
        return Failure{AlertIcon::Warning, kAppTitle,
                       "The sound " + path + " is not loaded: " + why + "."};
    Entry& e = l.sounds.emplace_back();
    e.bytes = std::move(bytes);
    e.size = static_cast<int32_t>(e.bytes.size());
    const auto length = static_cast<bass::DWORD>(e.size);
    e.channel = l.bass->streamCreateFile(1, e.bytes.data(), 0, length, 0);
    if (e.channel == 0) e.channel = l.bass->musicLoad(1, e.bytes.data(), 0, length, kMusicFlags, 0);
    // The message reads the module's error code, so the release comes after it.
    if (e.channel == 0) return basserror(*l.bass, "没法从内存中读取数据");
    e.name = fittedName(path);
    return std::nullopt;
}

Sound::Failure Sound::basserror(BassApi& bass, const std::string& text) {
    return Failure{AlertIcon::Warning, kAppTitle,
                   text + "\r\n(error code: " + std::to_string(bass.errorGetCode()) + ")"};
}

// The module is released before the bytes go: a channel made from them must never outlive
// them. The module itself stays (freed), as after any failed set-up.
void Sound::release(Loaded& l) {
    if (l.bass) l.bass->free();
    l.sounds.clear();
}

void Sound::playsound(std::string_view code, int16_t count, int16_t muteOpt) {
    if (muteOpt == 1 || !bass_) return;
    const int slot = soundSlot(code, count);
    if (slot < 0 || slot >= soundCount()) return;
    bass_->channelPlay(sounds_[static_cast<size_t>(slot)].channel, 1);
}

void Sound::shutdown() {
    if (preloaded_.valid()) {
        // Loaded for a set-up that never came (sound off after all, or a fatal failure first).
        Loaded l = preloaded_.get();
        release(l);
    }
    // The channels go first: the module may still be reading the bytes they were made from.
    if (bass_) bass_->free();
    sounds_.clear();
}

} // namespace zembrik
