// Paths longer than the ANSI calls take. Windows 10 takes them whole where the system's
// long-path setting is on (the programs declare themselves long-path aware); elsewhere, Wine
// included, the ANSI calls refuse any path of MAX_PATH characters or more. Such a path is then
// reached through the short (8.3) names of its folders, which name the same folders in fewer
// characters.
#pragma once

#include <string>

namespace orl {

// The path as the ANSI calls can take it: unchanged when it is short enough, or when no shorter
// form exists (no short names on that volume); otherwise with as many of its leading folders
// given by their short names as it takes. The last name is never changed: it may not exist
// yet, or be a wildcard.
std::string Reachable(const std::string& path, size_t limit = 260);

// CreateDirectoryA leaves room for an 8.3 name below the folder it makes: a folder's path is
// made within the limit less this many characters.
constexpr size_t kShortNameRoom = 12;

// The path lies below a folder that does not exist yet, and comes within the limit once the
// missing folders are made: through the short names of the folders that exist, and of those to be
// made, which Windows gives 8.3 names (eight characters where the name has no dot).
bool ReachableOnceMade(const std::string& path, size_t limit = 260);

// The full form of a path too long for GetFullPathNameA, worked out as that call would.
std::string LongFullPath(const std::string& path);

}  // namespace orl
