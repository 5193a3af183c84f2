// Another program holding a file open for writing, as a time-sheet program does while it saves:
// opens ORL_HOLD sharing reading and writing, creates ORL_HELD, and keeps the file open until
// ORL_RELEASE exists (or 30 seconds have passed).
#include <windows.h>

#include <string>

namespace {

std::string Variable(const char* name) {
    char value[1024];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

}  // namespace

int main() {
    HANDLE file = CreateFileA(Variable("ORL_HOLD").c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(CreateFileA(Variable("ORL_HELD").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int i = 0; i < 300 && GetFileAttributesA(Variable("ORL_RELEASE").c_str()) == INVALID_FILE_ATTRIBUTES; ++i) {
        Sleep(100);
    }
    CloseHandle(file);
    return 0;
}
