#include "platform/win32/Win32Errors.h"

#include <windows.h>

namespace orl {

bool MeansNothingThere(unsigned long error, bool networkDrive) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME:
        case ERROR_DIRECTORY:
            return true;
        case ERROR_NOT_READY:
            return !networkDrive;
        default:  // among them every network error: the share may be there, only out of reach
            return false;
    }
}

namespace {

bool IsOnNetworkDrive(const std::string& path) {
    std::string root = path.substr(0, 3);
    if (path.compare(0, 2, "\\\\") == 0) return true;
    return root.size() == 3 && root[1] == ':' && GetDriveTypeA(root.c_str()) == DRIVE_REMOTE;
}

}  // namespace

bool IsUnmappedDrive(const std::string& path) {
    const std::string root = path.substr(0, 3);
    return root.size() == 3 && root[1] == ':' && root[2] == '\\' && GetDriveTypeA(root.c_str()) == DRIVE_NO_ROOT_DIR;
}

bool IsNothingThere(unsigned long error, const std::string& path) {
    return MeansNothingThere(error, error == ERROR_NOT_READY && IsOnNetworkDrive(path)) && !IsUnmappedDrive(path);
}

std::string SystemMessage(unsigned long error) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message(text != nullptr ? text : "", length);
    LocalFree(text);
    while (!message.empty() && static_cast<unsigned char>(message.back()) <= ' ') message.pop_back();
    return message.empty() ? "System error " + std::to_string(error) + "." : message;
}

}  // namespace orl
