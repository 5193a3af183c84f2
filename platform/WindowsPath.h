// Full-path expansion as GetFullPathNameA does it: for the in-memory platform, and for the
// paths too long for the ANSI calls of the real one.
#pragma once

#include <string>
#include <vector>

namespace orl {

// A full path split into its root ("C:\" or "\\server\share") and its folder and file names.
struct PathParts {
    std::string root;
    std::vector<std::string> names;
};

// The full form of `path` against the full folder `current`: "/" read as "\", runs of
// backslashes collapsed, "." and ".." resolved (never above the root), trailing dots and blanks
// of names dropped. The text ends at a NUL, as it does for the Win32 calls. Empty for
// an empty path. Expanding a full path again gives it back unchanged.
std::string ExpandFullPath(std::string path, const std::string& current);

// The name holds none of the characters that Windows refuses in a file or folder name.
bool IsValidName(const std::string& name);

// The parts of a path that ExpandFullPath has made full.
PathParts SplitFullPath(const std::string& fullPath);

}  // namespace orl
