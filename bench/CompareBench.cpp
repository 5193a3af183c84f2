// Measures the data-set comparison on two locations of period files: the comparison itself, the
// pairwise method it replaces, and merely reading and splitting the same files.
//
//   orl_compare_bench [--files N] [--lines N] [--pairwise-files N] [--disk]
//
// --disk (Windows build only) lays the locations out in a real temporary folder and uses the
// Win32 platform; otherwise they are in memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "core/DataSetComparison.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/PairwiseComparison.h"
#ifdef _WIN32
#include <windows.h>

#include "platform/win32/Win32Platform.h"
#include "tests/support/Win32Folders.h"
#endif

namespace {

using orl::Platform;

struct Options {
    int files = 120;
    int lines = 5000;
    int pairwiseFiles = 3;
    bool disk = false;
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        auto next = [&]() { return i + 1 < argc ? std::atoi(argv[++i]) : 0; };
        if (arg == "--files") options.files = next();
        else if (arg == "--lines") options.lines = next();
        else if (arg == "--pairwise-files") options.pairwiseFiles = next();
        else if (arg == "--disk") options.disk = true;
    }
    options.pairwiseFiles = std::clamp(options.pairwiseFiles, 1, options.files);
    return options;
}

std::string PeriodName(int index) {
    char name[32];
    std::snprintf(name, sizeof name, "%04d-%02d.txt", 2000 + index / 12, 1 + index % 12);
    return name;
}

unsigned Draw(std::mt19937& random) { return static_cast<unsigned>(random()); }

// A period file's lines; the second location's copy has about 5% of them changed, half of those
// only in letter case (which the comparison finds equal). The third holds the first's lines in
// another order within each file, 2.5% of them changed only in letter case, and 2.5% lines of its
// own: the comparison then answers 2.
void LayOut(Platform& platform, const std::string& root, int files, int lines) {
    std::mt19937 random(7);
    const std::string first = root + "First\\Data\\", second = root + "Second\\Data\\",
                      shuffled = root + "Shuffled\\Data\\";
    for (const std::string& folder : {first, second, shuffled}) platform.CreateFolderPath(folder);
    auto upper = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(), [](char c) { return std::toupper(c); });
        return text;
    };
    for (int f = 0; f < files; ++f) {
        std::string a, b;
        std::vector<std::string> c;
        for (int l = 0; l < lines; ++l) {
            char line[128];
            std::snprintf(line, sizeof line, "%s-%02d;%02d:%02d;%02d:%02d;Client %u;Project %u;Activity %u;note %u",
                          PeriodName(f).substr(0, 7).c_str(), 1 + l % 28, 8 + l % 9, l % 60, 9 + l % 9,
                          (l * 7) % 60, Draw(random) % 40, Draw(random) % 90, Draw(random) % 25, Draw(random));
            std::string text = line, other = text;
            unsigned roll = Draw(random) % 1000;
            if (roll < 25) {
                other = upper(text);
            } else if (roll < 50) {
                other += " (changed)";
            }
            a += text + "\r\n";
            b += other + "\r\n";
            c.push_back((roll < 25 ? upper(text) : text) + "\r\n");
            if (roll >= 975) c.push_back(text + " (its own)\r\n");
        }
        std::shuffle(c.begin(), c.end(), random);
        std::string joined;
        for (const std::string& line : c) joined += line;
        platform.WriteWholeFile(first + PeriodName(f), a);
        platform.WriteWholeFile(second + PeriodName(f), b);
        platform.WriteWholeFile(shuffled + PeriodName(f), joined);
    }
}

