// The data-set comparison done the plain way, file by file and line by line, as the reference
// that the fast comparison must agree with (tests) and be measured against (benchmark).
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"

namespace orl {

// The comparison result of the pairwise method: 0, 1, 2 or -1.
int CompareDataSetsPairwise(Platform& platform, const std::vector<std::string>& folders);

// Reads every period file of the locations whole and splits it into lines, nothing more: the
// least work that any comparison must do. Returns the number of lines read.
long long ReadPeriodFilesOnly(Platform& platform, const std::vector<std::string>& folders);

}  // namespace orl
