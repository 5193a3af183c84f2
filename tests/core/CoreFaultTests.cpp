// The core where only the in-memory platform can take it: injected faults, the fixed
// machine-wide installation folder, folders that cannot be listed.
#include <gtest/gtest.h>

#include "core/ORLConfigUtil.h"
#include "platform/ForwardingPlatform.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/DiskLayout.h"
#include "tests/support/RaisedText.h"

namespace orl {
namespace {

TEST(DefaultInstallFolder, PerUserUnlessOnlyTheMachineWideInstallationExists) {
    MemoryPlatform memory;
    memory.SetEnvironment("APPDATA", "C:\\Users\\kim\\AppData\\Roaming");
    const std::string perUser = "C:\\Users\\kim\\AppData\\Roaming\\Brenmoor\\Orlagen\\";
    const std::string machineWide = "C:\\Program Files\\Brenmoor\\Orlagen\\";
    // Neither exists: the per-user folder all the same.
    EXPECT_EQ(DefaultInstallFolder(memory), perUser);
    // The machine-wide folder exists but is no installation.
    ASSERT_TRUE(memory.CreateFolderPath(machineWide));
    EXPECT_EQ(DefaultInstallFolder(memory), perUser);
    // It is an installation and the per-user folder is missing.
    ASSERT_TRUE(PutFile(memory, machineWide + "orl.inf", ""));
    EXPECT_EQ(DefaultInstallFolder(memory), machineWide);
    // The per-user folder exists: it wins.
    ASSERT_TRUE(memory.CreateFolderPath(perUser));
    EXPECT_EQ(DefaultInstallFolder(memory), perUser);
    // Without APPDATA (or with one too long to read) the candidate is relative.
    memory.SetEnvironment("APPDATA", std::string(1024, 'x'));
    EXPECT_EQ(DefaultInstallFolder(memory), machineWide);
    EXPECT_EQ(GetEnvironmentValue(memory, "APPDATA"), "");
}

// A save that fails at any of its steps, once or for good, cleanly or partway (a cut write, a
// replace that took the old file away), leaves the old file byte for byte or the new text whole,
// read back as the settings file even where only its temporary holds it. Once the disk works
// again nothing is left beside the file.
TEST(SettingsSave, EveryFaultLeavesEitherTheOldOrTheNewFileWhole) {
    const std::string old = "[Setup]\r\nRedirect=H:\\TimeData\r\n;comment\r\n";
    const std::string saved = "[Server]\r\nServerAdmin=2\r\n\r\n";
    const std::string path = "C:\\TimeSheet\\orl.ini";
    for (bool partway : {false, true}) {
        for (bool persistent : {false, true}) {
            for (int failing = 1; failing <= 8; ++failing) {
                SCOPED_TRACE(::testing::Message() << "operation " << failing << (persistent ? " on" : " once")
                                                  << (partway ? ", partway" : ""));
                MemoryPlatform memory;
                ASSERT_TRUE(PutFile(memory, path, old));
                memory.SetAttributes(path, Hidden);
                SettingsFile settings(memory, path);
                settings.EraseSection("Setup");
                settings.WriteText("Server", "ServerAdmin", "2");
                memory.FailOperation(failing, persistent, partway);
                const std::string raised = RaisedText([&] { settings.Save(); });
                memory.ClearFaults();
                RecoverInterruptedSave(memory, path);
                const std::string now = FileText(memory, path);
                if (raised == "no error raised") {
                    EXPECT_EQ(now, saved);
                } else {
                    EXPECT_EQ(raised, "Cannot create file " + path);
                    EXPECT_TRUE(now == old || (partway && now == saved)) << now;
                }
                if (raised == "no error raised" && !partway) {
                    EXPECT_EQ(memory.Attributes(path) & Hidden, Hidden);
                }
                EXPECT_EQ(memory.UnflushedMoves(), 0);
                if (!persistent) {
                    EXPECT_EQ(memory.Probe(TemporaryFor(memory, path)), PathKind::Missing);
                }
            }
        }
    }
    // Where the only copy of the settings is a temporary that cannot go into place, a save keeps it.
    MemoryPlatform memory;
    ASSERT_TRUE(PutFile(memory, TemporaryFor(memory, path), saved));
    SettingsFile settings(memory, path, "");
    memory.FailPath(path, OpMove);
    EXPECT_EQ(RaisedText([&] { settings.Save(); }), "Cannot create file " + path);
    EXPECT_EQ(FileText(memory, TemporaryFor(memory, path)), saved);
    // A temporary that a sync client holds, denying reads, may still be the only copy: the run
    // stops before anything is written, and once it can be read it is taken up.
    memory.ClearFaults();
    memory.HoldDenyingReads(TemporaryFor(memory, path));
    EXPECT_EQ(RaisedText([&] { WriteRedirect(memory, "C:\\TimeSheet", ""); }), "Cannot open file " + TemporaryFor(memory, path));
    memory.ClearFaults();
    EXPECT_EQ(SettingsFile(memory, path).Text(), saved);
    EXPECT_EQ(FileText(memory, path), saved);
}

TEST(SettingsFaults, AReadFaultRaisesAndAMissingFolderSaysCannotCreate) {
    MemoryPlatform memory;
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\orl.ini", "[Setup]\r\nRedirect=C:\\TimeData\r\n"));
    memory.FailPath("C:\\TimeSheet\\orl.ini", OpRead);
    EXPECT_THROW(ReadRedirect(memory, "C:\\TimeSheet"), PlatformError);
    EXPECT_THROW(OpenSettings(memory, "C:\\TimeSheet"), PlatformError);
    EXPECT_THROW(WriteRedirect(memory, "C:\\TimeSheet", ""), PlatformError);
    memory.ClearFaults();
    EXPECT_EQ(ReadRedirect(memory, "C:\\TimeSheet"), "C:\\TimeData\\");
    EXPECT_THROW(WriteRedirect(memory, "C:\\Missing", "C:\\TimeData"), PlatformError);
}

// When the redirected settings file cannot be examined, which file is in effect is unknown: an
// error, rather than reading and then writing the installation's own file in its place.
TEST(SettingsFaults, AnUnknownRedirectedFileIsAnErrorNotTheInstallationsOwn) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\orl.ini", "[Setup]\r\nRedirect=H:\\TimeData\r\n"));
    ASSERT_TRUE(PutFile(memory, "H:\\TimeData\\orl.ini", "[Server]\r\nServerAdmin=2\r\n"));
    memory.FailPath("H:\\TimeData\\orl.ini", OpProbe);
    EXPECT_EQ(RaisedText([&] { OpenSettings(memory, "C:\\TimeSheet"); }), "Cannot open file H:\\TimeData\\orl.ini");
    memory.ClearFaults();
    EXPECT_EQ(OpenSettings(memory, "C:\\TimeSheet").Path(), "H:\\TimeData\\orl.ini");
}

// The settings that a location has must reach the new location with its data; otherwise the
// installation would be redirected to an empty "orl.ini" while the report says all went well.
TEST(ConfigureFaults, ASettingsFileLostOnTheWayIsAFailedCopy) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    ASSERT_TRUE(memory.CreateFolderPath("H:\\TimeData"));
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\orl.ini", "[Setup]\r\nLanguage=en\r\n"));
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\Data\\2024-01.txt", "line\r\n"));
    memory.FailPath("H:\\TimeData\\orl.ini", OpCopy | OpMove);
    std::string success, failure;
    Configure(memory, "C:\\TimeSheet", "", "", "H:\\TimeData", false, true, false, false, false, success, true,
              true, failure);
    EXPECT_EQ(failure, "Orlagen configuration failed.\r\n"
                       "File copy from \"c:\\timesheet\\\" to \"h:\\timedata\\\" failed.");
    EXPECT_EQ(FileText(memory, "C:\\TimeSheet\\orl.ini"), "[Setup]\r\nLanguage=en\r\n");  // not redirected
    // A location without "orl.inf" (or "orl.ini") is no failure: there is nothing to lose. A save
    // that lost "orl.ini" and left it whole under its temporary name is taken up and goes along.
    memory.ClearFaults();
    ASSERT_TRUE(memory.DeleteFileAt("C:\\TimeSheet\\orl.ini"));
    ASSERT_TRUE(PutFile(memory, TemporaryFor(memory, "C:\\TimeSheet\\orl.ini"), "[Setup]\r\nLanguage=en\r\n\r\n"));
    ASSERT_TRUE(PutFile(memory, TemporaryFor(memory, "H:\\TimeData\\orl.ini"), "[Setup]\r\nLanguage=de\r\n\r\n"));
    // One that a sync client holds, denying reads, stops the run before anything is made.
    memory.AddDrive('S');
    memory.HoldDenyingReads(TemporaryFor(memory, "H:\\TimeData\\orl.ini"));
    EXPECT_EQ(RaisedText([&] {
                  Configure(memory, "C:\\TimeSheet", "S:\\Team", "", "H:\\TimeData", false, true, false, false, false,
                            success, true, true, failure);
              }),
              "Cannot open file " + TemporaryFor(memory, "h:\\timedata\\orl.ini"));
    EXPECT_EQ(memory.Probe("S:\\Team"), PathKind::Missing);
    memory.ClearFaults();
    success.clear();
    failure.clear();
    Configure(memory, "C:\\TimeSheet", "", "", "H:\\TimeData", false, true, false, false, false, success, true,
              true, failure);
    EXPECT_EQ(failure, "");
    EXPECT_EQ(FileText(memory, "H:\\TimeData\\orl.ini"), "[Setup]\r\nLanguage=en\r\n\r\n");
    EXPECT_EQ(FileText(memory, "H:\\TimeData\\ORL Backup 2026-03-07 [14-05-09-042]\\orl.ini"), "[Setup]\r\nLanguage=de\r\n\r\n");
}

