// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game's files are: the shipped files beside the program, and the player's own.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace zembrik {

// Every reader and writer of a file asks these folders; nothing else decides a path.
struct Places {
    QString shipped; // holds data/, gfx/ and snd/ as shipped; never written at run time
    QString modules; // holds the audio module (libbass.so); never written at run time
    // The player's folders are empty when there is none (no home folder): nothing is kept then.
    QString settings;     // option_game.000, option_key.000, option_style.000, option_more.000
    QString playerData;   // records.000 and replays/
    QString playerFiles;  // the player's own shape sets and styles in data/, images in gfx/
    bool portable = true; // the program's own data/ is writable: every file lives beside it

    // The settings file to read, as the file system names it: the player's one once anything
    // is there, before that the shipped one (the same file in a portable folder).
    std::string settingsPath(const std::string& name) const;
    // The shape set or style of that bare name (its bytes as they are: a name need not be
    // valid UTF-8): the player's one when anything is there (it wins over a shipped file of
    // the same name), else the shipped one.
    std::string dataPath(const std::string& name) const;
    // The folder holding data/ and gfx/ of that shape set or style, as dataPath chooses.
    QString dataRoot(const std::string& name) const;
    // The folders listed for shape sets and styles: the player's data/, then the shipped one
    // (one folder in a portable folder), as the file system names them.
    std::vector<std::string> dataFolders() const;
    // records.000 and the replays folder, as the file system names them; "" without a
    // player's data folder.
    std::string recordsFile() const;
    std::string replaysFolder() const;
};

// The per-user base folders as the XDG base directory rules give them: $XDG_CONFIG_HOME and
// $XDG_DATA_HOME when set to an absolute path, else ~/.config and ~/.local/share; empty when
// neither is there (HOME unset).
struct UserFolders {
    QString configHome;
    QString dataHome;
};
UserFolders userFolders();

// The layout of a portable folder: everything in appDir, settings and records in its data/.
Places portablePlaces(const QString& appDir);

// Decides the places for the program in appDir. When appDir/data is a writable folder it is
// a portable folder. Otherwise the player's files go to <configHome>/zembrik (settings) and
// <dataHome>/zembrik (records, replays, own shape sets and styles), and the shipped files are
// appDir itself when it has a data/ folder (a read-only copy of a portable folder), else the
// installed layout relative to the program: <prefix>/games/zembrik reads
// <prefix>/share/games/zembrik and loads its module from <prefix>/lib/games/zembrik.
Places findPlaces(const QString& appDir, const UserFolders& user);
// The same with the folders of the environment.
Places findPlaces(const QString& appDir);

// Why the files named in `files` could not be written into `folder` (created as needed),
// or "" when they can: an empty folder (no home folder) and a path too long cannot be; the folder,
// or its nearest existing parent, must be a writable folder, and every one of the files that exists
// must be writable. Creates and changes nothing.
QString writeProblem(const QString& folder, const QStringList& files);

// Creates the folder and any missing parents, readable only by the player (0700), as the
// per-user folders should be (store's makePlayerFolders). Returns "" or the reason it could
// not, naming the part of the path that could not be made.
QString makePlayerFolder(const QString& folder);

} // namespace zembrik
