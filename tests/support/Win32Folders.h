// Clearing away the folders that Windows tests and benchmarks lay out on the real disk.
#pragma once

#include <string>

namespace orl {

// Removes everything in the folder (given ending in a backslash), whatever its attributes,
// except an entry named `keep` at its top.
void EmptyFolder(const std::string& folder, const std::string& keep = std::string());
// Removes the folder with everything in it.
void RemoveFolder(const std::string& folder);

}  // namespace orl
