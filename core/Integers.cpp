#include "core/Integers.h"

namespace orl {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Length of a hexadecimal prefix at `at`: "0x"/"0X" two, "$"/"x"/"X" one, none zero.
size_t HexPrefixLength(const std::string& text, size_t at) {
    if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) return 2;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) return 1;
    return 0;
}

std::optional<int32_t> ParseHex(const std::string& text, size_t at) {
    if (at == text.size()) return std::nullopt;
    uint64_t value = 0;
    for (; at < text.size(); ++at) {
        int digit = HexDigit(text[at]);
        if (digit < 0) return std::nullopt;
        value = value * 16 + static_cast<uint64_t>(digit);
        if (value > 0xFFFFFFFFu) return std::nullopt;
    }
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::optional<int32_t> ParseDecimal(const std::string& text, size_t at) {
    bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) ++at;
    if (at == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return std::nullopt;
        value = value * 10 + (text[at] - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

}  // namespace

std::optional<int32_t> ParseInteger(const std::string& text) {
    size_t at = text.find_first_not_of(' ');
    if (at == std::string::npos) return std::nullopt;
    size_t prefix = HexPrefixLength(text, at);
    return prefix > 0 ? ParseHex(text, at + prefix) : ParseDecimal(text, at);
}

bool IsInteger(const std::string& text) { return ParseInteger(text).has_value(); }

}  // namespace orl