TEST(ConfigureFaults, AFailedBackupLeavesTheNewLocationAsItWas) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\orl.ini", "[Setup]\r\nLanguage=en\r\n"));
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\Data\\2024-01.txt", "ours\r\n"));
    ASSERT_TRUE(PutFile(memory, "H:\\TimeData\\orl.ini", "[Setup]\r\nLanguage=fr\r\n"));
    ASSERT_TRUE(PutFile(memory, "H:\\TimeData\\Data\\2024-01.txt", "theirs\r\n"));
    memory.RefuseFolder("H:\\TimeData\\" + BackupStamp(memory, kBackupPrefix));
    std::string success, failure;
    Configure(memory, "C:\\TimeSheet", "", "", "H:\\TimeData", false, true, false, false, false, success, true,
              true, failure);
    EXPECT_EQ(failure, "Orlagen configuration failed.\r\nFile backup of \"h:\\timedata\\\" failed.");
    EXPECT_EQ(FileText(memory, "H:\\TimeData\\Data\\2024-01.txt"), "theirs\r\n");
    EXPECT_EQ(FileText(memory, "H:\\TimeData\\orl.ini"), "[Setup]\r\nLanguage=fr\r\n");
    EXPECT_EQ(FileText(memory, "C:\\TimeSheet\\orl.ini"), "[Setup]\r\nLanguage=en\r\n");
}

