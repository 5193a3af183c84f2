#include "tests/support/PairwiseComparison.h"

#include <list>

#include "core/DataSetComparison.h"
#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

// The oracle lists and reads for itself, so that a fault in the product's listing or line
// splitting cannot agree with itself here.
std::vector<std::string> ListPeriodFiles(Platform& platform, const std::string& folder) {
    const std::string data = LowerAZ(AddBackslash(folder) + "Data\\");
    std::vector<FolderEntry> entries;
    if (platform.ListFolder(data, "*.*", entries) == Access::Failed) throw PlatformError("Cannot open file " + data);
    std::vector<std::string> files;
    for (const FolderEntry& entry : entries) {
        if (!entry.isFolder && IsPeriodFileName(entry.name)) files.push_back(data + LowerAZ(entry.name));
    }
    return files;
}

// Lines end at CR LF, a lone CR or a lone LF; a NUL ends the text; a last line needs no end.
std::vector<std::string> ReadLines(Platform& platform, const std::string& path) {
    std::string text;
    if (platform.ReadWholeFile(path, text) != Access::Done) throw PlatformError("Cannot open file " + path);
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            line += text[i];
            open = true;
            continue;
        }
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        lines.push_back(line);
        line.clear();
        open = false;
    }
    if (open) lines.push_back(line);
    return lines;
}

}  // namespace

int CompareDataSetsPairwise(Platform& platform, const std::vector<std::string>& folders) {
    if (folders.size() > 2) return -1;
    if (folders.size() == 1) return 0;
    std::vector<std::string> files[2] = {ListPeriodFiles(platform, folders[0]), ListPeriodFiles(platform, folders[1])};
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
        for (const std::string& path : ListPeriodFiles(platform, folder)) {
            lines += static_cast<long long>(ReadLines(platform, path).size());
        }
    }
    return lines;
}

}  // namespace orl
