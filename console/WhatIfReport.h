// What a what-if run tells besides its report: the changes that the real run would make.
#pragma once

#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/whatif/WhatIfPlatform.h"

namespace orl {

// The changes, one line each in the order they would happen: folders created, backups (the
// backup folder, how many files and bytes it would hold), data and shared files copied (from, to,
// how many files and bytes), settings files written with each key set or removed. Files that a
// step makes and removes again (a settings file's temporary) are no change. Each copy is named by
// the step of the configuration that makes it; the shared files' copy to the server is marked
// "(not tried)", as the folders are.
std::vector<std::string> DescribeChanges(Platform& platform, const std::vector<Change>& changes);

// The lines under their heading, to follow the report after an empty line; or, `stopped`, to
// follow the error that ends the run, the changes made up to it.
std::string WhatIfSummary(const std::vector<std::string>& lines, bool stopped = false);

}  // namespace orl
