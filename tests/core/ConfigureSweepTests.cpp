// Configurations rerun with each of their platform operations failing, once and for good: after
// every run no line of time data is lost, every "orl.ini" reads whole, and a success report is
// true on the disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "core/ORLConfigUtil.h"
#include "platform/memory/MemoryPlatform.h"
#include "platform/whatif/WhatIfPlatform.h"
#include "tests/support/DiskLayout.h"

namespace orl {
namespace {

struct Scenario {
    const char* name;
    std::function<void(MemoryPlatform&)> layOut;
    std::string install, server, currentRedirect, newRedirect;
    bool copyShared, transfer, userAdmin, adminOnly;
    bool succeeds = true;  // when nothing fails
};

const Scenario kScenarios[] = {
    {"worked example",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nLanguage=en\r\n",
                        {{"2024-01.txt", "01;a\r\n02;b\r\n"}, {"2024-02.txt", "03;c\r\n"}});
         memory.CreateFolderPath("H:\\TimeData");
         memory.CreateFolderPath("S:\\Workgroup");
     },
     "C:\\TimeSheet", "S:\\Workgroup", "", "H:\\TimeData", true, true, true, false},
    {"redirection removed, the share holding more",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\TimeData\r\n",
                        {{"2024-01.txt", "01;home\r\n"}, {"2023-12.txt", "old;home\r\n"}});
         LayOutLocation(memory, "H:\\TimeData\\", "[Setup]\r\nLanguage=de\r\n[Server]\r\nServerAdmin=2\r\n",
                        {{"2024-01.txt", "01;home\r\n02;share\r\n"}, {"2024-02.txt", "03;share\r\n"}});
     },
     "C:\\TimeSheet", "", "H:\\TimeData", "", false, true, false, false},
    {"new location with data of its own",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nLanguage=en\r\n",
                        {{"2024-01.txt", "01;ours\r\n"}, {"2024-03.txt", "05;ours\r\n"}});
         LayOutLocation(memory, "H:\\TimeData\\", "[Setup]\r\nLanguage=fr\r\n",
                        {{"2024-01.txt", "01;theirs\r\n02;theirs\r\n"}, {"2024-02.txt", "04;theirs\r\n"}});
         PutFile(memory, "H:\\TimeData\\ORL Backup 2025-11-30 [09-00-00-000]\\Data\\2023-01.txt", "earlier\r\n");
         memory.CreateFolderPath("S:\\Workgroup\\Data");
     },
     "C:\\TimeSheet", "S:\\Workgroup", "", "H:\\TimeData", true, true, false, true},
    {"a redirection folder that cannot be prepared",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\Old\r\n", {{"2024-01.txt", "01;a\r\n"}});
         LayOutLocation(memory, "H:\\Old\\", "[Setup]\r\nLanguage=en\r\n", {{"2024-01.txt", "01;a\r\n02;old\r\n"}});
         PutFile(memory, "H:\\TimeData\\Data", "a file where the data folder belongs");
         memory.CreateFolderPath("S:\\Workgroup");
     },
     "C:\\TimeSheet", "S:\\Workgroup", "H:\\Old", "H:\\TimeData", false, true, true, false, false},
};

MemoryPlatform* NewDisk(const Scenario& scenario) {
    auto* memory = new MemoryPlatform;
    memory->AddDrive('H');
    memory->AddDrive('S');
    scenario.layOut(*memory);
    return memory;
}

// Every file below the folder, by full path.
void Walk(Platform& memory, const std::string& folder, std::vector<std::string>& files) {
    std::vector<FolderEntry> entries;
    memory.ListFolder(folder, "*.*", entries);
    for (const FolderEntry& entry : entries) {
        if (entry.isFolder) {
            Walk(memory, folder + entry.name + "\\", files);
        } else {
            files.push_back(folder + entry.name);
        }
    }
}

// Every file on the drives of the scenarios.
std::vector<std::string> AllFiles(Platform& memory) {
    std::vector<std::string> files;
    for (const char* root : {"C:\\", "H:\\", "S:\\"}) Walk(memory, root, files);
    return files;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(text)) lines.emplace_back(line);
    return lines;
}

