#include "platform/WindowsText.h"

namespace orl {

unsigned char LowerCase1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    // À..Þ except the multiplication sign
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Œ
        case 0x8E: return 0x9E;  // Ž
        case 0x9F: return 0xFF;  // Ÿ
        default: return c;
    }
}

std::string FoldName(const std::string& name) {
    std::string folded = name;
    for (char& c : folded) c = static_cast<char>(LowerCase1252(static_cast<unsigned char>(c)));
    return folded;
}

std::string CaseFoldedKey(const std::string& text) {
    std::string key;
    key.reserve(text.size());
    for (char c : text) {
        unsigned char lower = LowerCase1252(static_cast<unsigned char>(c));
        switch (lower) {
            case 0xDF: key += "ss"; break;  // ß
            case 0xE6: key += "ae"; break;  // æ
            case 0x9C: key += "oe"; break;  // œ
            default: key += static_cast<char>(lower);
        }
    }
    return key;
}

namespace {

bool SameLetter(char a, char b) {
    return LowerCase1252(static_cast<unsigned char>(a)) == LowerCase1252(static_cast<unsigned char>(b));
}

}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    if (pattern == "*.*") return true;
    // Iterative matching with one backtrack point: linear in practice, no recursion on long names.
    size_t n = 0, p = 0, starAt = std::string::npos, resumeAt = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starAt = p++;
            resumeAt = n;
        } else if (p < pattern.size() && (pattern[p] == '?' || SameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starAt != std::string::npos) {
            p = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace orl
