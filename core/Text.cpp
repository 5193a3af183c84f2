#include "core/Text.h"

namespace orl {

std::string LowerAZ(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string TrimControl(const std::string& text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    size_t first = 0, last = text.size();
    while (first < last && isControl(text[first])) ++first;
    while (last > first && isControl(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string FolderPart(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string LastPathComponent(const std::string& path) {
    size_t cut = path.find_last_of("\\:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

unsigned long Fingerprint(const std::string& text) {
    unsigned long hash = 2166136261UL;
    for (unsigned char c : text) hash = ((hash ^ c) * 16777619UL) & 0xFFFFFFFFUL;
    return hash;
}

}  // namespace orl
