#include "core/Backup.h"

#include <cstdio>
#include <vector>

#include "core/Locations.h"
#include "core/Text.h"
#include "core/WholeFiles.h"

namespace orl {

namespace {

// Copies one folder level; `excludedTarget` is the full path of the whole copy's target, which
// is not copied into itself when it lies inside the source.
bool CopyTree(Platform& platform, const std::string& source, const std::string& target,
              const std::string& excludedPrefix, const std::string& excludedTarget) {
    std::vector<FolderEntry> entries;
    if (platform.ListFolder(source, "*.*", entries) == Access::Failed) return false;
    int copiedFolders = 0;
    for (const FolderEntry& entry : entries) {
        if (!entry.isFolder) continue;
        if (!excludedPrefix.empty() && IsBackupFolderName(excludedPrefix, entry.name)) continue;
        if (IsFolderAt(platform, source + entry.name + "\\", excludedTarget)) continue;
        if (!CopyTree(platform, source + entry.name + "\\", target + entry.name + "\\", excludedPrefix,
                      excludedTarget)) {
            return false;
        }
        ++copiedFolders;
    }
    // A copied sub-folder has made the target already; otherwise it is made here, empty or not.
    if (copiedFolders == 0 && !platform.CreateFolderPath(target)) return false;
    for (const FolderEntry& entry : entries) {
        if (entry.isFolder || IsTemporaryFileName(entry.name)) continue;
        if (!CopyFileWhole(platform, source + entry.name, target + entry.name)) return false;
    }
    return true;
}

}  // namespace

bool CopyFolderTree(Platform& platform, const std::string& source, const std::string& target,
                    const std::string& excludedPrefix) {
    if (target.empty()) return true;
    const std::string from = AddBackslash(source), to = AddBackslash(target);
    const std::string fullTarget = platform.FullPath(to);
    if (IsFolderAt(platform, from, fullTarget)) return true;  // everything is where it should be
    return CopyTree(platform, from, to, excludedPrefix, fullTarget);
}

bool FolderHasFiles(Platform& platform, const std::string& folder) {
    if (folder.empty()) return false;
    const std::string base = AddBackslash(folder);
    std::vector<FolderEntry> entries;
    Access listed = platform.ListFolder(base, "*.*", entries);
    if (listed != Access::Done) return listed == Access::Failed;
    for (const FolderEntry& entry : entries) {
        if (!entry.isFolder && !IsTemporaryFileName(entry.name)) return true;
    }
    for (const FolderEntry& entry : entries) {
        if (FolderHasFiles(platform, base + entry.name)) return true;
    }
    return false;
}

bool BackupFolder(Platform& platform, const std::string& source, const std::string& location) {
    const std::string base = AddBackslash(location);
    if (base.empty()) return false;
    const std::string target = base + BackupStamp(platform, kBackupPrefix) + "\\";
    // Two backups stamped alike must not merge: the later one would overwrite the earlier's files.
    if (platform.Probe(target) != PathKind::Missing) return false;
    platform.Announce(CopyStep::BackingUp, AddBackslash(source), target);
    return CopyFolderTree(platform, source, target, kBackupPrefix);
}

std::string BackupStamp(Platform& platform, const std::string& prefix) {
    LocalTime now = platform.Now();
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d [%02d-%02d-%02d-%03d]", now.year, now.month, now.day,
                  now.hour, now.minute, now.second, now.millisecond);
    return prefix + stamp;
}

bool IsBackupFolderName(const std::string& prefix, const std::string& path) {
    const std::string lowerPrefix = LowerAZ(prefix);
    const std::string name = LowerAZ(LastPathComponent(path));
    if (lowerPrefix.size() >= name.size() || name.compare(0, lowerPrefix.size(), lowerPrefix) != 0) {
        return false;
    }
    const std::string rest = name.substr(lowerPrefix.size());
    return rest.size() >= 25 && rest[4] == '-' && rest[7] == '-' && rest[14] == '-' && rest[17] == '-' &&
           rest[20] == '-' && rest[11] == '[' && rest[24] == ']';
}

}  // namespace orl
