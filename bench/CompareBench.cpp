// Measures the data-set comparison on two locations of period files: the comparison itself, the
// pairwise method it replaces, and merely reading the same files whole and splitting them.
//
//   orl_compare_bench [--files N] [--lines N] [--pairwise-files N] [--runs N] [--disk]
//
// --disk (Windows build only) lays the locations out in a real temporary folder and uses the
// Win32 platform; otherwise they are in memory. --pairwise-files 0 leaves the pairwise method out
// (for profiling the comparison alone). Each time is the median of --runs runs.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "bench/PeriodReading.h"
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
    int runs = 5;
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
        else if (arg == "--runs") options.runs = next();
        else if (arg == "--disk") options.disk = true;
    }
    options.pairwiseFiles = std::clamp(options.pairwiseFiles, 0, options.files);
    options.runs = std::max(options.runs, 1);
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
                          PeriodName(f).substr(0, 7).c_str(), 1 + l % 28, 8 + l % 9, l % 60, 9 + l % 9, (l * 7) % 60,
                          Draw(random) % 40, Draw(random) % 90, Draw(random) % 25, Draw(random));
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

// The processor time (user and system) that this process has taken so far, in seconds.
double ProcessorSeconds() {
#ifdef _WIN32
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](FILETIME time) { return (time.dwHighDateTime * 4294967296.0 + time.dwLowDateTime) * 1e-7; };
    return seconds(kernel) + seconds(user);
#else
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
#endif
}

