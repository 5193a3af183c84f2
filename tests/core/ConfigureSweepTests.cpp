// Configurations rerun with each of their platform operations failing, once and for good: after
// every run no line of time data is lost, every "orl.ini" reads whole, and a success report is
// true on the disk.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "core/LineScanning.h"
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
    bool succeeds;  // when nothing fails
    // Every text that the run saves into each settings file, worked out by hand from the inputs.
    std::map<std::string, std::vector<std::string>> saves;
};

const Scenario kScenarios[] = {
    {"worked example",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nLanguage=en\r\n",
                        {{"2024-01.txt", "01;a\r\n02;b\r\n"}, {"2024-02.txt", "03;c\r\n"}});
         memory.CreateFolderPath("H:\\TimeData");
         memory.CreateFolderPath("S:\\Workgroup");
     },
     "C:\\TimeSheet", "S:\\Workgroup", "", "H:\\TimeData", true, true, true, false, true,
     {{"c:\\timesheet\\orl.ini",
       {"[Setup]\r\nLanguage=en\r\n\r\n", "[Setup]\r\nLanguage=en\r\nRedirect=h:\\timedata\r\n\r\n"}},
      {"h:\\timedata\\orl.ini",
       {"[Setup]\r\nLanguage=en\r\n\r\n",
        "[Setup]\r\nLanguage=en\r\n\r\n[Server]\r\nServerPath=s:\\workgroup\r\nServerAdmin=2\r\n\r\n"}}}},
    {"redirection removed, the share holding more",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\TimeData\r\n",
                        {{"2024-01.txt", "01;home\r\n"}, {"2023-12.txt", "old;home\r\n"}});
         LayOutLocation(memory, "H:\\TimeData\\", "[Setup]\r\nLanguage=de\r\n[Server]\r\nServerAdmin=2\r\n",
                        {{"2024-01.txt", "01;home\r\n02;share\r\n"}, {"2024-02.txt", "03;share\r\n"}});
     },
     "C:\\TimeSheet", "", "H:\\TimeData", "", false, true, false, false, true,
     {{"c:\\timesheet\\orl.ini",
       {"[Setup]\r\nLanguage=de\r\n\r\n[Server]\r\nServerAdmin=2\r\n\r\n", "[Setup]\r\nLanguage=de\r\n\r\n"}},
      {"h:\\timedata\\orl.ini", {"[Setup]\r\nLanguage=de\r\n\r\n[Server]\r\nServerAdmin=2\r\n\r\n"}}}},
    {"new location with data of its own",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nLanguage=en\r\n",
                        {{"2024-01.txt", "01;ours\r\n"}, {"2024-03.txt", "05;ours\r\n"}});
         LayOutLocation(memory, "H:\\TimeData\\", "[Setup]\r\nLanguage=fr\r\n",
                        {{"2024-01.txt", "01;theirs\r\n02;theirs\r\n"}, {"2024-02.txt", "04;theirs\r\n"}});
         PutFile(memory, "H:\\TimeData\\ORL Backup 2025-11-30 [09-00-00-000]\\Data\\2023-01.txt", "earlier\r\n");
         memory.CreateFolderPath("S:\\Workgroup\\Data");
     },
     "C:\\TimeSheet", "S:\\Workgroup", "", "H:\\TimeData", true, true, false, true, true,
     {{"c:\\timesheet\\orl.ini",
       {"[Setup]\r\nLanguage=en\r\n\r\n", "[Setup]\r\nLanguage=en\r\nRedirect=h:\\timedata\r\n\r\n"}},
      {"h:\\timedata\\orl.ini",
       {"[Setup]\r\nLanguage=en\r\n\r\n",
        "[Setup]\r\nLanguage=en\r\n\r\n[Server]\r\nServerPath=s:\\workgroup\r\nServerAdmin=1\r\n\r\n"}}}},
    {"a redirection folder that cannot be prepared",
     [](MemoryPlatform& memory) {
         LayOutLocation(memory, "C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\Old\r\n", {{"2024-01.txt", "01;a\r\n"}});
         LayOutLocation(memory, "H:\\Old\\", "[Setup]\r\nLanguage=en\r\n", {{"2024-01.txt", "01;a\r\n02;old\r\n"}});
         PutFile(memory, "H:\\TimeData\\Data", "a file where the data folder belongs");
         memory.CreateFolderPath("S:\\Workgroup");
     },
     "C:\\TimeSheet", "S:\\Workgroup", "H:\\Old", "H:\\TimeData", false, true, true, false, false, {}},
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

