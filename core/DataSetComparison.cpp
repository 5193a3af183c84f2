#include "core/DataSetComparison.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
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

// How many more times each line stands in the first file than in the second, by the line's
// bytes: open addressing over (hash, line, count), no allocation per line. The table is sized
// once for the largest pair of files and reused.
class LineCounts {
public:
    void Reset(size_t lines) {
        size_t capacity = 64;
        while (capacity < lines * 2) capacity *= 2;
        if (capacity > slots_.size()) slots_.resize(capacity);
        std::fill(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(capacity), Slot());
        mask_ = capacity - 1;
    }
    void Add(std::string_view line, long long delta) {
        const size_t hash = Hash(line);
        for (size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& slot = slots_[i];
            if (!slot.used) {
                slot = {hash, line, delta, true};
                return;
            }
            if (slot.hash == hash && slot.line == line) {
                slot.count += delta;
                return;
            }
        }
    }
    template <class Visit>
    void ForEachUnmatched(Visit visit) const {
        for (size_t i = 0; i <= mask_; ++i) {
            if (slots_[i].used && slots_[i].count != 0) visit(slots_[i].line, slots_[i].count);
        }
    }

private:
    struct Slot {
        size_t hash = 0;
        std::string_view line;
        long long count = 0;
        bool used = false;
    };
    // A machine word at a time, each mixed in by a multiplication of the machine's own width (a
    // 64-bit one costs three on a 32-bit processor): fast, and spread enough for lines.
    static size_t Hash(std::string_view text) {
        constexpr bool wide = sizeof(size_t) == 8;
        constexpr size_t seed = wide ? size_t(0x9E3779B97F4A7C15ull) : size_t(0x9E3779B9u);
        constexpr size_t mix = wide ? size_t(0xFF51AFD7ED558CCDull) : size_t(0x85EBCA6Bu);
        constexpr size_t last = wide ? size_t(0xC4CEB9FE1A85EC53ull) : size_t(0xC2B2AE35u);
        constexpr unsigned half = sizeof(size_t) * 4;
        size_t hash = seed ^ text.size();
        size_t at = 0;
        for (; at + sizeof(size_t) <= text.size(); at += sizeof(size_t)) {
            size_t chunk;
            std::memcpy(&chunk, text.data() + at, sizeof chunk);
            hash = (hash ^ chunk) * mix;
            hash ^= hash >> half;
        }
        size_t tail = 0;
        std::memcpy(&tail, text.data() + at, text.size() - at);
        hash = (hash ^ tail) * last;
        return hash ^ (hash >> (half - 3));
    }

    std::vector<Slot> slots_;
    size_t mask_ = 0;
};

// Lines of two same-named files without a partner in the other. Each line pairs with at most one
// equal line, and equality is an equivalence, so the counts are the differences of the two files'
// counts per class of equal lines. Lines equal byte for byte are in one class without asking the
// locale: they cancel first, cheaply, and only the lines left over need a comparison key.
Unmatched CountUnmatched(Platform& platform, LineCounts& counts, std::string_view firstText,
                         std::string_view secondText) {
    if (firstText.substr(0, firstText.find('\0')) == secondText.substr(0, secondText.find('\0'))) return {};
    std::vector<std::string_view> first = SplitLines(firstText), second = SplitLines(secondText);
    counts.Reset(first.size() + second.size());
    // Most lines stand unchanged at the same place in both files; those cancel in place.
    size_t common = std::min(first.size(), second.size());
    for (size_t i = 0; i < common; ++i) {
        if (first[i] == second[i]) continue;
        counts.Add(first[i], 1);
        counts.Add(second[i], -1);
    }
    for (size_t i = common; i < first.size(); ++i) counts.Add(first[i], 1);
    for (size_t i = common; i < second.size(); ++i) counts.Add(second[i], -1);

    std::unordered_map<std::string, long long> byKey;
    counts.ForEachUnmatched([&](std::string_view line, long long count) {
        byKey[platform.ComparisonKey(std::string(line))] += count;
    });
    Unmatched unmatched;
    for (const auto& [key, count] : byKey) {
        if (count > 0) unmatched.first += count;
        if (count < 0) unmatched.second -= count;
    }
    return unmatched;
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
    // A file is paired at most once: on a share that tells letter case apart a folder may hold
    // "2026-01.txt" and "2026-01.TXT", listed under one name, and each pairs with its own partner.
    std::unordered_map<std::string, std::deque<size_t>> moreByName;
    for (size_t i = 0; i < more.size(); ++i) moreByName[LastPathComponent(more[i])].push_back(i);
    std::vector<bool> paired(more.size(), false);

    LineCounts counts;
    long long fewerCount = 0, moreCount = 0;
    // Once each folder holds a line that the other lacks the result is settled; the files left
    // are still opened and read, so that one that cannot be is reported as before.
    auto settled = [&] { return fewerCount > 0 && moreCount > 0; };
    for (size_t i = fewer.size(); i-- > 0;) {
        auto partner = moreByName.find(LastPathComponent(fewer[i]));
        if (partner == moreByName.end() || partner->second.empty()) {
            const std::string text = ReadPeriodFile(platform, fewer[i]);
            if (!settled()) fewerCount += static_cast<long long>(SplitLines(text).size());
            continue;
        }
        const size_t pair = partner->second.front();
        partner->second.pop_front();
        paired[pair] = true;
        std::string fewerText = ReadPeriodFile(platform, fewer[i]);
        std::string moreText = ReadPeriodFile(platform, more[pair]);
        if (settled()) continue;
        Unmatched unmatched = CountUnmatched(platform, counts, fewerText, moreText);
        fewerCount += unmatched.first;
        moreCount += unmatched.second;
    }
    for (size_t i = more.size(); i-- > 0;) {
        if (paired[i]) continue;
        const std::string text = ReadPeriodFile(platform, more[i]);
        if (!settled()) moreCount += static_cast<long long>(SplitLines(text).size());
    }

    const long long firstCount = firstIsFewer ? fewerCount : moreCount;
    const long long secondCount = firstIsFewer ? moreCount : fewerCount;
    if (firstCount > 0 && secondCount > 0) return kEachHoldsMore;
    if (firstCount > 0) return kFirstHoldsMore;
    if (secondCount > 0) return kSecondHoldsMore;
    return kNeitherHoldsMore;
}

}  // namespace orl
