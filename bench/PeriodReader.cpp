// What the comparison's cost is measured against from outside: a Windows program that merely
// lists the period files of the locations given, reads each whole and splits it into lines.
//
//   orl_period_reader.exe [--reuse] FOLDER...       (prints the number of lines read)
//
// --reuse reads each file into the storage of the one before.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/PeriodReading.h"
#include "platform/win32/Win32Platform.h"

int main(int argc, char** argv) {
    orl::Win32Platform platform;
    const bool reuse = argc > 1 && std::strcmp(argv[1], "--reuse") == 0;
    const std::vector<std::string> folders(argv + (reuse ? 2 : 1), argv + argc);
    std::printf("%lld lines\n", reuse ? orl::ReadAndSplitPeriodFilesReusing(platform, folders)
                                      : orl::ReadAndSplitPeriodFiles(platform, folders));
    return 0;
}
