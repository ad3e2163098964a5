// SPDX-License-Identifier: GPL-3.0-or-later
// A fake audio module for the sound set-up tests: decides by content, records every call.
#pragma once

#include "audio/bass_api.h"

#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace zembrik::testing {

// What the fake was told to do and what it saw; shared by the test and the fake it hands out.
struct FakeBassLog {
    // Behaviour.
    bool loadable = true;
    bass::DWORD version = bass::kVersion;
    bass::BOOL initResult = 1;
    int errorCode = 0; // reported by errorGetCode
    // Calls seen.
    int opens = 0;
    std::string openedPath;
    std::vector<std::string> inits;   // "device freq flags"
    std::vector<std::string> streams; // content of each stream request
    std::vector<std::string> musics;  // content of each module request
    std::vector<std::string> plays;   // content of the channel played, "?" for an unknown one
    std::vector<bass::DWORD> musicFlags;
    std::vector<bass::QWORD> lengths;
    int frees = 0;
    bool bytesChanged = false; // set when a channel's memory no longer holds what it was made of
};

// Streams are made of content starting "RIFF", modules of content starting "MOD"; anything
// else fails both. Each channel remembers where its bytes were, to check they stay put.
class FakeBass : public BassApi {
  public:
    explicit FakeBass(FakeBassLog& log) : log_(log) {}
    bass::DWORD getVersion() override { return log_.version; }
    bass::BOOL init(int device, bass::DWORD freq, bass::DWORD flags, void*, void*) override {
        log_.inits.push_back(std::to_string(device) + " " + std::to_string(freq) + " " +
                             std::to_string(flags));
        return log_.initResult;
    }
    int errorGetCode() override { return log_.errorCode; }
    bass::HSTREAM streamCreateFile(bass::BOOL mem, const void* file, bass::QWORD offset,
                                   bass::QWORD length, bass::DWORD flags) override {
        const std::string content(static_cast<const char*>(file), length);
        log_.streams.push_back(content);
        log_.lengths.push_back(length);
        if (mem != 1 || offset != 0 || flags != 0 || content.rfind("RIFF", 0) != 0) return 0;
        return add(file, content);
    }
    bass::HMUSIC musicLoad(bass::BOOL mem, const void* file, bass::QWORD offset, bass::DWORD length,
                           bass::DWORD flags, bass::DWORD freq) override {
        const std::string content(static_cast<const char*>(file), length);
        log_.musics.push_back(content);
        log_.musicFlags.push_back(flags);
        if (mem != 1 || offset != 0 || freq != 0 || content.rfind("MOD", 0) != 0) return 0;
        return add(file, content);
    }
    bass::BOOL channelPlay(bass::DWORD handle, bass::BOOL restart) override {
        const auto it = channels_.find(handle);
        if (it == channels_.end() || restart != 1) {
            log_.plays.push_back("?");
            return 0;
        }
        const auto& [where, content] = it->second;
        if (std::memcmp(where, content.data(), content.size()) != 0) log_.bytesChanged = true;
        log_.plays.push_back(content);
        return 1;
    }
    bass::BOOL free() override {
        ++log_.frees;
        channels_.clear();
        return 1;
    }

  private:
    bass::DWORD add(const void* where, const std::string& content) {
        const bass::DWORD handle = next_++;
        channels_[handle] = {where, content};
        return handle;
    }

    FakeBassLog& log_;
    bass::DWORD next_ = 100;
    std::map<bass::DWORD, std::pair<const void*, std::string>> channels_;
};

class FakeBassLoader : public BassLoader {
  public:
    explicit FakeBassLoader(FakeBassLog& log) : log_(log) {}
    std::unique_ptr<BassApi> open(const std::string& path) override {
        ++log_.opens;
        log_.openedPath = path;
        if (!log_.loadable) return nullptr;
        return std::make_unique<FakeBass>(log_);
    }

  private:
    FakeBassLog& log_;
};

} // namespace zembrik::testing
