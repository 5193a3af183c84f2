#include "core/DataSetComparison.h"

#include <string_view>
#include <unordered_map>

#include "core/Integers.h"
#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

struct Unmatched {
    long long first = 0, second = 0;
};

// Lines of two same-named files without a partner in the other. Each line pairs with at most one
// equal line, and equality is an equivalence, so the counts are the differences of the two files'
// counts per class of equal lines. Lines equal byte for byte are in one class without asking the
// locale: they cancel first, cheaply, and only the lines left over need a comparison key.
Unmatched CountUnmatched(Platform& platform, std::string_view firstText, std::string_view secondText) {
    if (firstText.substr(0, firstText.find('\0')) == secondText.substr(0, secondText.find('\0'))) return {};
    std::vector<std::string_view> first = SplitLines(firstText), second = SplitLines(secondText);
    // Most lines stand unchanged at the same place in both files; those cancel in place.
    std::unordered_map<std::string_view, long long> exact;
    size_t common = std::min(first.size(), second.size());
    for (size_t i = 0; i < common; ++i) {
        if (first[i] == second[i]) continue;
        ++exact[first[i]];
        --exact[second[i]];
    }
    for (size_t i = common; i < first.size(); ++i) ++exact[first[i]];
    for (size_t i = common; i < second.size(); ++i) --exact[second[i]];

    std::unordered_map<std::string, long long> byKey;
    for (const auto& [line, count] : exact) {
        if (count != 0) byKey[platform.ComparisonKey(std::string(line))] += count;
    }
    Unmatched unmatched;
    for (const auto& [key, count] : byKey) {
        if (count > 0) unmatched.first += count;
        if (count < 0) unmatched.second -= count;
    }
    return unmatched;
}

long long LineCount(Platform& platform, const std::string& path) {
    return static_cast<long long>(SplitLines(ReadPeriodFile(platform, path)).size());
}

}  // namespace

bool IsPeriodFileName(const std::string& path) {
    const std::string name = LastPathComponent(path);
    if (name.size() != 11) return false;
    const size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    return LowerAZ(extension) == ".txt" && name[4] == '-' && IsInteger(name.substr(0, 4)) && IsInteger(name.substr(5, 2));
}

std::vector<std::string> PeriodFiles(Platform& platform, const std::string& folder) {
    const std::string data = DataFolder(folder);
    std::vector<FolderEntry> entries;
    // Data that could not be seen must not decide the comparison; a missing folder holds none.
    if (platform.ListFolder(data, "?\?\?\?-?\?.txt", entries) == Access::Failed) {
        throw PlatformError("Cannot open file " + LowerAZ(data));
    }
    std::vector<std::string> files;
    for (const FolderEntry& entry : entries) {
        if (!entry.isFolder && IsPeriodFileName(data + entry.name)) files.push_back(LowerAZ(data + entry.name));
    }
    return files;
}

std::string ReadPeriodFile(Platform& platform, const std::string& path) {
    std::string text;
    if (platform.ReadWholeFile(path, text) != Access::Done) throw PlatformError("Cannot open file " + path);
    return text;
}

int CompareDataSets(Platform& platform, const std::vector<std::string>& folders) {
    if (folders.size() > 2) return kEachHoldsMore;
    if (folders.size() < 2) return kNeitherHoldsMore;
    std::vector<std::string> first = PeriodFiles(platform, folders[0]);
    std::vector<std::string> second = PeriodFiles(platform, folders[1]);

    // The files are taken in the order in which the pairwise method takes them (the folder with
    // fewer files first, each list from its end), so that of several files that cannot be
    // opened, the same one is named.
    const bool firstIsFewer = first.size() < second.size();
    std::vector<std::string>& fewer = firstIsFewer ? first : second;
    std::vector<std::string>& more = firstIsFewer ? second : first;
    std::unordered_map<std::string, size_t> moreByName;
    for (size_t i = 0; i < more.size(); ++i) moreByName[LastPathComponent(more[i])] = i;
    std::vector<bool> paired(more.size(), false);

    long long fewerCount = 0, moreCount = 0;
    for (size_t i = fewer.size(); i-- > 0;) {
        auto partner = moreByName.find(LastPathComponent(fewer[i]));
        if (partner == moreByName.end()) {
            fewerCount += LineCount(platform, fewer[i]);
            continue;
        }
        std::string fewerText = ReadPeriodFile(platform, fewer[i]);
        std::string moreText = ReadPeriodFile(platform, more[partner->second]);
        Unmatched unmatched = CountUnmatched(platform, fewerText, moreText);
        fewerCount += unmatched.first;
        moreCount += unmatched.second;
        paired[partner->second] = true;
    }
    for (size_t i = more.size(); i-- > 0;) {
        if (!paired[i]) moreCount += LineCount(platform, more[i]);
    }

    const long long firstCount = firstIsFewer ? fewerCount : moreCount;
    const long long secondCount = firstIsFewer ? moreCount : fewerCount;
    if (firstCount > 0 && secondCount > 0) return kEachHoldsMore;
    if (firstCount > 0) return kFirstHoldsMore;
    if (secondCount > 0) return kSecondHoldsMore;
    return kNeitherHoldsMore;
}

}  // namespace orl