struct Timing {
    double elapsed = 0, processor = 0;
};

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The medians of a few runs of each work, in seconds, the works taken in turn in each round so
// that a change in what else the machine does falls on all of them alike. On a machine that
// others load as well, the best run flatters and the mean follows the load. Processor time
// depends less on the load than elapsed time, but is counted coarsely on some systems.
std::vector<Timing> Time(int runs, const std::vector<std::function<void()>>& works) {
    std::vector<std::vector<double>> elapsed(works.size()), processor(works.size());
    for (int i = 0; i < runs; ++i) {
        for (size_t w = 0; w < works.size(); ++w) {
            auto start = std::chrono::steady_clock::now();
            double startProcessor = ProcessorSeconds();
            works[w]();
            processor[w].push_back(ProcessorSeconds() - startProcessor);
            elapsed[w].push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::vector<Timing> timings;
    for (size_t w = 0; w < works.size(); ++w) timings.push_back({Median(elapsed[w]), Median(processor[w])});
    return timings;
}

Timing Time(int runs, const std::function<void()>& work) { return Time(runs, std::vector{work})[0]; }

// "N.Nx (processor time: N.Nx)"; a processor time too short to be counted has no ratio.
std::string Ratio(Timing cost, Timing base) {
    char text[80];
    std::snprintf(text, sizeof text, "%.1fx (processor time: ", cost.elapsed / base.elapsed);
    char processor[16] = "not measurable";
    if (base.processor > 0) std::snprintf(processor, sizeof processor, "%.1fx", cost.processor / base.processor);
    return std::string(text) + processor + ")";
}

void PrintTiming(const char* work, Timing timing, const std::string& after = std::string()) {
    std::printf("  %-42s %9.4f %9.4f%s\n", work, timing.elapsed, timing.processor, after.c_str());
}

// Locations holding the first few period files of two others, for the pairwise method.
std::vector<std::string> Slice(Platform& platform, const std::string& root, const char* const (&sides)[2], int files) {
    const std::string sliceRoot = root + "Slice\\";
    for (const char* side : sides) {
        platform.CreateFolderPath(sliceRoot + side + "\\Data\\");
        for (int f = 0; f < files; ++f) {
            platform.CopyFileReplacing(root + side + "\\Data\\" + PeriodName(f),
                                       sliceRoot + side + "\\Data\\" + PeriodName(f));
        }
    }
    return {sliceRoot + sides[0], sliceRoot + sides[1]};
}

const char* const kInPlace[2] = {"First", "Second"};
const char* const kShuffled[2] = {"First", "Shuffled"};

std::vector<std::string> Locations(const std::string& root, const char* const (&sides)[2]) {
    return {root + sides[0], root + sides[1]};
}

// The pairwise method on a slice of the in-place data, scaled to all files; false when it
// disagrees with CompareDataSets.
bool MeasurePairwise(Platform& platform, const std::string& root, const Options& options, double comparing) {
    const std::vector<std::string> slice = Slice(platform, root, kInPlace, options.pairwiseFiles);
    int pairwise = 0, fast = 0;
    double pairwiseSlice = Time(1, [&] { pairwise = orl::CompareDataSetsPairwise(platform, slice); }).elapsed;
    double fastSlice = Time(options.runs, [&] { fast = orl::CompareDataSets(platform, slice); }).elapsed;
    const double scale = static_cast<double>(options.files) / options.pairwiseFiles;
    std::printf("  pairwise method, %3d of %3d files           %9.4f   result %d (CompareDataSets: %.4f, result %d)\n",
                options.pairwiseFiles, options.files, pairwiseSlice, pairwise, fastSlice, fast);
    std::printf("  pairwise method, all files (estimated)      %9.4f   (the slice x %.0f; speed-up %.0fx)\n",
                pairwiseSlice * scale, scale, pairwiseSlice * scale / comparing);
    if (pairwise != fast) std::fprintf(stderr, "the two methods disagree: %d against %d\n", pairwise, fast);
    return pairwise == fast;
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
    std::printf("platform: %s; two locations of %d period files x %d lines; median of %d runs\n",
                options.disk ? "Win32 on real disk" : "in memory", options.files, options.lines, options.runs);

    // Lines changed in place: each location soon holds a line that the other lacks (-1).
    const std::vector<std::string> inPlace = Locations(root, kInPlace);
    int result = 0;
    Timing reading = Time(options.runs, [&] { orl::ReadAndSplitPeriodFiles(*platform, inPlace); });
    Timing comparing = Time(options.runs, [&] { result = orl::CompareDataSets(*platform, inPlace); });
    std::printf("%-44s %9s %9s\n", "lines changed in place, an early answer:", "elapsed", "processor");
    PrintTiming("read whole and split into lines", reading);
    PrintTiming("CompareDataSets", comparing, "   result " + std::to_string(result));
    bool agree = options.pairwiseFiles == 0 || MeasurePairwise(*platform, root, options, comparing.elapsed);

    // Every line on the other side, shuffled, some in another case, a few lines more: nothing
    // settles early and every line is counted (2).
    const std::vector<std::string> shuffled = Locations(root, kShuffled);
    long long lines = 0, bytes = 0;
    const std::vector<Timing> timings =
        Time(options.runs, {[&] { bytes = orl::ReadPeriodFilesWhole(*platform, shuffled); },
                            [&] { lines = orl::ReadAndSplitPeriodFiles(*platform, shuffled); },
                            [&] { orl::ReadAndSplitPeriodFilesReusing(*platform, shuffled); },
                            [&] { result = orl::CompareDataSets(*platform, shuffled); }});
    const Timing wholes = timings[0], reusing = timings[2];
    reading = timings[1];
    comparing = timings[3];
    std::printf("every line on the other side, shuffled, no early answer (%lld lines, %.1f MB):\n", lines,
                static_cast<double>(bytes) / 1e6);
    PrintTiming("read whole only", wholes);
    PrintTiming("read whole and split into lines", reading);
    PrintTiming("the same, storage reused from file to file", reusing);
    PrintTiming("CompareDataSets", comparing, "   result " + std::to_string(result));
    std::printf("comparison cost relative to reading: %s\n", Ratio(comparing, reading).c_str());
    std::printf("relative to reading into reused storage: %s\n", Ratio(comparing, reusing).c_str());
#ifdef _WIN32
    if (options.disk) orl::RemoveFolder(root);
#endif
    if (result != orl::kSecondHoldsMore) std::fprintf(stderr, "shuffled lines: result %d, not 2\n", result);
    return agree && result == orl::kSecondHoldsMore ? 0 : 1;
}