bool IsPeriodFile(const std::string& path) {
    return LastPathComponent(path).size() == 11 && LowerAZ(path).find("\\data\\") != std::string::npos &&
           LowerAZ(LastPathComponent(path)).compare(7, 4, ".txt") == 0;
}

// What the disk held before the run that the checks compare with.
struct Before {
    std::map<std::string, std::string> periodFiles;  // full path -> text
    std::set<std::string> iniTexts;
    std::map<std::string, std::string> files;  // every file: full path -> text
};

Before Snapshot(MemoryPlatform& memory) {
    Before before;
    const std::vector<std::string> files = AllFiles(memory);
    for (const std::string& path : files) {
        before.files[path] = FileText(memory, path);
        if (IsPeriodFile(path)) before.periodFiles[path] = before.files[path];
        if (LowerAZ(LastPathComponent(path)) == "orl.ini") before.iniTexts.insert(before.files[path]);
    }
    return before;
}

// Every line of every period file is still in a file of the same name somewhere on the disk
// (the current or new location, or a backup folder inside one of them).
void CheckNoLineLost(MemoryPlatform& memory, const Before& before) {
    const std::vector<std::string> files = AllFiles(memory);
    for (const auto& [path, text] : before.periodFiles) {
        std::set<std::string> found;
        for (const std::string& file : files) {
            if (LowerAZ(LastPathComponent(file)) != LowerAZ(LastPathComponent(path))) continue;
            for (const std::string& line : Lines(FileText(memory, file))) found.insert(line);
        }
        for (const std::string& line : Lines(text)) {
            EXPECT_TRUE(found.count(line)) << "line \"" << line << "\" of " << path << " is lost";
        }
    }
}

// Each "orl.ini" that was there before still is, read as the next run reads it (a save that lost
// the old file left the new one whole under its temporary name), and each is one that was there
// before (kept or copied) or a whole save.
void CheckSettingsWhole(MemoryPlatform& memory, const Before& before) {
    for (const auto& [path, text] : before.files) {
        if (LowerAZ(LastPathComponent(path)) != "orl.ini") continue;
        SettingsFile reread(memory, path);
        EXPECT_EQ(memory.Probe(path), PathKind::File) << path << " is gone";
    }
    const std::vector<std::string> files = AllFiles(memory);
    for (const std::string& path : files) {
        if (LowerAZ(LastPathComponent(path)) != "orl.ini") continue;
        std::string text = FileText(memory, path);
        if (before.iniTexts.count(text)) continue;
        EXPECT_EQ(SettingsFile(memory, path).Text(), text) << path << " is not whole";
    }
}

// The settings of the current location came along with its data: every line of its "orl.ini"
// but the keys that the configuration itself writes is in the new location's.
void CheckSettingsMoved(MemoryPlatform& memory, const Before& before, const std::string& current,
                        const std::string& moved) {
    MemoryPlatform scratch;
    for (const auto& [path, text] : before.files) {
        if (LowerAZ(path) == current + "orl.ini") scratch.WriteWholeFile("C:\\orl.ini", text);
    }
    SettingsFile original(scratch, "C:\\orl.ini");
    SettingsFile now(memory, moved);
    for (const std::string& section : original.SectionNames()) {
        std::vector<std::string> lines = now.SectionLines(section);
        for (const std::string& line : original.SectionLines(section)) {
            std::string key = LowerAZ(line.substr(0, line.find('=')));
            if (key == "redirect" || key == "serverpath" || key == "serveradmin") continue;
            EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end())
                << "\"" << line << "\" of " << current << "orl.ini is not in " << moved;
        }
    }
}

