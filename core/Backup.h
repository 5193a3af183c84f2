// Backup of a location into a timestamped folder inside it, and the folder copy it rests on.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

// The name with which every backup folder begins.
inline const char kBackupPrefix[] = "ORL Backup ";

// Copies the source tree into the target, replacing files already there; sub-folders named as
// backups of `excludedPrefix` (when it is not empty) are left out at every depth, and so is the
// target's own sub-tree when the target lies inside the source. An empty target copies nothing.
// False when a folder cannot be listed or created or a file cannot be copied; a source that
// does not exist copies as an empty folder.
bool CopyFolderTree(Platform& platform, const std::string& source, const std::string& target,
                    const std::string& excludedPrefix);
// The folder or a folder below it holds a file. A folder that exists but cannot be listed counts
// as holding files: what cannot be seen must not be overwritten unseen.
bool FolderHasFiles(Platform& platform, const std::string& folder);
// Copies the source tree, earlier backups left out, into a new backup folder inside `location`.
// False for an empty location, and when a folder of the new backup's name is already there.
bool BackupFolder(Platform& platform, const std::string& source, const std::string& location);
// The prefix followed by the present local time as "yyyy-mm-dd [hh-nn-ss-zzz]".
std::string BackupStamp(Platform& platform, const std::string& prefix);
// The last component of the path is the prefix (letter case aside) followed by a stamp-shaped text.
bool IsBackupFolderName(const std::string& prefix, const std::string& path);

}  // namespace orl
