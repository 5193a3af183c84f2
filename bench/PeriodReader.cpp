// What the comparison's cost is measured against from outside: a Windows program that merely
// lists the period files of the locations given, reads each whole and splits it into lines.
//
//   orl_period_reader.exe FOLDER...       (prints the number of lines read)
#include <cstdio>
#include <string>
#include <vector>

#include "bench/PeriodReading.h"
#include "platform/win32/Win32Platform.h"

int main(int argc, char** argv) {
    orl::Win32Platform platform;
    const std::vector<std::string> folders(argv + 1, argv + argc);
    std::printf("%lld lines\n", orl::ReadAndSplitPeriodFiles(platform, folders));
    return 0;
}
