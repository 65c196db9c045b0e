// The game's files on disk: reading one whole, replacing one in a single rename, taking turns
// over one with another copy of the game, and the folders they may live in. Free of any window,
// so that each can be tested on its own.
#pragma once

#include <QLockFile>
#include <QString>
#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Platform.h"

namespace fitzel {

// The player's own folder for the game's files (~/.local/share/fitzel), or none when there is no
// usable home folder to put it in.
std::optional<QString> playerDataFolder();
// Whether a new file can be made in the folder.
bool canMakeFilesIn(const QString& folder);
// Reads at most maxBytes of a file.
Read<FileBytes> readWholeFile(const QString& path, std::size_t maxBytes);
// Writes a whole new file beside the old one and renames it into the old one's place, making
// the folder first when it is missing.
Fault replaceWholeFile(const QString& path, const std::string& bytes);

// The lock files this copy of the game holds, each kept until it is unlocked or the locks go.
class FileLocks {
  public:
    // Takes the lock at path, making its folder when it is missing; waits up to five seconds
    // while another copy holds it.
    Fault lock(const QString& path);
    void unlock(const QString& path);

  private:
    std::map<QString, std::unique_ptr<QLockFile>> held_;
};

}  // namespace fitzel