// A redirection folder that cannot be created at all: the removal in the current location is
// saved, then saving the new folder's settings raises, and no server keys are written.
TEST(ConfigureFaults, ARedirectionFolderThatCannotBeCreatedLeavesTheInstallationAsItWas) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    ASSERT_TRUE(memory.CreateFolderPath("C:\\TimeSheet\\Data"));
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\orl.ini", "[Setup]\r\nRedirect=H:\\Old\r\nLanguage=en\r\n"));
    memory.RefuseFolder("H:\\TimeData");
    std::string success, failure;
    Configure(memory, "C:\\TimeSheet", "", "H:\\Old", "H:\\TimeData", false, true, false, false, false, success, true,
              true, failure);
    EXPECT_EQ(failure, "Orlagen configuration failed.\r\n"
                       "The network directory \"h:\\timedata\\\" (or a sub-directory) could not be created.");
    EXPECT_EQ(FileText(memory, "C:\\TimeSheet\\orl.ini"), "[Setup]\r\nRedirect=H:\\Old\r\nLanguage=en\r\n");
    EXPECT_EQ(memory.Probe("H:\\TimeData"), PathKind::Missing);
}

TEST(FolderFaults, ARefusedFolderIsFalseNotAnError) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    memory.RefuseFolder("H:\\TimeData");
    EXPECT_FALSE(EnsureDataFolder(memory, "H:\\TimeData"));
    EXPECT_FALSE(EnsureDataFolder(memory, "\\\\NOSERVER\\Share\\TimeData"));
    EXPECT_FALSE(CopyFolderTree(memory, "C:\\", "H:\\TimeData\\Data", ""));
    ASSERT_TRUE(PutFile(memory, "C:\\orl.ini", "x"));
    EXPECT_FALSE(CopyFileTo(memory, "C:\\orl.ini", "H:\\TimeData\\orl.ini"));
}

