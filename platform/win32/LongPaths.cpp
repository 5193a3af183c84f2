#include "platform/win32/LongPaths.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "platform/WindowsPath.h"

namespace orl {

namespace {

// The short name of an existing folder or file, or its own name when it has none; false when
// nothing is found, with `error` the system's reason.
bool FindShortName(const std::string& parent, const std::string& name, std::string& shortName, DWORD& error) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((parent + name).c_str(), &found);
    shortName = name;
    if (search == INVALID_HANDLE_VALUE) {
        error = GetLastError();
        return false;
    }
    FindClose(search);
    if (found.cAlternateFileName[0] != '\0') shortName = found.cAlternateFileName;
    return true;
}

std::string ShortName(const std::string& parent, const std::string& name) {
    std::string shortName;
    DWORD error = 0;
    FindShortName(parent, name, shortName, error);
    return shortName;
}

// A name that is its own short name: eight characters at most, a dot and three at most after it,
// no blank and none of the characters that 8.3 names leave out.
bool IsOwnShortName(const std::string& name) {
    const size_t dot = name.find('.');
    if (dot == 0 || dot != name.rfind('.')) return false;
    if ((dot == std::string::npos ? name.size() : dot) > 8 || (dot != std::string::npos && name.size() - dot > 4)) {
        return false;
    }
    return name.find_first_of(" \"*+,/:;<=>?[\\]|") == std::string::npos;
}

// The most characters that the short name of a folder still to be made can have: the name itself
// where it is its own short name; otherwise eight, and the dot and up to three characters of what
// follows the last dot.
size_t ShortNameBound(const std::string& name) {
    if (IsOwnShortName(name)) return name.size();
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? 8 : dot == 0 ? 12 : 9 + std::min<size_t>(3, name.size() - dot - 1);
}

}  // namespace

std::string Reachable(const std::string& path, size_t limit) {
    if (path.size() < limit) return path;
    const std::string full = LongFullPath(path);
    const std::vector<std::string> names = SplitFullPath(full).names;
    if (full.empty() || names.empty()) return path;
    std::string reached = SplitFullPath(full).root;
    if (reached.back() != '\\') reached += '\\';
    // The length of the names from `first` on, with the backslashes between and after them.
    auto restLength = [&names, &full](size_t first) {
        size_t length = full.back() == '\\' ? 1 : 0;
        for (size_t i = first; i < names.size(); ++i) length += names[i].size() + (i > first ? 1 : 0);
        return length;
    };
    size_t next = 0;
    for (; next + 1 < names.size() && reached.size() + restLength(next) >= limit; ++next) {
        reached += ShortName(reached, names[next]) + "\\";
    }
    for (size_t i = next; i < names.size(); ++i) reached += names[i] + (i + 1 < names.size() ? "\\" : "");
    if (full.back() == '\\') reached += '\\';
    return reached.size() < limit ? reached : path;
}

bool ReachableOnceMade(const std::string& path, size_t limit) {
    if (path.size() < limit) return false;
    const std::string full = LongFullPath(path);
    const PathParts parts = SplitFullPath(full);
    if (full.empty() || parts.names.empty()) return false;
    std::string reached = parts.root;
    if (reached.back() != '\\') reached += '\\';
    std::string folder = reached;  // the same folder by its long names
    bool missing = false;
    for (size_t i = 0; i + 1 < parts.names.size(); ++i) {
        std::string shortName;
        DWORD error = 0;
        if (!missing && !FindShortName(reached, parts.names[i], shortName, error)) {
            // Anything but "not there" leaves the question open.
            if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) return false;
            missing = true;
        }
        folder += parts.names[i];
        if (missing) {
            // Made as the real run makes it: by its own name below the short names of the folders
            // above it, leaving room for an 8.3 name, or else by its long path.
            if ((reached + parts.names[i]).size() >= limit - kShortNameRoom && folder.size() >= limit) return false;
            shortName = std::string(ShortNameBound(parts.names[i]), '~');
        }
        reached += shortName + "\\";
        folder += '\\';
    }
    reached += parts.names.back() + (full.back() == '\\' ? "\\" : "");
    return missing && reached.size() < limit;
}

std::string LongFullPath(const std::string& path) {
    std::string current(MAX_PATH, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(current.size()), &current[0]);
    current.resize(length < current.size() ? length : 0);
    return ExpandFullPath(path, current);
}

}  // namespace orl
