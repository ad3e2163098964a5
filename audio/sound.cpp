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

bool Sound::setup(const std::string& moduleDir, const std::string& soundRoot, Alerts& alerts,
                  int16_t muteOpt) {
    if (muteOpt != 0) return true;
    const fs::path dir(soundRoot);
    const std::string module = (fs::path(moduleDir) / kModuleFile).string();
    std::error_code ec;
    if (!fs::is_regular_file(module, ec)) {
        alerts.show(AlertIcon::Critical, "BASS.DLL", "BASS.DLL does not exists");
        return false;
    }
    // A file that does not load as the module is as unusable as one of the wrong version.
    bass_ = loader_->open(module);
    if (!bass_ || bass_->getVersion() != bass::kVersion) {
        bass_.reset();
        alerts.show(AlertIcon::Critical, "Incorrect BASS.DLL", "BASS version 2.2 was not loaded");
        return false;
    }
    if (!bass_->init(-1, 44100, 0, nullptr, nullptr)) {
        basserror(alerts, "Couldn't Initialize Digital Output");
        return abandon();
    }
    sounds_.reserve(std::size(kSoundFiles));
    for (const char* file : kSoundFiles) {
        if (!loadsound((dir / file).string(), alerts)) return abandon();
    }
    return true;
}

bool Sound::loadsound(const std::string& path, Alerts& alerts) {
    bool tooBig = false;
    std::vector<uint8_t> bytes = readWhole(path, tooBig);
    // A file too large or too long to decode is refused before any decoding, with the
    // reason; it ends start-up just as an empty one does.
    if (tooBig) {
        std::error_code ec;
        const uintmax_t megabytes = fs::file_size(path, ec) >> 20;
        alerts.show(AlertIcon::Warning, kAppTitle,
                    "The sound " + path + " is not loaded: it is " + std::to_string(megabytes) +
                        " MB; a sound file may be at most 64 MB.");
        return false;
    }
    // A missing or unreadable file ends start-up just as an empty one does.
    if (bytes.empty()) {
        basserror(alerts, "file empty!");
        return false;
    }
    if (const std::string why = soundProblem(bytes.data(), bytes.size()); !why.empty()) {
        alerts.show(AlertIcon::Warning, kAppTitle,
                    "The sound " + path + " is not loaded: " + why + ".");
        return false;
    }
    Entry& e = sounds_.emplace_back();
    e.bytes = std::move(bytes);
    e.size = static_cast<int32_t>(e.bytes.size());
    const auto length = static_cast<bass::DWORD>(e.size);
    e.channel = bass_->streamCreateFile(1, e.bytes.data(), 0, length, 0);
    if (e.channel == 0) e.channel = bass_->musicLoad(1, e.bytes.data(), 0, length, kMusicFlags, 0);
    if (e.channel == 0) {
        // The message reads the module's error code, so the release comes after it.
        basserror(alerts, "没法从内存中读取数据");
        return false;
    }
    e.name = fittedName(path);
    return true;
}

void Sound::basserror(Alerts& alerts, const std::string& text) {
    const int code = bass_ ? bass_->errorGetCode() : bass::kErrorUnknown;
    alerts.show(AlertIcon::Warning, kAppTitle,
                text + "\r\n(error code: " + std::to_string(code) + ")");
}

// The module is released before the bytes go: a channel made from them must never outlive them.
bool Sound::abandon() {
    shutdown();
    return false;
}

void Sound::playsound(std::string_view code, int16_t count, int16_t muteOpt) {
    if (muteOpt == 1 || !bass_) return;
    const int slot = soundSlot(code, count);
    if (slot < 0 || slot >= soundCount()) return;
    bass_->channelPlay(sounds_[static_cast<size_t>(slot)].channel, 1);
}

void Sound::shutdown() {
    // The channels go first: the module may still be reading the bytes they were made from.
    if (bass_) bass_->free();
    sounds_.clear();
}

} // namespace zembrik
