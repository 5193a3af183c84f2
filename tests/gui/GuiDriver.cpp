// Drives a window build from outside, as a user would: starts it with the exact command line in
// ORL_COMMAND_LINE (its standard output going to the file ORL_CHILD_OUTPUT), waits for its
// message box, prints the box's caption and text, presses OK and reports how the program ended.
//
//   orl_gui_driver.exe CAPTION STATUS
//
// Exit status 0 when exactly one box with CAPTION appeared, the program ended with STATUS and it
// wrote nothing to standard output. With ORL_SHOT_MARKER set, the driver creates that file while
// the box is up and waits for the same name plus ".done" (the test takes its screenshot then).
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string Variable(const char* name) {
    char value[32768];
    DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

struct BoxSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindBox(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (owner == search->processId && std::string(className) == "#32770" && IsWindowVisible(window)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForBox(DWORD processId, HANDLE process, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        BoxSearch search = {processId, nullptr};
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
        if (WaitForSingleObject(process, 50) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

std::string WindowText(HWND window) {
    char text[8192] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void WaitForScreenshot() {
    std::string marker = Variable("ORL_SHOT_MARKER");
    if (marker.empty()) return;
    CloseHandle(CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    for (int i = 0; i < 200 && GetFileAttributesA((marker + ".done").c_str()) == INVALID_FILE_ATTRIBUTES; ++i) {
        Sleep(50);
    }
}

int Fail(const char* why) {
    std::printf("driver: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // the box text's own CR LF must come through unchanged
    if (argc < 3) return Fail("usage: orl_gui_driver.exe CAPTION STATUS");
    const std::string expectedCaption = argv[1];
    const DWORD expectedStatus = static_cast<DWORD>(std::atoi(argv[2]));

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE output = CreateFileA(Variable("ORL_CHILD_OUTPUT").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    PROCESS_INFORMATION process = {};
    std::string line = Variable("ORL_COMMAND_LINE");
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        return Fail("cannot start the program");
    }
    CloseHandle(output);

    HWND box = WaitForBox(process.dwProcessId, process.hProcess, 20000);
    if (box == nullptr) return Fail("no message box appeared");
    char caption[256] = "";
    GetWindowTextA(box, caption, sizeof caption);
    std::printf("box \"%s\"\n%s\n", caption, WindowText(GetDlgItem(box, 0xFFFF)).c_str());
    WaitForScreenshot();
    PostMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);

    // Exactly one box: another one before the program ends is a fault.
    for (int waited = 0; WaitForSingleObject(process.hProcess, 100) != WAIT_OBJECT_0; waited += 100) {
        HWND another = WaitForBox(process.dwProcessId, process.hProcess, 100);
        if (another != nullptr && another != box && IsWindow(another)) return Fail("a second box appeared");
        if (waited > 20000) return Fail("the program did not end");
    }
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    std::printf("exit %lu\n", status);
    std::fflush(stdout);

    WIN32_FILE_ATTRIBUTE_DATA written = {};
    if (!GetFileAttributesExA(Variable("ORL_CHILD_OUTPUT").c_str(), GetFileExInfoStandard, &written)) {
        return Fail("the program's standard output cannot be examined");
    }
    if (written.nFileSizeLow != 0) return Fail("the window build wrote to standard output");
    if (expectedCaption != caption) return Fail("the box has another caption");
    return status == expectedStatus ? 0 : Fail("the program ended with another status");
}
