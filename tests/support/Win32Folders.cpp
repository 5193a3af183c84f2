#include "tests/support/Win32Folders.h"

#include <windows.h>

namespace orl {

void EmptyFolder(const std::string& folder, const std::string& keep) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == ".." || name == keep) continue;
        std::string path = folder + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveFolder(path + "\\");
        } else {
            DeleteFileA(path.c_str());
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

void RemoveFolder(const std::string& folder) {
    EmptyFolder(folder);
    RemoveDirectoryA(folder.c_str());
}

}  // namespace orl
