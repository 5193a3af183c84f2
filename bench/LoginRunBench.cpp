// What the login line costs a file server: the operations that a run of
//   orlconfigc /v"C:\TimeSheet" /s"S:\Workgroup" /r"H:\TimeData" /d /a
// asks of the server drive S: and the home drive H:, the period files it reads and the files it
// writes, on the in-memory platform; for the first run, which moves the data, and for the same
// line run again, as at every later login.
//
//   orl_login_bench [--files N] [--lines N]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/ConsoleRun.h"
#include "core/DataSetComparison.h"
#include "platform/counting/CountingPlatform.h"
#include "platform/memory/MemoryPlatform.h"

namespace {

class SilentDisplay final : public orl::OutcomeDisplay {
public:
    void ShowOutcome(const std::string&, const std::string&) override {}
    void ShowHelp(const std::string&) override {}
    void ShowSyntax(const std::string&) override {}
};

void LayOutInstallation(orl::Platform& platform, int files, int lines) {
    const std::string folder = "C:\\TimeSheet\\";
    platform.CreateFolderPath(folder + "Data");
    platform.WriteWholeFile(folder + "orl.ini", "[Setup]\r\nLanguage=en\r\n");
    platform.WriteWholeFile(folder + "orl.inf", "installed");
    platform.WriteWholeFile(folder + "Data\\ClientProject.txt", "Brenmoor;Orlagen\r\n");
    platform.WriteWholeFile(folder + "Data\\CategoryActivity.txt", "Development;Coding\r\n");
    for (int f = 0; f < files; ++f) {
        char name[32];
        std::snprintf(name, sizeof name, "%04d-%02d.txt", 2000 + f / 12, 1 + f % 12);
        std::string text;
        for (int l = 0; l < lines; ++l) text += std::string(name, 7) + "-01;08:00;17:00;Client;Project;line " + std::to_string(l) + "\r\n";
        platform.WriteWholeFile(folder + "Data\\" + name, text);
    }
}

}  // namespace

int main(int argc, char** argv) {
    int files = 120, lines = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::string(argv[i]) == "--files") files = std::atoi(argv[i + 1]);
        if (std::string(argv[i]) == "--lines") lines = std::atoi(argv[i + 1]);
    }
    orl::MemoryPlatform memory;
    memory.AddDrive('S');
    memory.AddDrive('H');
    LayOutInstallation(memory, files, lines);
    memory.CreateFolderPath("H:\\TimeData");
    std::printf("%d period files of %d lines\n", files, lines);
    const std::vector<std::string> line = {"/vC:\\TimeSheet", "/sS:\\Workgroup", "/rH:\\TimeData", "/d", "/a"};
    for (const char* run : {"the first run", "the same line again"}) {
        orl::CountingPlatform counting(memory);
        SilentDisplay display;
        if (orl::RunConsole(counting, line, display, true) != orl::kExitSuccess) return 1;
        int periodsRead = 0, written = 0;
        for (const std::string& path : counting.FilesRead()) periodsRead += orl::IsPeriodFileName(path);
        for (const std::string& path : counting.Changed()) written += memory.Probe(path) == orl::PathKind::File;
        std::printf("login run: %d operations on S:, %d on H:, %d period files read, %d files written (%s)\n",
                    counting.OperationsOn("S:\\"), counting.OperationsOn("H:\\"), periodsRead, written, run);
    }
    return 0;
}