// The best of a few runs, in seconds.
double Time(int runs, const std::function<void()>& work) {
    double best = 1e30;
    for (int i = 0; i < runs; ++i) {
        auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    Options options = ParseOptions(argc, argv);
    std::unique_ptr<Platform> platform;
    std::string root = "C:\\Bench\\";
#ifdef _WIN32
    if (options.disk) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        root = std::string(temp) + "orl-bench-" + std::to_string(GetCurrentProcessId()) + "\\";
        platform = std::make_unique<orl::Win32Platform>();
    }
#endif
    if (!platform) {
        options.disk = false;
        platform = std::make_unique<orl::MemoryPlatform>();
    }
    LayOut(*platform, root, options.files, options.lines);
    const std::vector<std::string> full = {root + "First", root + "Second"};

    int fast = 0;
    long long lines = 0;
    double reading = Time(3, [&] { lines = orl::ReadPeriodFilesOnly(*platform, full); });
    double comparing = Time(3, [&] { fast = orl::CompareDataSets(*platform, full); });
    // The same data with the second location's lines in another order.
    const std::vector<std::string> reordered = {root + "First", root + "Shuffled"};
    int shuffledResult = 0;
    long long shuffledLines = 0;
    double readingShuffled = Time(3, [&] { shuffledLines = orl::ReadPeriodFilesOnly(*platform, reordered); });
    double comparingShuffled = Time(3, [&] { shuffledResult = orl::CompareDataSets(*platform, reordered); });

    // The pairwise method on a slice: locations holding the first few period files only.
    const std::string sliceRoot = root + "Slice\\";
    for (const char* side : {"First", "Second"}) {
        platform->CreateFolderPath(sliceRoot + side + "\\Data\\");
        for (int f = 0; f < options.pairwiseFiles; ++f) {
            platform->CopyFileReplacing(root + side + "\\Data\\" + PeriodName(f),
                                        sliceRoot + side + "\\Data\\" + PeriodName(f));
        }
    }
    const std::vector<std::string> slice = {sliceRoot + "First", sliceRoot + "Second"};
    int pairwise = 0, sliceFast = 0;
    double pairwiseSlice = Time(1, [&] { pairwise = orl::CompareDataSetsPairwise(*platform, slice); });
    double fastSlice = Time(3, [&] { sliceFast = orl::CompareDataSets(*platform, slice); });
    const double scale = static_cast<double>(options.files) / options.pairwiseFiles;
    const double pairwiseFull = pairwiseSlice * scale;

#ifdef _WIN32
    if (options.disk) orl::RemoveFolder(root);
#endif
    std::printf("platform: %s; two locations of %d period files x %d lines (%lld lines read)\n",
                options.disk ? "Win32 on real disk" : "in memory", options.files, options.lines, lines);
    std::printf("%-44s %12s\n", "work", "seconds");
    std::printf("%-44s %12.4f\n", "read whole and split into lines only", reading);
    std::printf("%-44s %12.4f   result %d\n", "CompareDataSets", comparing, fast);
    std::printf("pairwise method, %3d of %3d files             %12.4f   result %d (CompareDataSets: %.4f, result %d)\n",
                options.pairwiseFiles, options.files, pairwiseSlice, pairwise, fastSlice, sliceFast);
    std::printf("%-44s %12.4f   (the slice x %.0f: files are compared one pair at a time,\n"
                "%-44s %12s    so the time grows with the number of files)\n",
                "pairwise method, all files (estimated)", pairwiseFull, scale, "", "");
    std::printf("%-44s %12.4f\n", "lines in another order: read and split only", readingShuffled);
    std::printf("%-44s %12.4f   result %d\n", "lines in another order: CompareDataSets", comparingShuffled,
                shuffledResult);
    std::printf("lines in another order: cost relative to reading: %.1fx\n", comparingShuffled / readingShuffled);
    std::printf("speed-up over pairwise: %.1fx\n", pairwiseFull / comparing);
    std::printf("cost relative to reading: %.1fx\n", comparing / reading);
    if (pairwise != sliceFast) {
        std::fprintf(stderr, "the two methods disagree: %d against %d\n", pairwise, sliceFast);
        return 1;
    }
    return 0;
}
