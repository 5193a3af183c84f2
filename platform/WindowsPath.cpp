#include "platform/WindowsPath.h"

#include <algorithm>

namespace orl {

namespace {

// Splits a path into its root and the rest. A UNC root is "\\server\share" (or "\\server" when no
// share follows); a drive root is "X:\".
void SplitRoot(const std::string& path, std::string& root, std::string& rest) {
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        size_t serverEnd = path.find('\\', 2);
        if (serverEnd == std::string::npos) {
            root = path;
            rest.clear();
            return;
        }
        size_t shareEnd = std::min(path.find('\\', serverEnd + 1), path.size());
        root = path.substr(0, shareEnd);
        rest = path.substr(shareEnd);
    } else if (path.size() >= 2) {
        root = path.substr(0, 2) + "\\";
        rest = path.substr(2);
    } else {
        root = path;
        rest.clear();
    }
}

bool IsUncRoot(const std::string& root) { return root.size() >= 2 && root[1] == '\\'; }

bool SameDrive(const std::string& root, char drive) {
    return !IsUncRoot(root) && (root[0] | 0x20) == (drive | 0x20) && root[1] == ':';
}

std::vector<std::string> SplitNames(const std::string& rest) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= rest.size()) {
        size_t end = std::min(rest.find('\\', start), rest.size());
        if (end > start) names.push_back(rest.substr(start, end - start));
        start = end + 1;
    }
    return names;
}

// Applies "." and ".." to the names. Windows drops the trailing dots and blanks of the last name,
// and a last name made of nothing else leaves the path ending in a backslash. The model drops them
// from every name, so that no name it makes can end in a dot or a blank: Explorer and the Win32
// calls that create a file or folder never give such a name either.
std::vector<std::string> ResolveNames(const std::string& rest, bool& trailingBackslash) {
    std::vector<std::string> tokens = SplitNames(rest);
    std::vector<std::string> names;
    for (size_t i = 0; i < tokens.size(); ++i) {
        std::string name = tokens[i];
        if (name == ".") continue;
        if (name == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        name.erase(name.find_last_not_of(". ") + 1);
        if (!name.empty()) {
            names.push_back(name);
        } else if (i + 1 == tokens.size()) {
            trailingBackslash = true;
        }
    }
    return names;
}

}  // namespace

std::string ExpandFullPath(std::string path, const std::string& current) {
    path = path.substr(0, path.find('\0'));
    if (path.empty()) return std::string();
    std::replace(path.begin(), path.end(), '/', '\\');

    std::string root, rest;
    std::string currentRoot, currentRest;
    SplitRoot(current, currentRoot, currentRest);
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        SplitRoot(path, root, rest);
    } else if (path.size() >= 2 && path[1] == ':') {
        SplitRoot(path, root, rest);
        // "X:name" is relative to the current folder when X is the current drive.
        if (rest.empty() || rest[0] != '\\') {
            if (SameDrive(currentRoot, path[0])) {
                root = currentRoot;
                rest = currentRest + "\\" + rest;
            }
        }
    } else if (path[0] == '\\') {
        root = currentRoot;
        rest = path;
    } else {
        root = currentRoot;
        rest = currentRest + "\\" + path;
    }

    bool trailingBackslash = !rest.empty() && rest.back() == '\\';
    std::vector<std::string> names = ResolveNames(rest, trailingBackslash);
    std::string full = root;
    if (IsUncRoot(root) && !rest.empty()) full += '\\';
    for (size_t i = 0; i < names.size(); ++i) {
        if (i > 0) full += '\\';
        full += names[i];
    }
    if (trailingBackslash && !names.empty()) full += '\\';
    return full;
}

bool IsValidName(const std::string& name) {
    for (char c : name) {
        unsigned char code = static_cast<unsigned char>(c);
        if (code < 32 || std::string("<>:\"/\\|?*").find(c) != std::string::npos) return false;
    }
    return true;
}

PathParts SplitFullPath(const std::string& fullPath) {
    PathParts parts;
    std::string rest;
    SplitRoot(fullPath, parts.root, rest);
    parts.names = SplitNames(rest);
    return parts;
}

}  // namespace orl