// Each line of a success report says something true of the disk.
void CheckReportTrue(MemoryPlatform& memory, const Scenario& scenario, const Before& before,
                     const std::string& report) {
    std::vector<std::string> lines = Lines(report);
    ASSERT_GE(lines.size(), 1u);
    SettingsFile effective = OpenSettings(memory, scenario.install);
    std::string redirect = LowerAZ(ReadRedirect(memory, scenario.install));
    std::string current = LowerAZ(AddBackslash(!scenario.currentRedirect.empty() ? scenario.currentRedirect
                                                                                  : scenario.install));
    auto quoted = [](const std::string& line) {
        size_t open = line.find('"');
        return line.substr(open + 1, line.rfind('"') - open - 1);
    };
    for (const std::string& line : lines) {
        if (line.rfind("Workgroup server configured at", 0) == 0) {
            EXPECT_EQ(effective.ReadText("Server", "ServerPath", "<none>"), RemoveBackslash(quoted(line)))
                << effective.Path();
        } else if (line.rfind("Shared files", 0) == 0) {
            for (const char* name : {"Data\\ClientProject.txt", "Data\\CategoryActivity.txt"}) {
                EXPECT_EQ(FileText(memory, AddBackslash(scenario.server) + name), FileText(memory, current + name)) << name;
            }
            EXPECT_EQ(memory.Probe(AddBackslash(scenario.server) + "orl.ini"), PathKind::File);
        } else if (line.rfind("User administrator", 0) == 0) {
            EXPECT_EQ(effective.ReadText("Server", "ServerAdmin", "<none>"), "2") << effective.Path();
        } else if (line.rfind("Administrator only", 0) == 0) {
            EXPECT_EQ(effective.ReadText("Server", "ServerAdmin", "<none>"), "1") << effective.Path();
        } else if (line.rfind("No administrator", 0) == 0) {
            EXPECT_EQ(effective.ReadText("Server", "ServerAdmin", "<none>"), "<none>") << effective.Path();
        } else if (line.find("has been removed.") != std::string::npos) {
            EXPECT_NE(redirect, quoted(line));
        } else if (line.find("has been established.") != std::string::npos) {
            EXPECT_EQ(redirect, quoted(line));
            EXPECT_EQ(LowerAZ(effective.Path()), quoted(line) + "orl.ini");
        } else if (line.rfind("Data files have been copied to", 0) == 0) {
            for (const auto& [path, text] : before.periodFiles) {
                if (LowerAZ(path).rfind(current + "data\\", 0) != 0) continue;
                std::string copy = quoted(line) + "Data\\" + LastPathComponent(path);
                EXPECT_EQ(FileText(memory, copy), text) << copy;
            }
            CheckSettingsMoved(memory, before, current, quoted(line) + "orl.ini");
        }
    }
}

struct RunResult {
    std::string success, failure, error;
};

RunResult RunScenario(Platform& memory, const Scenario& scenario) {
    RunResult run;
    try {
        Configure(memory, scenario.install, scenario.server, scenario.currentRedirect, scenario.newRedirect,
                  scenario.copyShared, scenario.transfer, false, scenario.userAdmin, scenario.adminOnly,
                  run.success, true, true, run.failure);
    } catch (const PlatformError& error) {
        run.error = error.what();
    }
    return run;
}

// Whatever the outcome, the installation's settings name a location that holds every line of the
// data that was current: it is never pointed at a location its data did not reach.
void CheckDataWhereSettingsPoint(MemoryPlatform& memory, const Scenario& scenario, const Before& before) {
    const std::string redirect = ReadRedirect(memory, scenario.install);
    const std::string used = LowerAZ(redirect.empty() ? AddBackslash(scenario.install) : redirect);
    const std::string current =
        LowerAZ(AddBackslash(scenario.currentRedirect.empty() ? scenario.install : scenario.currentRedirect));
    for (const auto& [path, text] : before.periodFiles) {
        if (LowerAZ(path).rfind(current + "data\\", 0) != 0) continue;
        const std::vector<std::string> there = Lines(FileText(memory, used + "Data\\" + LastPathComponent(path)));
        for (const std::string& line : Lines(text)) {
            EXPECT_NE(std::find(there.begin(), there.end(), line), there.end())
                << "\"" << line << "\" of " << path << " is not where the settings point, " << used;
        }
    }
}

