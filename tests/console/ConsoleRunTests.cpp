// The console run's fixed answers: when to copy shared data, when to compare and what the
// comparison decides, what is shown and the exit status.
#include <gtest/gtest.h>

#include "console/ConsoleRun.h"
#include "core/Backup.h"
#include "core/DataSetComparison.h"
#include "core/InstallationLock.h"
#include "core/WholeFiles.h"
#include "platform/counting/CountingPlatform.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/DiskLayout.h"
#include "tests/support/RaisedText.h"

namespace orl {
namespace {

class RecordingDisplay final : public OutcomeDisplay {
public:
    void ShowOutcome(const std::string& failureReport, const std::string& successReport) override {
        shown.push_back(failureReport.empty() ? successReport : failureReport);
    }
    void ShowHelp(const std::string& helpText) override { shown.push_back(helpText); }
    void ShowSyntax(const std::string& syntaxText) override { shown.push_back(syntaxText); }
    std::vector<std::string> shown;
};

class ConsoleRunTest : public ::testing::Test {
protected:
    ConsoleRunTest() { Reset(); }
    // A fresh disk with the drives H: and S:.
    void Reset() {
        disk = std::make_unique<MemoryPlatform>();
        disk->AddDrive('H');
        disk->AddDrive('S');
    }
    void LayOut(const std::string& folder, const std::string& ini, const std::string& period) {
        LayOutLocation(memory(), folder, ini, {{"2024-01.txt", period}});
    }
    std::string Read(const std::string& path) { return FileText(memory(), path); }
    ExitStatus Run(const std::vector<std::string>& arguments) {
        return RunConsole(memory(), arguments, display, true);
    }
    std::unique_ptr<MemoryPlatform> disk;
    MemoryPlatform& memory() { return *disk; }
    RecordingDisplay display;
};

TEST_F(ConsoleRunTest, TheComparisonDecidesWhetherTheCurrentDataReplaceTheNew) {
    struct Case {
        const char *ours, *theirs;
        bool transferred;
    };
    const Case cases[] = {{"a\r\n", "A\r\n", false}, {"a\r\nb\r\n", "a\r\n", true},
                          {"a\r\n", "a\r\nb\r\n", false}, {"a\r\n", "b\r\n", true}};
    for (const Case& test : cases) {
        Reset();
        LayOut("C:\\TimeSheet\\", "", test.ours);
        LayOut("H:\\TimeData\\", "", test.theirs);
        EXPECT_EQ(Run({"/vC:\\TimeSheet", "/rH:\\TimeData"}), kExitSuccess);
        EXPECT_EQ(Read("H:\\TimeData\\Data\\2024-01.txt"), test.transferred ? test.ours : test.theirs) << test.ours;
    }
    // Without an installation marker in the new folder nothing is compared: the data go there.
    Reset();
    LayOut("C:\\TimeSheet\\", "", "a\r\n");
    LayOut("H:\\TimeData\\", "", "a\r\nb\r\n");
    memory().DeleteFileAt("H:\\TimeData\\orl.inf");
    EXPECT_EQ(Run({"/vC:\\TimeSheet", "/rH:\\TimeData"}), kExitSuccess);
    EXPECT_EQ(Read("H:\\TimeData\\Data\\2024-01.txt"), "a\r\n");
    Reset();  // "H:" is the root of H:, not the redirection folder that H: is in now: they are compared
    LayOut("C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\TimeData\r\n", ""), LayOut("H:\\TimeData\\", "", "a\r\nb\r\n"), LayOut("H:\\", "", "a\r\n");
    EXPECT_TRUE(memory().SetCurrentFolder("H:\\TimeData") && Run({"/vC:\\TimeSheet", "/rH:"}) == kExitSuccess);
    EXPECT_EQ(Read("H:\\Data\\2024-01.txt"), "a\r\nb\r\n");
}

TEST_F(ConsoleRunTest, RemovingARedirectionComparesTheRedirectionFolderFirst) {
    LayOut("C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\TimeData\r\n", "a\r\n");
    LayOut("H:\\TimeData\\", "[Setup]\r\nLanguage=de\r\n", "a\r\n");
    EXPECT_EQ(Run({"/vC:\\TimeSheet"}), kExitSuccess);  // equal data: nothing moves home
    EXPECT_EQ(Read("C:\\TimeSheet\\orl.ini"), "");
    EXPECT_EQ(display.shown.back(), "Orlagen has been configured on this machine.\r\n\r\n"
                                    "No administrator rights for server data have been assigned.\r\n"
                                    "Redirection to \"h:\\timedata\\\" has been removed.");
}

TEST_F(ConsoleRunTest, SharedDataAreCopiedOnlyWhenAskedForMissingOnTheServerAndAtHand) {
    LayOut("C:\\TimeSheet\\", "", "a\r\n");
    memory().CreateFolderPath("S:\\Workgroup");
    EXPECT_EQ(Run({"/vC:\\TimeSheet", "/sS:\\Workgroup"}), kExitSuccess);
    EXPECT_EQ(memory().Probe("S:\\Workgroup\\Data\\ClientProject.txt"), PathKind::Missing);
    memory().CreateFolderPath("S:\\Workgroup\\Data");
    memory().FailPath("S:\\Workgroup", OpWrite | OpCopy);  // a read-only share: foreseen by the what-if run
    for (const char* whatIf : {"/w", "/c"}) {
        EXPECT_EQ(Run({"/vC:\\TimeSheet", "/sS:\\Workgroup", "/d", whatIf}), kExitFailed);
        EXPECT_EQ(display.shown.back().rfind("Orlagen configuration failed.\r\nCould not copy shared data files", 0), 0u);
    }
    memory().ClearFaults();
    EXPECT_EQ(Run({"/vC:\\TimeSheet", "/sS:\\Workgroup", "/d"}), kExitSuccess);
    EXPECT_NE(display.shown.back().find("Shared files"), std::string::npos);
    PutFile(memory(), "C:\\TimeSheet\\Data\\ClientProject.txt", "changed here");
    EXPECT_EQ(Run({"/vC:\\TimeSheet", "/sS:\\Workgroup", "/d"}), kExitSuccess);  // the server has them all
    EXPECT_EQ(display.shown.back().find("Shared files"), std::string::npos);
    EXPECT_EQ(Read("S:\\Workgroup\\Data\\ClientProject.txt"), kClientProjectText);
}

// The same line at every login: once the data has moved, a run reads no period file and changes
// nothing, not even a read-only settings file; changing the rights rewrites the one file in effect.
TEST_F(ConsoleRunTest, ALoginRunWithNothingToChangeReadsNoDataAndWritesNothing) {
    LayOut("C:\\TimeSheet\\", "[Setup]\r\nLanguage=en\r\n", "a\r\n");
    memory().CreateFolderPath("H:\\TimeData");
    const std::vector<std::string> line = {"/vC:\\TimeSheet", "/sS:\\Workgroup", "/rH:\\TimeData", "/d", "/a"};
    ASSERT_EQ(Run(line), kExitSuccess);
    std::vector<std::string> whatIf = line;
    whatIf.push_back("/w");
    ASSERT_EQ(Run(whatIf), kExitSuccess);
    const std::string nothing = "\r\n\r\nWhat-if run: no changes were made. The run would change nothing.";
    EXPECT_EQ(display.shown.back().rfind(nothing), display.shown.back().size() - nothing.size()) << display.shown.back();
    const std::string inEffect = "h:\\timedata\\orl.ini";
    memory().SetAttributes(inEffect, ReadOnly);
    for (const char* rights : {"/a", "/x"}) {
        CountingPlatform counting(memory());
        std::vector<std::string> again = line;
        again.back() = rights;
        EXPECT_EQ(RunConsole(counting, again, display, true), kExitSuccess);
        for (const std::string& read : counting.FilesRead()) EXPECT_FALSE(IsPeriodFileName(read)) << read;
        for (const std::string& changed : counting.Changed()) {
            EXPECT_TRUE(rights[1] == 'x' && (changed == inEffect || changed == TemporaryFor(memory(), inEffect))) << changed;
        }
        memory().SetAttributes(inEffect, 0);
    }
    EXPECT_NE(Read("H:\\TimeData\\orl.ini").find("ServerAdmin=1"), std::string::npos);
}

TEST_F(ConsoleRunTest, AFailedConfigurationEndsWithStatusTwoAndHelpWithZero) {
    LayOut("C:\\TimeSheet\\", "[Setup]\r\n", "a\r\n");
    EXPECT_EQ(Run({"/vC:\\TimeSheet", "/sc:\\timesheet\\"}), kExitFailed);
    EXPECT_EQ(display.shown.back(), "Orlagen configuration failed.\r\nInstallation and server paths must be different");
    EXPECT_EQ(Run({"/vC:\\TimeSheet", "/?"}), kExitSuccess);
    EXPECT_EQ(display.shown.back().rfind("Orlagen - Workgroup Configuration Version 3.0 (Console)\r\n\r\n", 0), 0u);
    EXPECT_EQ(display.shown.size(), 2u);
    memory().HoldOpenForWriting("C:\\TimeSheet\\orl.ini");
    EXPECT_THROW(Run({"/vC:\\TimeSheet"}), PlatformError);
    EXPECT_EQ(display.shown.size(), 2u);
}

// What a what-if run that ends in an error says after it.
const std::string kStopped = "What-if run: no changes were made. The run would:\r\nstop with the error above";

// Errors that end a run before it changes anything: another run configuring the same
// installation, and a redirection whose share is offline (which is not "no redirection").
TEST_F(ConsoleRunTest, ARunThatCannotKnowOrMustWaitChangesNothing) {
    LayOut("C:\\TimeSheet\\", "[Setup]\r\nRedirect=H:\\TimeData\r\n", "old\r\n");
    LayOut("H:\\TimeData\\", "[Setup]\r\n", "old\r\nrecent\r\n");
    const auto before = Read("C:\\TimeSheet\\orl.ini") + Read("H:\\TimeData\\orl.ini");
    {
        InstallationLock other(memory(), "c:\\timesheet\\");
        EXPECT_EQ(RaisedText([&] { Run({"/vC:\\TimeSheet", "/sS:\\Workgroup", "/r"}); }),
                  "Another configuration of \"c:\\timesheet\\\" is running.");
        EXPECT_EQ(RaisedText([&] { Run({"/vC:\\TimeSheet", "/q", "/w"}); }),  // a what-if run's notes follow
                  "Another configuration of \"c:\\timesheet\\\" is running.\r\n\r\n" + kStopped + "\r\nnote: \"/q\" is not an option and is ignored");
    }
    memory().TakeOffline("H:\\");
    // The comparison meets the offline share first, unless the line keeps the redirection.
    for (const char* option : {"/sS:\\Workgroup", "/s", "/rH:\\TimeData"}) {
        EXPECT_EQ(RaisedText([&] { Run({"/vC:\\TimeSheet", option}); }),
                  option[1] == 'r' ? "Cannot open file h:\\timedata\\" : "Cannot open file h:\\timedata\\data\\");
    }
    EXPECT_EQ(RaisedText([&] { Run({"/vC:\\TimeSheet", "/w"}); }), "Cannot open file h:\\timedata\\data\\\r\n\r\n" + kStopped);
    memory().RefuseLocks("The handle is invalid.");  // without the lock, nothing would be excluded
    EXPECT_EQ(RaisedText([&] { Run({"/vC:\\TimeSheet", "/sS:\\Workgroup", "/r"}); }),
              "Cannot lock \"c:\\timesheet\\\" against another configuration: The handle is invalid.");
    memory().ClearFaults();
    PutFile(memory(), "C:\\Other\\orl.ini", "[Setup]\r\nRedirect=Q:\\TimeData\r\n");  // Q: not mapped yet
    EXPECT_EQ(RaisedText([&] { Run({"/vC:\\Other", "/rH:\\TimeData"}); }).rfind("Cannot open file q:\\timedata\\", 0), 0u);
    EXPECT_EQ(Read("C:\\TimeSheet\\orl.ini") + Read("H:\\TimeData\\orl.ini"), before);
    EXPECT_EQ(memory().Probe("S:\\Workgroup"), PathKind::Missing);
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(Run({"/vC:\\TimeSheet"}), kExitSuccess);  // back online and alone: the data come home
    EXPECT_EQ(Read("C:\\TimeSheet\\Data\\2024-01.txt"), "old\r\nrecent\r\n");
}

TEST_F(ConsoleRunTest, AWhatIfRunShowsTheReportAndTheChangesAndChangesNothing) {
    LayOut("C:\\TimeSheet\\", "[Setup]\r\nLanguage=en\r\n", "a\r\n");
    LayOut("H:\\TimeData\\", "[Setup]\r\nLanguage=de\r\n", "b\r\n");
    memory().CreateFolderPath("S:\\Data\\Workgroup");  // a "data" in the path misleads no one
    memory().SetClock({2026, 12, 8, 9, 30, 5, 42});
    const std::vector<std::string> line = {"/vC:\\TimeSheet", "/sS:\\Data\\Workgroup", "/rH:\\TimeData", "/d", "/a", "/W"};
    const std::string before = Read("C:\\TimeSheet\\orl.ini") + Read("H:\\TimeData\\orl.ini");
    EXPECT_EQ(Run(line), kExitSuccess);
    EXPECT_EQ(Read("C:\\TimeSheet\\orl.ini") + Read("H:\\TimeData\\orl.ini"), before);
    EXPECT_EQ(memory().Probe("S:\\Data\\Workgroup\\Data"), PathKind::Missing);
    EXPECT_EQ(display.shown.back(),
              "Orlagen has been configured on this machine.\r\n\r\n"
              "Workgroup server configured at \"s:\\data\\workgroup\\\"\r\n"
              "Shared files for the workgroup have been copied to the server.\r\n"
              "User administrator rights for server data have been assigned.\r\n"
              "Redirection to \"h:\\timedata\\\" has been established.\r\n"
              "Data files have been copied to \"h:\\timedata\\\"\r\n\r\n"
              "What-if run: no changes were made. The run would:\r\n"
              "create folder s:\\data\\workgroup\\Data\\ (not tried)\r\n"
              "back up h:\\timedata\\ into h:\\timedata\\ORL Backup 2026-12-08 [09-30-05-042]\\: 5 files, 72 bytes\r\n"
              "copy data from c:\\timesheet\\ to h:\\timedata\\: 5 files, 72 bytes\r\n"
              "write c:\\timesheet\\orl.ini\r\n"  // saved again: the same keys, an empty line added
              "write h:\\timedata\\orl.ini\r\n"
              "write c:\\timesheet\\orl.ini: [Setup] Redirect = h:\\timedata\r\n"
              "copy shared files from c:\\timesheet\\ to s:\\data\\workgroup\\: 3 files, 84 bytes (not tried)\r\n"
              "write h:\\timedata\\orl.ini: [Server] ServerPath = s:\\data\\workgroup; [Server] ServerAdmin = 2");
    // Then the real run does what was listed.
    EXPECT_EQ(Run({line.begin(), line.end() - 1}), kExitSuccess);
    EXPECT_EQ(Read("H:\\TimeData\\ORL Backup 2026-12-08 [09-30-05-042]\\Data\\2024-01.txt"), "b\r\n");
    EXPECT_EQ(Read("H:\\TimeData\\Data\\2024-01.txt"), "a\r\n");
}

// A what-if run ends with a note for each argument that the real run ignores or that empties an
// option; the real run itself says nothing of them.
TEST_F(ConsoleRunTest, AWhatIfRunNotesTheArgumentsALineLoses) {
    LayOut("C:\\TimeSheet\\", "", "a\r\n");
    const std::pair<std::vector<std::string>, std::string> lines[] = {
        {{"/vC:\\TimeSheet", "/r", "H:\\TimeData"},
         "\r\nnote: \"/r\" has no value (a blank follows it); \"H:\\TimeData\" is ignored, so the redirection is removed"},
        {{"/vC:\\TimeSheet", "/q", "x"},
         "\r\nnote: \"/q\" is not an option and is ignored\r\nnote: \"x\" is not an option and is ignored"},
        {{"/vC:\\TimeSheet", "/sS:\\Workgroup", "/S"},
         "\r\nnote: \"/S\" given twice; the last one, empty, counts: the server is removed"},
        {{"/vC:\\TimeSheet", "/aS:\\Workgroup"}, "\r\nnote: the value \"S:\\Workgroup\" of \"/a\" is ignored"},
        {{"/vC:\\TimeSheet", "/sS:\\Workgroup", "/c"}, "\r\nwrite c:\\timesheet\\orl.ini: [Server] ServerPath = s:\\workgroup"},
    };
    for (const auto& [line, ending] : lines) {
        std::vector<std::string> whatIf = line;
        whatIf.push_back("/w");
        Run(whatIf);
        const std::string shown = display.shown.back();
        EXPECT_EQ(shown.substr(shown.size() - std::min(shown.size(), ending.size())), ending) << shown;
        Run(line);
        EXPECT_EQ(display.shown.back().find("note:"), std::string::npos);
    }
}

}  // namespace
}  // namespace orl
