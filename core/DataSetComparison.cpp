#include "core/DataSetComparison.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <deque>
#include <numeric>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/Integers.h"
#include "core/LineScanning.h"
#include "core/LineTable.h"
#include "core/Locations.h"
#include "core/Text.h"

namespace orl {

namespace {

using namespace lines;

struct Unmatched {
    long long first = 0, second = 0;
};

// A line of one file that found no partner in the other, and how many times it stands.
struct Leftover {
    std::string_view line;
    uint32_t count;
};

bool SameLowered(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lowered(x) == Lowered(y); });
}

std::string KeyOf(Platform& platform, std::string_view line) { return platform.ComparisonKey(std::string(line)); }

// Lines of two same-named files without a partner in the other, pair after pair, in storage kept
// from pair to pair. Each line pairs with at most one equal line, and equality is an equivalence,
// so the counts are the differences of the files' counts per class of equal lines, and any two
// equal lines may be paired first: lines equal byte for byte, cheaply; then lines that differ
// only in the case of A-Z, one locale comparison each; keys only for what is left on both sides.
class PairCounter {
public:
    Unmatched Count(Platform& platform, std::string_view first, std::string_view second) {
        // The table holds the lines of the shorter text.
        const bool firstInTable = first.size() <= second.size();
        const std::string_view a = firstInTable ? first : second, b = firstInTable ? second : first;
        CancelEqualBytes(a, b, SharedStart(a, b));
        if (!aLeft_.empty() && !bLeft_.empty()) PairCaseVariants(platform);
        Unmatched unmatched{Total(aLeft_), Total(bLeft_)};
        if (!aLeft_.empty() && !bLeft_.empty()) unmatched = CountByKey(platform);
        if (!firstInTable) std::swap(unmatched.first, unmatched.second);
        return unmatched;
    }

private:
    // Cancels each line against a byte-for-byte equal line of the other file while one is left:
    // the table counts the lines of `a` from `from` on; what is left of either goes to aLeft_ and
    // bLeft_.
    void CancelEqualBytes(std::string_view a, std::string_view b, size_t from) {
        aLeft_.clear();
        bLeft_.clear();
        table_.Reset(CountLines(a.substr(from)));
        ForEachLine(a, from, [&](std::string_view line, size_t at, uint32_t hash) {
            LineTable::Slot& slot = table_.Find(hash, [&](size_t other) { return IsLineAt(a, other, line); });
            if (slot.at == LineTable::kEmpty) slot = {static_cast<uint32_t>(at), hash, 0};
            ++slot.count;
        });
        ForEachLine(b, from, [&](std::string_view line, size_t, uint32_t hash) {
            LineTable::Slot& slot = table_.Find(hash, [&](size_t at) { return IsLineAt(a, at, line); });
            if (!LineTable::Take(slot)) bLeft_.push_back({line, 1});
        });
        table_.ForEachCounted([&](const LineTable::Slot& slot) {
            aLeft_.push_back({a.substr(slot.at, ScanLine(a, slot.at).length), slot.count});
        });
    }

    // Pairs the lines left over that are the same with A-Z lowered, when the locale finds them
    // equal too (it need not: in some locales "I" is not the capital of "i").
    void PairCaseVariants(Platform& platform) {
        table_.Reset(aLeft_.size());
        for (size_t i = 0; i < aLeft_.size(); ++i) {
            const uint32_t hash = Hash(aLeft_[i].line, Lowered);
            table_.Find(hash, [](size_t) { return false; }) = {static_cast<uint32_t>(i), hash, 0};
        }
        size_t unpaired = 0;
        for (const Leftover& left : bLeft_) {
            auto partner = [&](size_t i) {
                return aLeft_[i].count > 0 && SameLowered(aLeft_[i].line, left.line) &&
                       platform.CompareNoCase(std::string(aLeft_[i].line), std::string(left.line)) == 0;
            };
            const LineTable::Slot& slot = table_.Find(Hash(left.line, Lowered), partner);
            if (slot.at != LineTable::kEmpty) {
                --aLeft_[slot.at].count;
            } else {
                bLeft_[unpaired++] = left;
            }
        }
        bLeft_.resize(unpaired);
        std::erase_if(aLeft_, [](const Leftover& left) { return left.count == 0; });
    }

