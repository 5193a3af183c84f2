#include "console/Win32Display.h"

#include <windows.h>

#include "front/ProgramTexts.h"
#include "platform/Platform.h"

namespace orl {

namespace {

// WriteFile rather than the C runtime, whose text mode would turn each "\n" into "\r\n".
bool WriteStandardOutput(const std::string& text) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE) return false;
    size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        if (!WriteFile(output, text.data() + done, static_cast<DWORD>(text.size() - done), &written, nullptr) ||
            written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

void WriteLineOrRaise(const std::string& text) {
    if (!WriteStandardOutput(text + "\r\n")) throw PlatformError("Cannot write to standard output");
}

void ShowBox(const std::string& text, const char* caption, UINT icon) {
    MessageBoxA(nullptr, text.c_str(), caption, MB_OK | icon | MB_TASKMODAL | MB_SETFOREGROUND);
}

}  // namespace

void StandardOutputDisplay::ShowOutcome(const std::string& failureReport, const std::string& successReport) {
    WriteLineOrRaise(failureReport.empty() ? successReport : failureReport);
}

void StandardOutputDisplay::ShowHelp(const std::string& helpText) {
    if (!WriteStandardOutput(helpText)) throw PlatformError("Cannot write to standard output");
}

void MessageBoxDisplay::ShowOutcome(const std::string& failureReport, const std::string& successReport) {
    if (failureReport.empty()) {
        ShowBox(successReport, "Information", MB_ICONINFORMATION);
    } else {
        ShowBox(failureReport, "Error", MB_ICONERROR);
    }
}

void MessageBoxDisplay::ShowHelp(const std::string& helpText) {
    ShowBox(helpText, "Information", MB_ICONINFORMATION);
}

void StandardOutputDisplay::ShowSyntax(const std::string& syntaxText) { WriteLineOrRaise(syntaxText); }

void ShowLastResortError(bool consoleBuild, const std::string& message) {
    if (consoleBuild) {
        WriteStandardOutput(message + "\r\n");  // nothing more can be done if this fails too
    } else {
        ShowBox(message, "Application Error", MB_ICONERROR);
    }
}

}  // namespace orl
