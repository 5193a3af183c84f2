// What the comparison's cost is measured against: reading the period files of locations whole and
// splitting them into lines, done as plainly and as fast as a careful reader would, so that the
// figure is not flattered by a slow split.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

// Reads every period file of the locations whole and splits each into its lines (the text ends at
// its first NUL; lines end at CR LF, a lone CR or a lone LF). Returns the number of lines read.
long long ReadAndSplitPeriodFiles(Platform& platform, const std::vector<std::string>& folders);
// The same, each file read into the storage of the one before and split into the list of lines
// of the one before: the least that reading and splitting can cost.
long long ReadAndSplitPeriodFilesReusing(Platform& platform, const std::vector<std::string>& folders);

// Reads every period file of the locations whole, nothing more. Returns the number of bytes read.
long long ReadPeriodFilesWhole(Platform& platform, const std::vector<std::string>& folders);

}  // namespace orl