    // Pairs the lines left over by the platform's comparison keys. Each class of equal lines is
    // counted under its first line of aLeft_, whose key is made again when another line's key has
    // the same hash, so that no key need be kept: after the steps before, that is rare.
    Unmatched CountByKey(Platform& platform) {
        table_.Reset(aLeft_.size());
        auto classOf = [&](const std::string& key, uint32_t hash) -> LineTable::Slot& {
            return table_.Find(hash, [&](size_t i) { return KeyOf(platform, aLeft_[i].line) == key; });
        };
        for (size_t i = 0; i < aLeft_.size(); ++i) {
            const std::string key = KeyOf(platform, aLeft_[i].line);
            const uint32_t hash = Hash(key);
            LineTable::Slot& slot = classOf(key, hash);
            if (slot.at == LineTable::kEmpty) slot = {static_cast<uint32_t>(i), hash, 0};
            slot.count += aLeft_[i].count;
        }
        Unmatched unmatched;
        for (const Leftover& left : bLeft_) {
            const std::string key = KeyOf(platform, left.line);
            if (!LineTable::Take(classOf(key, Hash(key)))) ++unmatched.second;
        }
        table_.ForEachCounted([&](const LineTable::Slot& slot) { unmatched.first += slot.count; });
        return unmatched;
    }

    static long long Total(const std::vector<Leftover>& lines) {
        return std::accumulate(lines.begin(), lines.end(), 0LL,
                               [](long long sum, const Leftover& line) { return sum + line.count; });
    }

    LineTable table_;
    std::vector<Leftover> aLeft_, bLeft_;
};

}  // namespace

bool IsPeriodFileName(const std::string& path) {
    const std::string name = LastPathComponent(path);
    if (name.size() != 11) return false;
    const size_t dot = name.rfind('.');
    const std::string extension = dot == std::string::npos ? std::string() : name.substr(dot);
    return LowerAZ(extension) == ".txt" && name[4] == '-' && IsInteger(name.substr(0, 4)) &&
           IsInteger(name.substr(5, 2));
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

void ReadPeriodFile(Platform& platform, const std::string& path, std::string& text) {
    if (platform.ReadWholeFile(path, text) != Access::Done) throw PlatformError("Cannot open file " + path);
}

std::string ReadPeriodFile(Platform& platform, const std::string& path) {
    std::string text;
    ReadPeriodFile(platform, path, text);
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

    // Each pair of files is read into the storage of the pair before: fresh storage for every
    // file costs more than reading it where the system hands out new memory page by page.
    std::string fewerText, moreText;
    PairCounter counter;
    long long fewerCount = 0, moreCount = 0;
    // Once each folder holds a line that the other lacks the result is settled; the files left
    // are still opened and read, so that one that cannot be is reported as before.
    auto settled = [&] { return fewerCount > 0 && moreCount > 0; };
    for (size_t i = fewer.size(); i-- > 0;) {
        auto partner = moreByName.find(LastPathComponent(fewer[i]));
        if (partner == moreByName.end() || partner->second.empty()) {
            ReadPeriodFile(platform, fewer[i], fewerText);
            if (!settled()) fewerCount += static_cast<long long>(CountLines(fewerText));
            continue;
        }
        const size_t pair = partner->second.front();
        partner->second.pop_front();
        paired[pair] = true;
        ReadPeriodFile(platform, fewer[i], fewerText);
        ReadPeriodFile(platform, more[pair], moreText);
        if (settled()) continue;
        Unmatched unmatched = counter.Count(platform, fewerText, moreText);
        fewerCount += unmatched.first;
        moreCount += unmatched.second;
    }
    for (size_t i = more.size(); i-- > 0;) {
        if (paired[i]) continue;
        ReadPeriodFile(platform, more[i], moreText);
        if (!settled()) moreCount += static_cast<long long>(CountLines(moreText));
    }

    const long long firstCount = firstIsFewer ? fewerCount : moreCount;
    const long long secondCount = firstIsFewer ? moreCount : fewerCount;
    if (firstCount > 0 && secondCount > 0) return kEachHoldsMore;
    if (firstCount > 0) return kFirstHoldsMore;
    if (secondCount > 0) return kSecondHoldsMore;
    return kNeitherHoldsMore;
}

}  // namespace orl
