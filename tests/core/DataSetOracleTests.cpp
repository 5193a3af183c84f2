// The fast comparison against the plain pairwise one, on thousands of generated pairs of
// locations: the same result every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>

#include "core/DataSetComparison.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/PairwiseComparison.h"

namespace orl {
namespace {

class LocationGenerator {
public:
    explicit LocationGenerator(unsigned seed) : random_(seed) {}

    // Two locations whose period files overlap: some names on one side only, some on both in
    // varying case, lines drawn from a small vocabulary so that they repeat and nearly repeat.
    void LayOut(MemoryPlatform& memory) {
        for (const char* location : {"C:\\First\\Data\\", "C:\\Second\\Data\\"}) memory.CreateFolderPath(location);
        const char* names[] = {"2024-01.txt", "2024-02.txt", "2024-03.txt", "2024-04.txt"};
        for (const char* name : names) {
            int sides = Pick(6);  // 0: first only, 1: second only, else both
            if (sides < 2 && Pick(2) == 0) continue;  // often neither
            std::string base = Text(Pick(8));
            const std::pair<const char*, bool> folders[] = {{"C:\\First\\Data\\", sides != 1},
                                                            {"C:\\Second\\Data\\", sides != 0}};
            for (const auto& [folder, holds] : folders) {
                if (!holds) continue;
                const std::string path = folder + Cased(name);
                memory.WriteWholeFile(path, Vary(base));
                // Hidden and system period files count as any other.
                if (Pick(4) == 0) memory.SetAttributes(path, Pick(2) == 0 ? Hidden : Hidden | System);
            }
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    std::string Cased(std::string name) {
        if (Pick(3) == 0) name.replace(8, 3, "TXT");
        return name;
    }
    std::string Line() {
        static const char* const lines[] = {"09:00;Brenmoor;Orlagen", "09:00;BRENMOOR;orlagen", "10:00;\xC4rger",
                                            "10:00;\xE4RGER",          "Stra\xDF" "e",            "STRASSE",
                                            "",                        "co-op",                   "COOP"};
        return lines[Pick(9)];
    }
    std::string End() {
        static const char* const ends[] = {"\r\n", "\n", "\r", "\r\n"};
        return ends[Pick(4)];
    }
    std::string Text(int lines) {
        std::string text;
        for (int i = 0; i < lines; ++i) text += Line() + End();
        return text;
    }
    // The line with its letters A-Z in another case, now and then.
    std::string Recased(std::string line) {
        if (Pick(3) == 0) {
            for (char& c : line) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c >= 'A' && c <= 'Z' ? c + 32 : c);
        }
        return line;
    }
    // The same text, changed a little: lines dropped, added, duplicated, re-cased, line ends
    // changed, or cut short by a NUL.
    std::string Vary(const std::string& base) {
        const bool changeLines = Pick(3) == 0;  // otherwise only case variants and line ends change
        std::string text;
        size_t start = 0;
        while (start < base.size()) {
            size_t end = base.find_first_of("\r\n", start);
            std::string line = base.substr(start, end - start);
            start = end + (base.compare(end, 2, "\r\n") == 0 ? 2 : 1);
            switch (changeLines ? Pick(8) : 7) {
                case 0: break;                                             // dropped
                case 1: text += line + End() + line + End(); break;        // twice
                case 2: text += Line() + End() + line + End(); break;      // another before it
                default: text += Recased(line) + End();
            }
        }
        if (changeLines && Pick(4) == 0) text += Line();  // no final line end
        if (changeLines && Pick(6) == 0) text.insert(std::min(text.size(), static_cast<size_t>(Pick(40))), 1, '\0');
        return text;
    }

    std::mt19937 random_;
};

TEST(DataSetOracle, FastAndPairwiseComparisonsAgree) {
    int results[4] = {0, 0, 0, 0};
    for (unsigned seed = 1; seed <= 4000; ++seed) {
        MemoryPlatform memory;
        LocationGenerator(seed).LayOut(memory);
        const std::vector<std::string> folders = {"C:\\First", "C:\\Second\\"};
        int fast = CompareDataSets(memory, folders);
        ASSERT_EQ(fast, CompareDataSetsPairwise(memory, folders)) << "seed " << seed;
        ++results[fast + 1];
    }
    // Every result occurs often, so the agreement covers them all.
    for (int count : results) EXPECT_GT(count, 300) << results[0] << " " << results[1] << " " << results[2] << " " << results[3];
}

// The benchmark's data: the second location holds every line of the first, some in upper case,
// and a few lines of its own, all shuffled, so that no early answer is possible.
void LayOutShuffledSuperset(MemoryPlatform& memory, unsigned seed) {
    std::mt19937 random(seed);
    for (const char* location : {"C:\\First\\Data\\", "C:\\Second\\Data\\"}) memory.CreateFolderPath(location);
    for (const char* name : {"2024-01.txt", "2024-02.txt", "2024-03.txt"}) {
        std::string first;
        std::vector<std::string> second;
        for (int l = 0; l < 300; ++l) {
            std::string line = std::string(name, 7) + "-" + std::to_string(1 + l % 28) + ";Client " +
                               std::to_string(random() % 40) + ";note " + std::to_string(random() % 1000);
            first += line + "\r\n";
            const unsigned roll = random() % 40;
            std::string theirs = line;
            if (roll == 0) std::transform(line.begin(), line.end(), theirs.begin(), ::toupper);
            second.push_back(theirs + "\r\n");
            if (roll == 1) second.push_back(line + " (its own)\r\n");
        }
        std::shuffle(second.begin(), second.end(), random);
        memory.WriteWholeFile(std::string("C:\\First\\Data\\") + name, first);
        std::string joined;
        for (const std::string& line : second) joined += line;
        memory.WriteWholeFile(std::string("C:\\Second\\Data\\") + name, joined);
    }
}

TEST(DataSetOracle, ShuffledSupersetWithCaseChangesHoldsMoreInEitherOrder) {
    for (unsigned seed = 1; seed <= 5; ++seed) {
        MemoryPlatform memory;
        LayOutShuffledSuperset(memory, seed);
        const std::vector<std::string> folders = {"C:\\First", "C:\\Second"}, reversed = {folders[1], folders[0]};
        EXPECT_EQ(CompareDataSets(memory, folders), kSecondHoldsMore) << "seed " << seed;
        EXPECT_EQ(CompareDataSetsPairwise(memory, folders), kSecondHoldsMore) << "seed " << seed;
        EXPECT_EQ(CompareDataSets(memory, reversed), kFirstHoldsMore) << "seed " << seed;
    }
}

}  // namespace
}  // namespace orl
