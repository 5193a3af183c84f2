// A stand-in program for testing the end-to-end fixture: writes its command line exactly as it
// received it, creates the files named in ORL_TOUCH (separated by ";") and ends with status 7.
#include <windows.h>

#include <string>

int main() {
    std::string line = GetCommandLineA();
    line += "\r\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()), &written,
              nullptr);
    char touch[4096];
    DWORD length = GetEnvironmentVariableA("ORL_TOUCH", touch, sizeof touch);
    std::string paths(touch, length < sizeof touch ? length : 0);
    size_t start = 0;
    while (start < paths.size()) {
        size_t end = paths.find(';', start);
        if (end == std::string::npos) end = paths.size();
        HANDLE file = CreateFileA(paths.substr(start, end - start).c_str(), GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) return 1;
        CloseHandle(file);
        start = end + 1;
    }
    return 7;
}
