#include "platform/win32/Win32Platform.h"

#include <windows.h>

#include "platform/win32/LongPaths.h"
#include "platform/win32/Win32Errors.h"

namespace orl {

namespace {

// Others may go on reading, writing, renaming and deleting: a handle that shuts no one out.
const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Closes a Win32 handle when the scope ends, whatever way it ends.
class HandleCloser {
public:
    explicit HandleCloser(HANDLE handle) : handle_(handle) {}
    ~HandleCloser() { CloseHandle(handle_); }
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;

private:
    HANDLE handle_;
};

// Length of the part of a full path that cannot be created: "C:\" or "\\server\share\".
size_t RootLength(const std::string& path) {
    if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
        size_t server = path.find('\\', 2);
        if (server == std::string::npos) return path.size();
        size_t share = path.find('\\', server + 1);
        return share == std::string::npos ? path.size() : share + 1;
    }
    return path.size() >= 3 && path[1] == ':' ? 3 : 0;
}

bool CreateOneFolder(const std::string& path) {
    const std::string reachable = Reachable(path, MAX_PATH - kShortNameRoom);
    if (CreateDirectoryA(reachable.c_str(), nullptr)) return true;
    DWORD attributes = GetFileAttributesA(reachable.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

PathKind Win32Platform::Probe(const std::string& path) {
    DWORD attributes = GetFileAttributesA(Reachable(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        // A path too long to be asked about is missing where a folder on it is: the run that
        // makes that folder reaches the path through its short name.
        if (ReachableOnceMade(path) && !IsUnmappedDrive(path)) return PathKind::Missing;
        return IsNothingThere(error, path) ? PathKind::Missing : PathKind::Unknown;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? PathKind::Folder : PathKind::File;
}

bool Win32Platform::CreateFolderPath(const std::string& path) {
    std::string full = FullPath(path);
    if (full.empty()) return false;
    // CreateDirectoryA makes one level only: walk down from the root, one folder at a time.
    for (size_t end = full.find('\\', RootLength(full)); end != std::string::npos;
         end = full.find('\\', end + 1)) {
        if (!CreateOneFolder(full.substr(0, end))) return false;
    }
    if (full.back() != '\\') CreateOneFolder(full);
    return Probe(full) == PathKind::Folder;
}

Access Win32Platform::ListFolder(const std::string& folder, const std::string& pattern,
                                 std::vector<FolderEntry>& entries) {
    entries.clear();
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(Reachable(folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        // The error alone does not say which case this is (a file in place of the folder gives
        // ERROR_INVALID_NAME on some systems), so the folder itself is asked.
        // A folder that cannot even be examined (access denied, the network failing) may well
        // hold files: that is a failure, not an absence.
        DWORD error = GetLastError();
        const PathKind kind = Probe(folder);
        if (kind == PathKind::Unknown) return Access::Failed;
        if (kind != PathKind::Folder) return Access::Missing;
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? Access::Done
                                                                               : Access::Failed;
    }
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
    } while (FindNextFileA(search, &found));
    DWORD error = GetLastError();
    FindClose(search);
    return error == ERROR_NO_MORE_FILES ? Access::Done : Access::Failed;
}

bool Win32Platform::CopyFileReplacing(const std::string& source, const std::string& target) {
    return CopyFileA(Reachable(source).c_str(), Reachable(target).c_str(), FALSE) != 0;
}

namespace {

Access OpenForReading(const std::string& path, DWORD sharing, HANDLE& file) {
    file = CreateFileA(Reachable(path).c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
    if (file != INVALID_HANDLE_VALUE) return Access::Done;
    return IsNothingThere(GetLastError(), path) ? Access::Missing : Access::Failed;
}

Access ReadWhole(const std::string& path, DWORD sharing, std::string& contents) {
    contents.clear();
    HANDLE file;
    const Access opened = OpenForReading(path, sharing, file);
    if (opened != Access::Done) return opened;
    HandleCloser closer(file);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart > 0x7FFFFFFF) return Access::Failed;
    contents.resize(static_cast<size_t>(size.QuadPart));
    DWORD done = 0;
    if (!contents.empty() &&
        (!ReadFile(file, &contents[0], static_cast<DWORD>(contents.size()), &done, nullptr) ||
         done != contents.size())) {
        contents.clear();
        return Access::Failed;
    }
    return Access::Done;
}

}  // namespace

Access Win32Platform::ReadWholeFile(const std::string& path, std::string& contents) {
    return ReadWhole(path, FILE_SHARE_READ, contents);
}

Access Win32Platform::ReadSharingWrites(const std::string& path, std::string& contents) {
    return ReadWhole(path, kShareAll, contents);
}

Access Win32Platform::FileSize(const std::string& path, unsigned long long& bytes) {
    bytes = 0;
    HANDLE file;
    const Access opened = OpenForReading(path, kShareAll, file);
    if (opened != Access::Done) return opened;
    HandleCloser closer(file);
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size)) return Access::Failed;
    bytes = static_cast<unsigned long long>(size.QuadPart);
    return Access::Done;
}

bool Win32Platform::RefusesNewFiles(const std::string& folder) {
    // Access denied (or a write-protected medium) is the refusal; any other failure, a missing
    // folder or a network error, answers nothing.
    HANDLE opened = CreateFileA(Reachable(folder).c_str(), FILE_ADD_FILE, kShareAll,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
    }
    CloseHandle(opened);
    return false;
}

bool Win32Platform::WriteWholeFile(const std::string& path, const std::string& contents) {
    HANDLE file = CreateFileA(Reachable(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    HandleCloser closer(file);
    DWORD done = 0;
    if (!contents.empty() &&
        (!WriteFile(file, contents.data(), static_cast<DWORD>(contents.size()), &done, nullptr) ||
         done != contents.size())) {
        return false;
    }
    return FlushFileBuffers(file) != 0;
}

bool Win32Platform::FlushFile(const std::string& path) {
    // Shared every way: a virus scanner may already be reading the fresh file.
    HANDLE file = CreateFileA(Reachable(path).c_str(), GENERIC_WRITE, kShareAll,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    HandleCloser closer(file);
    return FlushFileBuffers(file) != 0;
}

unsigned Win32Platform::Attributes(const std::string& path) {
    DWORD attributes = GetFileAttributesA(Reachable(path).c_str());
    return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes;
}

bool Win32Platform::SetAttributes(const std::string& path, unsigned attributes) {
    return SetFileAttributesA(Reachable(path).c_str(), attributes != 0 ? attributes : FILE_ATTRIBUTE_NORMAL) != 0;
}

bool Win32Platform::ReplaceFileWith(const std::string& replaced, const std::string& replacement) {
    // REPLACEFILE_WRITE_THROUGH is not supported: the replacement is flushed before it comes here.
    return ReplaceFileA(Reachable(replaced).c_str(), Reachable(replacement).c_str(), nullptr, 0, nullptr,
                        nullptr) != 0;
}

bool Win32Platform::MoveFileReplacing(const std::string& source, const std::string& target) {
    return MoveFileExA(Reachable(source).c_str(), Reachable(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32Platform::DeleteFileAt(const std::string& path) {
    return DeleteFileA(Reachable(path).c_str()) != 0;
}

bool Win32Platform::CanReplace(const std::string& path) {
    // A rename over the file needs it opened for deletion; another program that holds it without
    // sharing deletion (a virus scanner, an indexer) makes that fail, and so this open.
    HANDLE file = CreateFileA(Reachable(path).c_str(), DELETE, kShareAll,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

std::string Win32Platform::FullPath(const std::string& path) {
    if (path.empty()) return std::string();
    if (path.size() >= MAX_PATH) return LongFullPath(path);
    std::string full(MAX_PATH, '\0');
    DWORD length = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
    if (length >= full.size()) return LongFullPath(path);  // a full form too long for the ANSI call
    full.resize(length);
    return full;
}

int Win32Platform::CompareNoCase(const std::string& a, const std::string& b) {
    int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(),
                                static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    return result - CSTR_EQUAL;
}

std::string Win32Platform::ComparisonKey(const std::string& text) {
    // LCMapStringA refuses a source of length 0, which would give the empty text a key of its
    // own; told to stop at the terminating NUL it maps the empty text too (texts hold no NUL).
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    // The key of a line of the usual length fits this buffer and takes one call; a longer one
    // is measured first and then mapped.
    char buffer[1024];
    int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), -1, buffer, sizeof buffer);
    if (size > 0) return std::string(buffer, static_cast<size_t>(size));
    size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), -1, nullptr, 0);
    if (size <= 0) return std::string();
    std::string key(static_cast<size_t>(size), '\0');
    size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), -1, &key[0], size);
    key.resize(size > 0 ? static_cast<size_t>(size) : 0);
    return key;
}

LocalTime Win32Platform::Now() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond,
            now.wMilliseconds};
}

void Win32Platform::Pause(int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); }

std::string Win32Platform::EnvironmentValue(const std::string& name) {
    char value[1024];
    DWORD length = GetEnvironmentVariableA(name.c_str(), value, sizeof value);
    // 0: not set; sizeof value or more: the value does not fit and nothing was filled in.
    if (length == 0 || length >= sizeof value) return std::string();
    return std::string(value, length);
}

std::string Win32Platform::RunnerIdentity() {
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = "", user[257] = "";
    DWORD computerSize = sizeof computer, userSize = sizeof user;
    GetComputerNameA(computer, &computerSize);
    GetUserNameA(user, &userSize);
    return std::string(computer) + "\\" + user;
}

LockOutcome Win32Platform::TryLock(const std::string& name, std::string& reason) {
    // The lock is the named object's existence, not its ownership, which would tie it to the
    // thread that took it: the window build takes it on one thread and works on another.
    // Global: a login script and an administrator's session on one machine are different sessions.
    HANDLE mutex = CreateMutexA(nullptr, FALSE, ("Global\\" + name).c_str());
    if (mutex == nullptr) {
        const DWORD error = GetLastError();
        if (error == ERROR_ACCESS_DENIED) return LockOutcome::Held;  // another user's run holds it
        reason = SystemMessage(error);  // the name taken by another kind of object, among others
        return LockOutcome::Failed;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return LockOutcome::Held;
    }
    locks_[name] = mutex;
    return LockOutcome::Taken;
}

void Win32Platform::Unlock(const std::string& name) {
    auto held = locks_.find(name);
    if (held == locks_.end()) return;
    CloseHandle(held->second);
    locks_.erase(held);
}

}  // namespace orl
