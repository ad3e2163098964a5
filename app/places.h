// Where the game's files are: the shipped files beside the program, and the player's own.
#pragma once

#include <QString>

namespace zembrik {

// Every reader and writer of a file asks these folders; nothing else decides a path.
struct Places {
    QString shipped;      // holds data/, gfx/ and snd/ as shipped; never written at run time
    QString settings;     // option_game.000, option_key.000, option_style.000, option_more.000
    QString playerData;   // records.000 and replays/
    bool portable = true; // the program's own data/ is writable: every file lives beside it
};

// Decides the places for the program in appDir. A portable folder keeps everything in its
// own data/.
Places findPlaces(const QString& appDir);

} // namespace zembrik
