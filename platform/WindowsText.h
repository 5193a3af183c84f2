// Text rules of Windows for the Windows-1252 code page, for the realisations of the platform that
// imitate or extend Windows: letter case, comparison keys, wildcards.
#pragma once

#include <string>

namespace orl {

// The letter in lower case: A-Z and the accented capitals of Windows-1252; other bytes unchanged.
unsigned char LowerCase1252(unsigned char c);

// A name as NTFS matches it: letter by letter, without regard to case (no letter spelled out).
std::string FoldName(const std::string& name);

// The comparison key of a text, as the user's locale compares it without regard to case: letters
// folded, and the ligatures that Windows sorts as two letters ("ß", "æ", "œ") spelled out.
std::string CaseFoldedKey(const std::string& text);

// A name matched against a FindFirstFile wildcard ("*" any run, "?" one character), letter case
// disregarded; "*.*" matches every name, as it does on Windows.
bool MatchesWildcard(const std::string& name, const std::string& pattern);

}  // namespace orl
