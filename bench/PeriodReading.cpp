#include "bench/PeriodReading.h"

#include <algorithm>
#include <string_view>

#include "core/DataSetComparison.h"

namespace orl {

namespace {

// One pass over the text, a byte at a time, with no call per byte.
void Split(std::string_view text, std::vector<std::string_view>& lines) {
    const char* at = text.data();
    const char* end = std::find(at, at + text.size(), '\0');
    lines.clear();
    while (at < end) {
        const char* lineEnd = std::find_if(at, end, [](char c) { return c == '\r' || c == '\n'; });
        lines.emplace_back(at, static_cast<size_t>(lineEnd - at));
        at = lineEnd + (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n' ? 2 : 1);
    }
}

}  // namespace

long long ReadAndSplitPeriodFiles(Platform& platform, const std::vector<std::string>& folders) {
    long long count = 0;
    for (const std::string& folder : folders) {
        for (const std::string& path : PeriodFiles(platform, folder)) {
            std::vector<std::string_view> lines;
            Split(ReadPeriodFile(platform, path), lines);
            count += static_cast<long long>(lines.size());
        }
    }
    return count;
}

long long ReadAndSplitPeriodFilesReusing(Platform& platform, const std::vector<std::string>& folders) {
    long long count = 0;
    std::string text;
    std::vector<std::string_view> lines;
    for (const std::string& folder : folders) {
        for (const std::string& path : PeriodFiles(platform, folder)) {
            ReadPeriodFile(platform, path, text);
            Split(text, lines);
            count += static_cast<long long>(lines.size());
        }
    }
    return count;
}

long long ReadPeriodFilesWhole(Platform& platform, const std::vector<std::string>& folders) {
    long long bytes = 0;
    for (const std::string& folder : folders) {
        for (const std::string& path : PeriodFiles(platform, folder)) {
            bytes += static_cast<long long>(ReadPeriodFile(platform, path).size());
        }
    }
    return bytes;
}

}  // namespace orl
