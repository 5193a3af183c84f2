#include "tests/support/PairwiseComparison.h"

#include <list>

#include "core/DataSetComparison.h"
#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

std::vector<std::string> ReadLines(Platform& platform, const std::string& path) {
    const std::string text = ReadPeriodFile(platform, path);
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
    return lines;
}

}  // namespace

int CompareDataSetsPairwise(Platform& platform, const std::vector<std::string>& folders) {
    if (folders.size() > 2) return -1;
    if (folders.size() == 1) return 0;
    std::vector<std::string> files[2] = {PeriodFiles(platform, folders[0]), PeriodFiles(platform, folders[1])};
    long long counts[2] = {0, 0};
    const int a = files[0].size() < files[1].size() ? 0 : 1;
    const int b = 1 - a;

    while (!files[a].empty()) {
        std::string f = files[a].back();
        std::string partner = LowerAZ(DataFolder(folders[b]) + LastPathComponent(f));
        auto g = files[b].end();
        for (auto it = files[b].begin(); it != files[b].end(); ++it) {
            if (platform.CompareNoCase(*it, partner) == 0) {
                g = it;
                break;
            }
        }
        if (g == files[b].end()) {
            counts[a] += static_cast<long long>(ReadLines(platform, f).size());
        } else {
            std::vector<std::string> fLines = ReadLines(platform, f), gLines = ReadLines(platform, *g);
            const bool fShorter = fLines.size() < gLines.size();
            const std::vector<std::string>& shorter = fShorter ? fLines : gLines;
            std::list<std::string> remaining(fShorter ? gLines.begin() : fLines.begin(),
                                             fShorter ? gLines.end() : fLines.end());
            for (size_t i = shorter.size(); i-- > 0;) {
                auto match = remaining.begin();
                while (match != remaining.end() && platform.CompareNoCase(*match, shorter[i]) != 0) ++match;
                if (match == remaining.end()) {
                    ++counts[fShorter ? a : b];
                } else {
                    remaining.erase(match);
                }
            }
            counts[fShorter ? b : a] += static_cast<long long>(remaining.size());
            files[b].erase(g);
        }
        files[a].pop_back();
    }
    while (!files[b].empty()) {
        counts[b] += static_cast<long long>(ReadLines(platform, files[b].back()).size());
        files[b].pop_back();
    }
    if (counts[0] > 0 && counts[1] > 0) return -1;
    if (counts[0] > 0) return 1;
    return counts[1] > 0 ? 2 : 0;
}

long long ReadPeriodFilesOnly(Platform& platform, const std::vector<std::string>& folders) {
    long long lines = 0;
    for (const std::string& folder : folders) {
        for (const std::string& path : PeriodFiles(platform, folder)) {
            lines += static_cast<long long>(SplitLines(ReadPeriodFile(platform, path)).size());
        }
    }
    return lines;
}

}  // namespace orl