// Every file by its full path in lower case, with its bytes.
std::map<std::string, std::string> DiskState(Platform& platform) {
    std::map<std::string, std::string> state;
    for (const std::string& path : AllFiles(platform)) state[LowerAZ(path)] = FileText(platform, path);
    return state;
}

struct Before {
    std::map<std::string, std::string> files;
    std::string current, newer;  // the data locations, normalised
};

Before Snapshot(MemoryPlatform& memory, const Scenario& scenario) {
    const bool redirected = !scenario.currentRedirect.empty() && FolderHasFiles(memory, scenario.currentRedirect);
    return {DiskState(memory), NormalisedFolder(redirected ? scenario.currentRedirect : scenario.install),
            NormalisedFolder(scenario.newRedirect.empty() ? scenario.install : scenario.newRedirect)};
}

bool Begins(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

// Where the path lies in a backup folder made in `location`, relative to that folder; or empty.
std::string InBackup(const std::string& path, const std::string& location) {
    const size_t end = location.size() + 36;  // "orl backup " and a stamp
    if (!Begins(path, location) || path.size() <= end + 1 || path[end] != '\\' ||
        !IsBackupFolderName(kBackupPrefix, path.substr(location.size(), 36))) {
        return "";
    }
    return path.substr(end + 1);
}

// What a run may have made of each file, checked byte for byte against the disk before it: no
// file is gone; one of the current location is as it was; one of the new location is as it was,
// or is the current location's file while a new backup folder there holds it as it was; a file
// that is new is a whole copy of the current location's file (in a backup, of the new
// location's); a settings file may besides hold a text that the run saves. No temporary stays
// once the disk works again.
void CheckFiles(MemoryPlatform& memory, const Scenario& scenario, const Before& before, bool transient) {
    for (const auto& [path, text] : before.files) {
        if (LastPathComponent(path) == "orl.ini") RecoverInterruptedSave(memory, path);
    }
    const std::map<std::string, std::string> after = DiskState(memory);
    const std::string server = NormalisedFolder(scenario.server);
    auto isCopyOrSave = [&](const std::string& path, const std::string& text, const std::string& location) {
        const std::string relative = path.substr(location.size());
        auto original = before.files.find(before.current + relative);
        if (original != before.files.end() && original->second == text) return true;
        // The server's "orl.ini" is copied from the current location's after its saves.
        auto saves = scenario.saves.find(location == server ? before.current + relative : path);
        return saves != scenario.saves.end() &&
               std::find(saves->second.begin(), saves->second.end(), text) != saves->second.end();
    };
    for (const auto& [path, text] : before.files) {
        auto now = after.find(path);
        EXPECT_NE(now, after.end()) << path << " is gone";
        if (now == after.end() || now->second == text) continue;
        const std::string& location = Begins(path, before.newer) ? before.newer : before.current;
        EXPECT_TRUE(isCopyOrSave(path, now->second, location)) << path << " is cut or changed";
        if (LastPathComponent(path) == "orl.ini") continue;
        bool kept = false;
        for (const auto& [backup, backupText] : after) {
            kept |= InBackup(backup, before.newer) == path.substr(before.newer.size()) && backupText == text;
        }
        EXPECT_TRUE(location != before.current && kept) << path << " was replaced without a backup";
    }
    for (const auto& [path, text] : after) {
        if (before.files.count(path)) continue;
        const std::string backedUp = InBackup(path, before.newer);
        if (IsTemporaryFileName(path)) {
            EXPECT_FALSE(transient) << path << " was left";
        } else if (!backedUp.empty()) {
            auto original = before.files.find(before.newer + backedUp);
            EXPECT_TRUE(original != before.files.end() && original->second == text) << path << " is no whole backup";
        } else {
            const std::string& location = Begins(path, before.newer) ? before.newer : server;
            EXPECT_TRUE(Begins(path, location) && isCopyOrSave(path, text, location)) << path << " is no whole copy";
        }
    }
}

// Each line of a success report says something true of the disk.
void CheckReportTrue(MemoryPlatform& memory, const Scenario& scenario, const Before& before,
                     const std::string& report) {
    const std::vector<std::string_view> lines = lines::SplitLines(report);
    ASSERT_GE(lines.size(), 1u);
    SettingsFile effective = OpenSettings(memory, scenario.install);
    std::string redirect = LowerAZ(ReadRedirect(memory, scenario.install));
    std::string current = LowerAZ(AddBackslash(!scenario.currentRedirect.empty() ? scenario.currentRedirect
                                                                                  : scenario.install));
    auto quoted = [](const std::string& line) {
        size_t open = line.find('"');
        return line.substr(open + 1, line.rfind('"') - open - 1);
    };
    for (const std::string_view view : lines) {
        const std::string line(view);
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
            for (const auto& [path, text] : before.files) {
                if (!Begins(path, before.current + "data\\")) continue;
                const std::string copy = quoted(line) + path.substr(before.current.size());
                EXPECT_EQ(FileText(memory, copy), text) << copy;
            }
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

// Whatever the outcome, the installation's settings name a location that holds the data that
// was current: it is never pointed at a location its data did not reach.
void CheckDataWhereSettingsPoint(MemoryPlatform& memory, const Scenario& scenario, const Before& before) {
    const std::string redirect = ReadRedirect(memory, scenario.install);
    const std::string used = LowerAZ(redirect.empty() ? AddBackslash(scenario.install) : redirect);
    for (const auto& [path, text] : before.files) {
        if (Begins(path, before.current + "data\\")) {
            EXPECT_EQ(FileText(memory, used + path.substr(before.current.size())), text) << "not where the settings point";
        }
    }
}

void CheckRun(MemoryPlatform& memory, const Scenario& scenario, const Before& before, const RunResult& run,
              bool transient) {
    EXPECT_EQ(memory.UnflushedMoves(), 0) << "a file was put in place before it was flushed";
    CheckFiles(memory, scenario, before, transient);
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
        const Before before = Snapshot(*clean, scenario);
        clean->ResetOperationCount();
        RunResult cleanRun = RunScenario(*clean, scenario);
        const int operations = clean->OperationCount();
        ASSERT_EQ(cleanRun.success != "", scenario.succeeds) << cleanRun.failure << cleanRun.error;
        CheckRun(*clean, scenario, before, cleanRun, true);

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
                CheckRun(*disk, scenario, before, run, !persistent);
                ++runs;
                if (::testing::Test::HasFailure()) return;
            }
        }
        std::printf("%s: %d operations in a clean run\n", scenario.name, operations);
    }
    std::printf("sweep: %d runs, %d faults injected\n", runs, faults);
}

