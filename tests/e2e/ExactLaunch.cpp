// Starts a program with an exact Windows command line. Wine rebuilds the command line of a
// program started from Linux and escapes its double quotes, so the line to test comes in the
// environment variable ORL_COMMAND_LINE and goes to CreateProcessA as it stands. The child
// shares this program's standard handles; its exit status becomes this program's.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
    char line[32768];
    DWORD length = GetEnvironmentVariableA("ORL_COMMAND_LINE", line, sizeof line);
    if (length == 0 || length >= sizeof line) {
        std::fputs("orl_exact_launch: ORL_COMMAND_LINE is not set\n", stderr);
        return 125;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, line, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "orl_exact_launch: cannot start [%s], error %lu\n", line, GetLastError());
        return 126;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}
