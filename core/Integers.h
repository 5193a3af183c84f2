// Integers written in text, read the way the settings files and period file names are read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orl {

// The value of a text that is wholly an integer: optional leading blanks, then either a decimal
// number with an optional sign within the signed 32-bit range, or (without a sign) a hexadecimal
// one after "$", "x", "X", "0x" or "0X" of at most FFFFFFFF, taken as its 32-bit pattern.
// Nothing may follow, not even a blank. Nothing when the text is not such an integer.
std::optional<int32_t> ParseInteger(const std::string& text);

// True when the whole text converts to an integer by ParseInteger's rules.
bool IsInteger(const std::string& text);

}  // namespace orl
