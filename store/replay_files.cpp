// SPDX-License-Identifier: GPL-3.0-or-later
// Naming, listing, saving and pruning replay files.
#include "store/replay_files.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "store/safe_file.h"

namespace zembrik {

namespace {

constexpr const char* kExtension = ".zrp";
constexpr size_t kStemLength = 16; // YYYYMMDDTHHMMSSZ

bool isStem(const std::string& s) {
    if (s.size() != kStemLength || s[8] != 'T' || s[15] != 'Z') return false;
    for (size_t i = 0; i < kStemLength; ++i)
        if (i != 8 && i != 15 && (s[i] < '0' || s[i] > '9')) return false;
    return true;
}

} // namespace

std::string replayStem(int64_t utcSeconds) {
    const auto t = static_cast<std::time_t>(utcSeconds);
    std::tm tm{};
    char out[32] = "19700101T000000Z";
    if (::gmtime_r(&t, &tm) != nullptr && tm.tm_year + 1900 >= 0 && tm.tm_year + 1900 <= 9999)
        std::strftime(out, sizeof out, "%Y%m%dT%H%M%SZ", &tm);
    return out;
}

std::optional<ReplayName> parseReplayName(const std::string& fileName) {
    const size_t ext = std::strlen(kExtension);
    if (fileName.size() <= ext || fileName.compare(fileName.size() - ext, ext, kExtension) != 0)
        return std::nullopt;
    const std::string base = fileName.substr(0, fileName.size() - ext);
    ReplayName n;
    n.stem = base.substr(0, kStemLength);
    if (!isStem(n.stem)) return std::nullopt;
    if (base.size() == kStemLength) return n;
    // "-n" with n from 2 on, written without leading zeros.
    const std::string num = base.substr(kStemLength);
    if (num.size() < 2 || num.size() > 10 || num[0] != '-' || num[1] == '0') return std::nullopt;
    int64_t v = 0;
    for (size_t i = 1; i < num.size(); ++i) {
        if (num[i] < '0' || num[i] > '9') return std::nullopt;
        v = v * 10 + (num[i] - '0');
    }
    if (v < 2) return std::nullopt;
    n.number = v;
    return n;
}

std::string replayFileName(const ReplayName& n) {
    return n.stem + (n.number > 1 ? "-" + std::to_string(n.number) : "") + kExtension;
}

std::vector<std::string> listReplays(const std::string& folder) {
    std::vector<ReplayName> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (!isReadableFile(it->path().string())) continue;
        if (auto n = parseReplayName(file)) names.push_back(*n);
    }
    std::sort(names.begin(), names.end());
    std::vector<std::string> out;
    out.reserve(names.size());
    for (const ReplayName& n : names)
        out.push_back(replayFileName(n));
    return out;
}

SavedReplay saveReplayFile(const std::string& folder, const std::string& stem,
                           const std::string& bytes) {
    SavedReplay out;
    out.error = makePlayerFolders(folder);
    if (!out.error.empty()) return out;
    // Another instance may end a game in the same second: the lock orders the two, and each
    // name is taken only where nothing is, so neither replaces the other's file.
    const FolderLock lock(folder);
    // A thousand games in one second cannot happen; the bound only keeps the loop finite.
    for (int64_t n = 1; n <= 1000; ++n) {
        const std::string name = replayFileName({stem, n});
        const NewFile made = writeNewFileSafely(folder + "/" + name, bytes);
        if (made.taken) continue;
        out.error = made.error;
        if (out.error.empty()) out.fileName = name;
        return out;
    }
    out.error = folder + "/" + stem + kExtension + ": too many games ended in that second";
    return out;
}

std::string pruneReplays(const std::string& folder, size_t keep,
                         const std::function<bool(const std::string&)>& keepAlways,
                         const std::string& justWritten) {
    const FolderLock lock(folder);
    // Oldest first by when each file was written, a time later than now counting as now,
    // then by name: names from a clock that was ahead, or files copied from another
    // machine, do not make the games played since look old.
    const std::vector<std::string> names = listReplays(folder);
    if (names.size() <= keep) return {};
    const std::time_t now = std::time(nullptr);
    std::vector<std::pair<std::time_t, size_t>> order;
    order.reserve(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        struct stat st {};
        const std::string path = folder + "/" + names[i];
        const std::time_t written = ::stat(path.c_str(), &st) == 0 ? st.st_mtime : now;
        order.emplace_back(std::min(written, now), i);
    }
    std::sort(order.begin(), order.end());
    const size_t oldest = names.size() - keep; // files before this index are not the newest
    std::string error;
    for (size_t k = 0; k < oldest; ++k) {
        const std::string& name = names[order[k].second];
        if (name == justWritten || (keepAlways && keepAlways(name))) continue;
        const std::string path = folder + "/" + name;
        if (::unlink(path.c_str()) != 0 && errno != ENOENT && error.empty())
            error = path + ": cannot be deleted (" + std::strerror(errno) + ")";
    }
    return error;
}

} // namespace zembrik