// A folder that exists but cannot be listed must not pass for an empty one: copying it would
// report data copied when none was, and overwriting it would destroy what could not be seen.
TEST(FolderFaults, AFolderThatCannotBeListedIsNeitherEmptyNorCopied) {
    MemoryPlatform memory;
    ASSERT_TRUE(memory.CreateFolderPath("C:\\TimeSheet\\Data\\Archive"));
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\Data\\2024-01.txt", "09:00"));
    memory.FailPath("C:\\TimeSheet\\Data\\Archive", OpList);
    EXPECT_TRUE(FolderHasFiles(memory, "C:\\TimeSheet\\Data\\Archive"));
    EXPECT_FALSE(CopyFolderTree(memory, "C:\\TimeSheet\\Data", "C:\\Copy", ""));
    EXPECT_FALSE(BackupFolder(memory, "C:\\TimeSheet", "C:\\TimeSheet"));
    // A folder that does not exist is still empty, and copies as an empty folder.
    EXPECT_FALSE(FolderHasFiles(memory, "C:\\Nothing"));
    EXPECT_TRUE(CopyFolderTree(memory, "C:\\Nothing", "C:\\Empty", ""));
    EXPECT_EQ(memory.Probe("C:\\Empty"), PathKind::Folder);
}

TEST(Backup, AStampAlreadyTakenIsNotMergedInto) {
    MemoryPlatform memory;
    memory.SetClock({2026, 3, 7, 14, 5, 9, 42});
    EXPECT_EQ(BackupStamp(memory, kBackupPrefix), "ORL Backup 2026-03-07 [14-05-09-042]");
    memory.SetClock({987, 1, 2, 3, 4, 5, 6});
    EXPECT_EQ(BackupStamp(memory, ""), "0987-01-02 [03-04-05-006]");
    ASSERT_TRUE(PutFile(memory, "C:\\TimeData\\orl.ini", "first"));
    EXPECT_TRUE(BackupFolder(memory, "C:\\TimeData", "C:\\TimeData"));
    ASSERT_TRUE(PutFile(memory, "C:\\TimeData\\orl.ini", "second"));
    EXPECT_FALSE(BackupFolder(memory, "C:\\TimeData", "C:\\TimeData"));
    EXPECT_EQ(FileText(memory, "C:\\TimeData\\0987-01-02 [03-04-05-006]\\orl.ini"), "(no such file)");
    EXPECT_EQ(FileText(memory, "C:\\TimeData\\ORL Backup 0987-01-02 [03-04-05-006]\\orl.ini"), "first");
}

TEST(ComparisonFaults, ADataFolderThatCannotBeListedIsAnErrorAndAMissingOneHoldsNothing) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\Data\\2024-01.txt", "a\r\n"));
    ASSERT_TRUE(PutFile(memory, "H:\\TimeData\\Data\\2024-01.txt", "a\r\n"));
    memory.FailPath("H:\\TimeData\\Data", OpList);
    EXPECT_EQ(RaisedText([&] { CompareDataSets(memory, {"C:\\TimeSheet", "H:\\TimeData"}); }),
              "Cannot open file h:\\timedata\\data\\");
    EXPECT_EQ(CompareDataSets(memory, {"C:\\TimeSheet", "H:\\Nothing"}), kFirstHoldsMore);
}

