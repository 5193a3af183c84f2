// Small text rules shared by the core: which letters are lowered, what is trimmed, which part
// of a path is its name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orl {

// The text with the letters A to Z lowered; every other byte, accented letters included, kept.
std::string LowerAZ(std::string text);

// The text without the characters of codes 0 to 32 at either end.
std::string TrimControl(const std::string& text);

// The last component of a path: the text after its last "\" or ":", or the whole text.
std::string LastPathComponent(const std::string& path);
// The path up to and including its last "\" (empty when it has none).
std::string FolderPart(const std::string& path);

// A short, stable fingerprint of the text (FNV-1a, 32 bits), for names that must differ where
// their texts do.
unsigned long Fingerprint(const std::string& text);

}  // namespace orl
