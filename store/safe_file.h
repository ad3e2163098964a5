// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the player's files so that a failure never loses the file that was there.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zembrik {

// What a path names, as both the readers and the writer of the player's files see it.
enum class PathKind {
    Missing,         // nothing there (its folder may or may not exist)
    PlainFile,       // a plain file
    LinkToPlainFile, // a symbolic link (or a chain of them) that ends at a plain file
    Other,           // a folder, device, pipe or socket, a link to one, a dangling link, or a
                     // path that cannot be looked at (a folder on the way cannot be searched)
};
PathKind pathKind(const std::string& path);

// What is at a path, in words for a message: "is a plain file", "is a link to a plain file",
// "is missing", "is a folder", "is a link to a device", "is a link to nothing", ...
std::string describePath(const std::string& path);

// True when the path can be read as a file: a plain file or a link to one. Opening anything
// else could block (a pipe) or never end (a device).
inline bool isReadableFile(const std::string& path) {
    const PathKind k = pathKind(path);
    return k == PathKind::PlainFile || k == PathKind::LinkToPlainFile;
}

// Replaces the file at path with bytes. The bytes go to a new temporary file in the same
// folder as the file they replace; it is written, flushed to the disk and closed with every
// result checked, and only then renamed over the old file. On any failure the temporary file
// is removed and the old file stays as it was, byte for byte. A link that ends at a plain file
// is written through (its target is replaced, keeping its permissions; the link stays); a
// path of kind Other, and a file its owner made read-only, are refused and left as they are.
// The folder must exist: nothing else is created. A second hard link to the old file keeps
// the old bytes. Returns "" on success, otherwise a reason that names the file (the path as
// given) and says what failed.
std::string writeFileSafely(const std::string& path, std::string_view bytes);

// Writes a new file as writeFileSafely does, but only where nothing is: the finished temporary
// file gets the name with link(), which fails when the name was taken meanwhile (by another
// instance of the program), so an existing file is never replaced. `taken` says that the
// name was in use.
struct NewFile {
    std::string error; // "" when the file was written
    bool taken = false;
};
NewFile writeNewFileSafely(const std::string& path, std::string_view bytes);

// Makes the folder and any missing parents, each readable only by the player (0700): the
// player's folders hold their games and times. A folder already there is left as it is.
// Returns "" when the folder is there afterwards, otherwise a reason naming the part that
// could not be made.
std::string makePlayerFolders(const std::string& folder);

// Makes an exceeded file-size limit (ulimit -f) a failed write, EFBIG, instead of the end of
// the process by SIGXFSZ: the safe writer then reports it and keeps the old file, as on a
// full disk. Both programs call it first thing.
void ignoreFileSizeSignal();

// Removes the temporary files the safe writer left in folder when a program ended between
// making one and renaming it: plain files named <name>.XXXXXX (six letters or digits) where
// ours(name) is true, last written over a minute ago (a younger one may be another running
// program's write under way). Returns how many were removed; a folder that cannot be read
// has none.
int removeStaleTemporaries(const std::string& folder,
                           const std::function<bool(std::string_view)>& ours);

// An exclusive lock on a folder of the player's, held while the object lives: the game, a
// second instance of it and the simulator take it around every read-modify-write of a file
// in that folder (records.000) and around choosing a new file's name. It waits for another
// holder to let go. Where the folder cannot be locked (missing, or a file system without
// locks) nothing is held and the work goes on as without it. An empty name locks nothing.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

} // namespace zembrik