// What the sweep cannot see: a temporary left read-only by a killed run under the very name the
// next copy uses is removed; a user's file is data whatever its name; a read-only source gives a
// read-only copy, which a later copy does not replace.
TEST(CopyFaults, NoTemporaryBlocksAndReadOnlyFilesStayReadOnly) {
    MemoryPlatform memory;
    const std::string source = "C:\\A\\Data\\2024-01.txt", target = "C:\\B\\Data\\2024-01.txt";
    const std::string stale = TemporaryFor(memory, target, source);
    ASSERT_TRUE(PutFile(memory, stale, "cut") && PutFile(memory, source, "a\r\n") &&
                PutFile(memory, "C:\\A\\Data\\notes.txt.copying", "a user's own file"));
    MemoryPlatform other;
    other.SetRunnerIdentity("OTHERPC\\lee");
    const std::string theirs = TemporaryFor(other, target, source);  // another workstation's copy under way
    ASSERT_TRUE(PutFile(memory, theirs, "theirs"));
    EXPECT_NE(TemporaryFor(memory, "C:\\B\\Data\\2024-02.txt", source), stale);
    memory.SetAttributes(stale, ReadOnly);
    memory.SetAttributes(source, ReadOnly);
    EXPECT_TRUE(CopyFolderTree(memory, "C:\\A", "C:\\B", ""));
    EXPECT_EQ(FileText(memory, theirs), "theirs");
    EXPECT_EQ(FileText(memory, "C:\\B\\Data\\notes.txt.copying"), "a user's own file");
    EXPECT_EQ(memory.Probe(stale), PathKind::Missing);
    EXPECT_EQ(memory.Attributes(target), static_cast<unsigned>(ReadOnly));
    memory.SetAttributes(source, 0);
    ASSERT_TRUE(PutFile(memory, source, "a\r\nb\r\n"));
    EXPECT_FALSE(CopyFileTo(memory, source, target));
    EXPECT_EQ(FileText(memory, target), "a\r\n");
    EXPECT_EQ(memory.Probe(stale), PathKind::Missing);
}

// A share served from a system that tells letter case apart: "2026-01.TXT" beside "2026-01.txt".
class CaseTellingShare final : public ForwardingPlatform {
public:
    explicit CaseTellingShare(MemoryPlatform& below) : ForwardingPlatform(below) {}
    Access ListFolder(const std::string& folder, const std::string& pattern, std::vector<FolderEntry>& entries) override {
        Access listed = below_.ListFolder(folder, pattern, entries);
        if (LowerAZ(folder) == "c:\\timesheet\\data\\") entries.push_back({"2026-01.TXT", false});
        return listed;
    }
    Access ReadWholeFile(const std::string& path, std::string& contents) override {
        if (path == "c:\\timesheet\\data\\2026-01.txt" && ++reads_ == 2) return below_.ReadWholeFile("C:\\Upper", contents);
        return below_.ReadWholeFile(path, contents);
    }

private:
    int reads_ = 0;
};

TEST(ComparisonFaults, AFileIsPairedAtMostOnceWhereLetterCaseTellsNamesApart) {
    MemoryPlatform memory;
    memory.AddDrive('H');
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\Data\\2026-01.txt", "a\r\n"));
    ASSERT_TRUE(PutFile(memory, "C:\\Upper", "a\r\n"));  // what 2026-01.TXT holds
    LayOutLocation(memory, "H:\\TimeData\\", "", {{"2026-01.txt", "a\r\n"}, {"2026-02.txt", "b\r\n"}, {"2026-03.txt", "c\r\n"}});
    CaseTellingShare share(memory);
    // The installation's second file finds no partner left: its line is one the share lacks.
    EXPECT_EQ(CompareDataSets(share, {"C:\\TimeSheet", "H:\\TimeData"}), kEachHoldsMore);
}

TEST(ConfigureFaults, AFailureGivenByTheCallerLeadsStraightToTheFailureReport) {
    MemoryPlatform memory;
    ASSERT_TRUE(PutFile(memory, "C:\\TimeSheet\\orl.ini", "[Setup]\r\n"));
    std::string success, failure = "Checked before";
    Configure(memory, "C:\\TimeSheet", "", "", "", false, true, false, false, false, success, true, true, failure);
    EXPECT_EQ(failure, "Orlagen configuration failed.\r\nChecked before");
    EXPECT_EQ(success, "");
    EXPECT_EQ(FileText(memory, "C:\\TimeSheet\\orl.ini"), "[Setup]\r\n");
}

}  // namespace
}  // namespace orl
