// Which of two data locations holds the more complete time data, by the lines of their period files.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

// The comparison's results.
enum DataSetResult : int {
    kNeitherHoldsMore = 0,   // no line of either lacks a partner (or only one folder given)
    kFirstHoldsMore = 1,     // only the first folder holds lines that the second lacks
    kSecondHoldsMore = 2,    // only the second folder holds lines that the first lacks
    kEachHoldsMore = -1,     // each holds lines that the other lacks (or more than two folders)
};

// A period file name: 11 characters, ".txt" (any case), "-" fifth, characters 1-4 and 6-7
// integers by IsInteger's rules. Takes a name or a path.
bool IsPeriodFileName(const std::string& path);

// The period files of a location's data folder, as full paths lowered in A-Z, in listing order.
// A data folder that does not exist has none; one that cannot be listed raises "Cannot open file
// <the data folder's path in lower case>".
std::vector<std::string> PeriodFiles(Platform& platform, const std::string& folder);
// A period file's whole text, read with writing by others denied; raises "Cannot open file <path>".
std::string ReadPeriodFile(Platform& platform, const std::string& path);
// The same, read into `text` and reusing its storage.
void ReadPeriodFile(Platform& platform, const std::string& path, std::string& text);

// Compares the period files of the data folders of two locations, each line pairing with at
// most one equal line (same without regard to case, by the user's locale) of the same-named
// file. One folder: 0, more than two: -1, in both cases reading nothing. A period file that
// cannot be opened with writing denied raises "Cannot open file <its full path in lower case>".
int CompareDataSets(Platform& platform, const std::vector<std::string>& folders);

}  // namespace orl