// A what-if run and a real run on identical worlds, under conditions that make the real run fail
// or change its course: the same report or error, and the what-if view of the disk is the disk
// that the real run leaves. A folder that the disk refuses to make cannot be foreseen without
// making it: there the what-if run tells what the real run does where the folder can be made.
TEST(ConfigureSweep, AWhatIfRunForetellsTheRealRunAndChangesNothing) {
    // The longest path of a run: the backup of the new location's longest data file.
    const size_t longest =
        std::string("C:\\TimeSheet\\ORL Backup 2026-03-07 [14-05-09-042]\\Data\\CategoryActivity.txt").size();
    struct Condition {
        const char* name;
        std::function<void(MemoryPlatform&)> arrange;
        const char* newRedirect = nullptr;  // in place of the scenario's, when given
        bool foreseeable = true;
        bool outcomeAsLaidOut = false;  // the real run succeeds or fails as it does without the condition
    };
    const Condition conditions[] = {
        {"as laid out", [](MemoryPlatform&) {}},
        {"a file named Data in the way", [](MemoryPlatform& memory) { PutFile(memory, "H:\\TimeData\\Data", "x"); }},
        {"settings that cannot be opened",
         [](MemoryPlatform& memory) { memory.FailPath("C:\\TimeSheet\\orl.ini", OpRead | OpCopy); }},
        {"a period file held open", [](MemoryPlatform& memory) { memory.HoldOpenForWriting("C:\\TimeSheet\\Data\\2024-01.txt"); }},
        {"a shared file another run has just put in place", [](MemoryPlatform& memory) {
             PutFile(memory, "S:\\Workgroup\\Data\\ClientProject.txt", "x");
             memory.HoldForAMoment("S:\\Workgroup\\Data\\ClientProject.txt", 3); }, nullptr, true, true},
        {"files held by a scanner",
         [](MemoryPlatform& memory) {
             memory.HoldOpenForReading("H:\\TimeData\\Data\\2024-01.txt");
             memory.HoldOpenForReading("C:\\TimeSheet\\orl.ini");
         }},
        {"read-only targets",
         [](MemoryPlatform& memory) {
             memory.SetAttributes("H:\\TimeData\\Data\\2024-01.txt", ReadOnly);
             memory.SetAttributes("H:\\TimeData\\orl.ini", ReadOnly);
         }},
        {"read-only sources and folders",
         [](MemoryPlatform& memory) {
             memory.SetAttributes("C:\\TimeSheet\\Data\\2024-01.txt", ReadOnly);
             memory.SetAttributes("C:\\TimeSheet\\orl.inf", ReadOnly);
             memory.SetAttributes("H:\\TimeData", ReadOnly);
         }},
        {"read-only installation settings", [](MemoryPlatform& memory) { memory.SetAttributes("C:\\TimeSheet\\orl.ini", ReadOnly); }},
        {"no such drive", [](MemoryPlatform&) {}, "Q:\\TimeData"},
        {"a name Windows refuses", [](MemoryPlatform&) {}, "H:\\Time|Data"},
        {"no such server", [](MemoryPlatform&) {}, "\\\\NOSRV\\Home\\kim"},
        {"no such share", [](MemoryPlatform& memory) { memory.AddShare("SRV", "Home"); }, "\\\\SRV\\Homes\\kim"},
        {"the share offline", [](MemoryPlatform& memory) { memory.TakeOffline("H:\\"); }},
        {"paths just too long", [longest](MemoryPlatform& memory) { memory.SetPathLimit(longest); }},
        {"paths just short enough", [longest](MemoryPlatform& memory) { memory.SetPathLimit(longest + 1); }, nullptr, true, true},
        {"a folder refused", [](MemoryPlatform& memory) { memory.RefuseFolder("H:\\TimeData\\Data"); }, nullptr, false},
    };
    int cases = 0, agreed = 0;
    auto failures = [] { return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count(); };
    for (const Scenario& original : kScenarios) {
        for (const Condition& condition : conditions) {
            SCOPED_TRACE(std::string(original.name) + ", " + condition.name);
            const int failed = failures();
            Scenario scenario = original;
            if (condition.newRedirect != nullptr) scenario.newRedirect = condition.newRedirect;
            std::unique_ptr<MemoryPlatform> disk(NewDisk(scenario)), real(NewDisk(scenario));
            condition.arrange(*disk);
            if (condition.foreseeable) condition.arrange(*real);
            const auto before = DiskState(*disk);
            WhatIfPlatform whatIf(*disk);
            const RunResult foretold = RunScenario(whatIf, scenario);
            EXPECT_EQ(DiskState(*disk), before);
            disk->ClearFaults();  // to read all that lies there
            const auto foreseen = DiskState(whatIf);
            const RunResult done = RunScenario(*real, scenario);
            EXPECT_EQ(foretold.success, done.success);
            EXPECT_EQ(foretold.failure, done.failure);
            EXPECT_EQ(foretold.error, done.error);
            real->ClearFaults();
            EXPECT_EQ(foreseen, DiskState(*real));
            if (condition.outcomeAsLaidOut) {
                EXPECT_EQ(done.success.empty(), !scenario.succeeds);
            }
            ++cases;
            agreed += failures() == failed;
        }
    }
    std::printf("what-if against real runs: %d cases, %d agreed\n", cases, agreed);
}

}  // namespace
}  // namespace orl