void CheckRun(MemoryPlatform& memory, const Scenario& scenario, const Before& before, const RunResult& run) {
    EXPECT_EQ(memory.UnflushedMoves(), 0) << "a file was put in place before it was flushed";
    CheckNoLineLost(memory, before);
    CheckSettingsWhole(memory, before);
    CheckDataWhereSettingsPoint(memory, scenario, before);
    if (!run.error.empty()) return;
    if (!run.failure.empty()) {
        EXPECT_EQ(run.failure.rfind("Orlagen configuration failed.\r\n", 0), 0u);
        EXPECT_EQ(run.success, "");
        return;
    }
    CheckReportTrue(memory, scenario, before, run.success);
}

TEST(ConfigureSweep, NoFaultLosesDataOrReportsFalsely) {
    int runs = 0, faults = 0;
    for (const Scenario& scenario : kScenarios) {
        SCOPED_TRACE(scenario.name);
        std::unique_ptr<MemoryPlatform> clean(NewDisk(scenario));
        Before before = Snapshot(*clean);
        clean->ResetOperationCount();
        RunResult cleanRun = RunScenario(*clean, scenario);
        const int operations = clean->OperationCount();
        ASSERT_EQ(cleanRun.success != "", scenario.succeeds) << cleanRun.failure << cleanRun.error;
        CheckRun(*clean, scenario, before, cleanRun);

        for (int failing = 1; failing <= operations; ++failing) {
            for (int kind = 0; kind < 4; ++kind) {
                const bool persistent = kind & 1, partway = kind & 2;
                SCOPED_TRACE("operation " + std::to_string(failing) + (persistent ? " and on" : " once") +
                             (partway ? ", partway" : ""));
                std::unique_ptr<MemoryPlatform> disk(NewDisk(scenario));
                disk->FailOperation(failing, persistent, partway);
                RunResult run = RunScenario(*disk, scenario);
                faults += persistent ? std::max(0, disk->OperationCount() - failing + 1) : 1;
                disk->ClearFaults();
                CheckRun(*disk, scenario, before, run);
                ++runs;
                if (::testing::Test::HasFailure()) return;
            }
        }
        std::printf("%s: %d operations in a clean run\n", scenario.name, operations);
    }
    std::printf("sweep: %d runs, %d faults injected\n", runs, faults);
}

// Every file as a platform shows it: full path and contents.
std::map<std::string, std::string> DiskState(Platform& platform) {
    std::map<std::string, std::string> state;
    for (const std::string& path : AllFiles(platform)) state[LowerAZ(path)] = FileText(platform, path);
    return state;
}

TEST(ConfigureSweep, AWhatIfRunForetellsTheRealRunAndChangesNothing) {
    const std::pair<const char*, std::function<void(MemoryPlatform&)>> conditions[] = {
        {"as laid out", [](MemoryPlatform&) {}},
        {"a file named Data in the way", [](MemoryPlatform& memory) { PutFile(memory, "H:\\TimeData\\Data", "x"); }},
        {"settings that cannot be opened",
         [](MemoryPlatform& memory) { memory.FailPath("C:\\TimeSheet\\orl.ini", OpRead | OpCopy); }},
        {"a period file held open", [](MemoryPlatform& memory) { memory.HoldOpenForWriting("C:\\TimeSheet\\Data\\2024-01.txt"); }},
    };
    for (const Scenario& scenario : kScenarios) {
        for (const auto& [condition, arrange] : conditions) {
            SCOPED_TRACE(std::string(scenario.name) + ", " + condition);
            std::unique_ptr<MemoryPlatform> disk(NewDisk(scenario));
            arrange(*disk);
            const auto before = DiskState(*disk);
            WhatIfPlatform whatIf(*disk);
            const RunResult foretold = RunScenario(whatIf, scenario);
            EXPECT_EQ(DiskState(*disk), before);
            const RunResult real = RunScenario(*disk, scenario);
            EXPECT_EQ(foretold.success, real.success);
            EXPECT_EQ(foretold.failure, real.failure);
            EXPECT_EQ(foretold.error, real.error);
            EXPECT_EQ(DiskState(whatIf), DiskState(*disk));
        }
    }
}

}  // namespace
}  // namespace orl
