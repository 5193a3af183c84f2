// The lines of a text file, found and hashed a machine word at a time: the period files of the
// comparison and the settings files share these rules. A line ends at CR LF, a lone CR or a lone
// LF; a NUL ends the text; a last line needs no line end. Inline, so that the comparison's loop
// scans each line without a call.
#pragma once

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace orl::lines {

// Lines are found and hashed a machine word at a time (a 64-bit word would cost three
// multiplications on a 32-bit processor), and never through a call per byte.
using Word = size_t;
constexpr Word kOnes = Word(-1) / 0xFF;  // 0x0101...01
constexpr Word kHighs = kOnes * 0x80;

inline Word Load(const char* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The high bit of each zero byte of the word; only bits above a real one can be false.
inline Word ZeroBytes(Word word) { return (word - kOnes) & ~word & kHighs; }

// The high bit of each byte below 14, likewise: one test for the three bytes that end a line (CR,
// LF, and NUL, which ends a period file's text), as other control bytes are rare in period files.
inline Word LowBytes(Word word) { return (word - kOnes * 14) & ~word & kHighs; }

inline bool IsLineEnd(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// The bytes of the word that end a line; the lowest one set is exact.
inline Word LineEndBytes(Word word) {
    return ZeroBytes(word) | ZeroBytes(word ^ (kOnes * '\n')) | ZeroBytes(word ^ (kOnes * '\r'));
}

// One word into a hash: a multiplication of the machine's own width. Bits only move upwards in
// it, so a hash is finished with Mix, which moves them down too, and taken from its top.
inline Word Step(Word hash, Word word) {
    return (hash ^ word) * (sizeof(Word) == 8 ? Word(0xFF51AFD7ED558CCDull) : Word(0x85EBCA6Bu));
}

inline Word Mix(Word hash, Word word) {
    hash = Step(hash, word);
    return hash ^ (hash >> (sizeof(Word) * 4));
}

inline uint32_t Top(Word hash) { return static_cast<uint32_t>(Mix(hash, 0) >> (sizeof(Word) * 8 - 32)); }

constexpr Word kSeed = Word(0x9E3779B97F4A7C15ull);

struct Scanned {
    size_t length;
    uint32_t hash;
};

// The length of the line of `text` that starts at `at` (up to its CR, LF or NUL, or to the end)
// and a hash of its bytes, found together in one pass over them.
inline Scanned ScanLine(std::string_view text, size_t at) {
    Word hash = kSeed, tail = 0;
    const char *start = &text[at], *next = start, *end = text.data() + text.size();
    for (; end - next >= static_cast<std::ptrdiff_t>(sizeof(Word)); next += sizeof(Word)) {
        const Word word = Load(next);
        const Word ends = LowBytes(word) == 0 ? 0 : LineEndBytes(word);
        if (ends != 0) {  // the line ends in this word
            const int bytes = std::countr_zero(ends) / 8;
            tail = bytes == 0 ? 0 : word & (Word(-1) >> (8 * (sizeof(Word) - bytes)));
            end = next += bytes;
            break;
        }
        hash = Step(hash, word);
    }
    for (int shift = 0; next < end && !IsLineEnd(*next); ++next, shift += 8) {
        tail |= Word(static_cast<unsigned char>(*next)) << shift;
    }
    return {size_t(next - start), Top(Mix(Step(hash, tail), next - start))};
}

inline unsigned char Byte(char c) { return static_cast<unsigned char>(c); }
inline unsigned char Lowered(char c) { return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); }

// A hash of the bytes, a byte at a time, each through `map`: for the few lines left over and
// their keys only.
inline uint32_t Hash(std::string_view bytes, unsigned char (*map)(char) = Byte) {
    Word hash = kSeed;
    for (char c : bytes) hash = Step(hash, map(c));
    return Top(Mix(hash, bytes.size()));
}

inline bool SameBytes(const char* a, const char* b, size_t length) {
    size_t at = 0;
    for (; at + sizeof(Word) <= length; at += sizeof(Word)) {
        if (Load(a + at) != Load(b + at)) return false;
    }
    for (; at < length; ++at) {
        if (a[at] != b[at]) return false;
    }
    return true;
}

inline bool IsLineStart(std::string_view text, size_t at) { return at < text.size() && text[at] != '\0'; }

// Where the line after the one that ends at `end` starts: the text's size once it is over.
inline size_t NextLineStart(std::string_view text, size_t end) {
    if (!IsLineStart(text, end)) return text.size();
    return end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
}

// Calls visit(line, where it starts, its hash) for each line of the text from the line start
// `from` on.
template <class Visit>
void ForEachLine(std::string_view text, size_t from, Visit visit) {
    for (size_t at = from; IsLineStart(text, at);) {
        const Scanned line = ScanLine(text, at);
        visit(text.substr(at, line.length), at, line.hash);
        at = NextLineStart(text, at + line.length);
    }
}

inline size_t CountLines(std::string_view text) {
    size_t count = 0;
    ForEachLine(text, 0, [&](std::string_view, size_t, uint32_t) { ++count; });
    return count;
}

// Whether the line of `text` that starts at `at` is `line`.
inline bool IsLineAt(std::string_view text, size_t at, std::string_view line) {
    const size_t end = at + line.size();
    return end <= text.size() && SameBytes(&text[at], line.data(), line.size()) &&
           (end == text.size() || IsLineEnd(text[end]));
}

// Where the lines that both texts hold alike at their start end: just after the last LF before
// the first byte in which they differ, or before a NUL, which ends both texts.
inline size_t SharedStart(std::string_view a, std::string_view b) {
    const size_t length = std::min(a.size(), b.size());
    size_t at = 0;
    while (at + sizeof(Word) <= length && Load(&a[at]) == Load(&b[at]) && ZeroBytes(Load(&a[at])) == 0) {
        at += sizeof(Word);
    }
    while (at < length && a[at] == b[at] && a[at] != '\0') ++at;
    while (at > 0 && a[at - 1] != '\n') --at;
    return at;
}

// Every line of the text; the views point into it.
inline std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> found;
    ForEachLine(text, 0, [&](std::string_view line, size_t, uint32_t) { found.push_back(line); });
    return found;
}

}  // namespace orl::lines
