// Laying out installations on a platform's disk for tests, and reading back what is there.
#pragma once

#include <map>
#include <string>

#include "platform/Platform.h"

namespace orl {

// Writes a file, making its folders first; false when it cannot be written.
bool PutFile(Platform& platform, const std::string& path, const std::string& text);
// The file's contents; empty when it cannot be read.
std::string FileText(Platform& platform, const std::string& path);
// A data location in `folder` (normal form): "orl.ini" as given, "orl.inf", the two shared data
// files and the period files, by name.
void LayOutLocation(Platform& platform, const std::string& folder, const std::string& ini,
                    const std::map<std::string, std::string>& periods);

inline const char kClientProjectText[] = "Brenmoor;Orlagen\r\n";
inline const char kCategoryActivityText[] = "Development;Coding\r\n";

}  // namespace orl
