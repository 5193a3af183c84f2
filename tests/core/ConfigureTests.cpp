// The configure operation end to end on a disk of the test world (S: and H: are extra drives),
// the report byte for byte and the disk checked afterwards.
#include "core/Backup.h"
#include "core/Configure.h"
#include "core/Locations.h"
#include "core/Text.h"
#include "tests/support/WorldTest.h"
#include "tests/support/RaisedText.h"

namespace orl {
namespace {

struct Outcome {
    std::string success, failure;
};

class ConfigureTest : public WorldTest {
protected:
    const std::string s = world->Drive('S');
    const std::string h = world->Drive('H');
    const std::string install = scratch + "TimeSheet\\";
    const std::string installReported = LowerAZ(install);

    void LayOut(const std::string& folder, const std::string& ini, const std::string& period) {
        LayOutLocation(platform, folder, ini, {{"2024-01.txt", period}});
    }
    Outcome Run(const std::string& installFolder, const std::string& server, const std::string& current,
                const std::string& target, bool copyShared, bool transfer, bool keepRights = false,
                bool userAdmin = false, bool adminOnly = false) {
        Outcome outcome;
        Configure(platform, installFolder, server, current, target, copyShared, transfer, keepRights, userAdmin,
                  adminOnly, outcome.success, true, true, outcome.failure);
        EXPECT_TRUE(outcome.success.empty() != outcome.failure.empty());
        return outcome;
    }
    // The names in a folder that are backup folders.
    std::vector<std::string> Backups(const std::string& folder) {
        std::vector<FolderEntry> entries;
        platform.ListFolder(folder, "*.*", entries);
        std::vector<std::string> backups;
        for (const FolderEntry& entry : entries) {
            if (entry.isFolder && IsBackupFolderName(kBackupPrefix, entry.name)) backups.push_back(entry.name);
        }
        return backups;
    }
};

const char kHeadline[] = "Orlagen has been configured on this machine.\r\n";
const char kFailed[] = "Orlagen configuration failed.\r\n";
const char kNoRights[] = "\r\nNo administrator rights for server data have been assigned.";

TEST_F(ConfigureTest, WorkedExampleSetsUpServerRedirectionAndRights) {
    LayOut(install, "[Setup]\r\nLanguage=en\r\n", "2024-01-02;09:00;Brenmoor;Orlagen\r\n");
    ASSERT_TRUE(platform.CreateFolderPath(h + "TimeData"));
    ASSERT_TRUE(platform.CreateFolderPath(s + "Workgroup"));

    Outcome outcome = Run(install, s + "Workgroup", "", h + "TimeData", true, true, false, true, false);
    EXPECT_EQ(outcome.success,
              "Orlagen has been configured on this machine.\r\n"
              "\r\n"
              "Workgroup server configured at \"s:\\workgroup\\\"\r\n"
              "Shared files for the workgroup have been copied to the server.\r\n"
              "User administrator rights for server data have been assigned.\r\n"
              "Redirection to \"h:\\timedata\\\" has been established.\r\n"
              "Data files have been copied to \"h:\\timedata\\\"");
    EXPECT_EQ(outcome.failure, "");

    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nLanguage=en\r\nRedirect=h:\\timedata\r\n\r\n");
    EXPECT_EQ(ReadAt(h + "TimeData\\orl.ini"),
              "[Setup]\r\nLanguage=en\r\n\r\n[Server]\r\nServerPath=s:\\workgroup\r\nServerAdmin=2\r\n\r\n");
    // The server's copy was taken after the redirection writes, before the server keys.
    EXPECT_EQ(ReadAt(s + "Workgroup\\orl.ini"), "[Setup]\r\nLanguage=en\r\nRedirect=h:\\timedata\r\n\r\n");
    EXPECT_EQ(ReadAt(h + "TimeData\\orl.inf"), "installed");
    EXPECT_EQ(ReadAt(h + "TimeData\\Data\\2024-01.txt"), "2024-01-02;09:00;Brenmoor;Orlagen\r\n");
    EXPECT_EQ(ReadAt(h + "TimeData\\Data\\ClientProject.txt"), kClientProjectText);
    EXPECT_EQ(ReadAt(s + "Workgroup\\Data\\ClientProject.txt"), kClientProjectText);
    EXPECT_EQ(ReadAt(s + "Workgroup\\Data\\CategoryActivity.txt"), kCategoryActivityText);
    EXPECT_EQ(platform.Probe(s + "Workgroup\\Data\\2024-01.txt"), PathKind::Missing);
    EXPECT_EQ(Backups(h + "TimeData\\"), Names{});  // it held no file: nothing to back up
    EXPECT_EQ(ReadAt(install + "Data\\2024-01.txt"), "2024-01-02;09:00;Brenmoor;Orlagen\r\n");
}

TEST_F(ConfigureTest, ValidationFailsInItsOrderAndChangesOnlyTheNetworkDataFolders) {
    LayOut(install, "[Setup]\r\nLanguage=en\r\n", "line\r\n");
    const std::string redirect = h + "TimeData";
    struct Case {
        std::string install, server, target, reason;
    };
    const Case cases[] = {
        {"", s + "Workgroup", redirect, "Installation path is required"},
        {RemoveBackslash(install), installReported, redirect, "Installation and server paths must be different"},
        {install, s + "Workgroup", LowerAZ(install), "Installation and redirection paths must be different"},
        {install, install, install, "Installation and server paths must be different"},
        {install, redirect, redirect + "\\", "Server and redirection paths must be different"},
    };
    for (const Case& test : cases) {
        Outcome outcome = Run(test.install, test.server, "", test.target, true, true, false, true, false);
        EXPECT_EQ(outcome.failure, kFailed + test.reason) << test.reason;
        EXPECT_EQ(outcome.success, "");
    }
    EXPECT_EQ(platform.Probe(h + "timedata\\Data"), PathKind::Folder);  // made before validation
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nLanguage=en\r\n");
    EXPECT_EQ(platform.Probe(h + "TimeData\\orl.ini"), PathKind::Missing);
    EXPECT_EQ(platform.Probe(s + "Workgroup\\orl.ini"), PathKind::Missing);
    // The installation folder by another spelling passes; the redirection written is not lost.
    Outcome same = Run(install, s + "Workgroup", "", install + ".", false, true, false, true, false);
    EXPECT_NE(ReadAt(install + "orl.ini").find("\r\nRedirect="), std::string::npos) << same.failure;
}

TEST_F(ConfigureTest, RemovingARedirectionBringsTheDataHomeAfterABackup) {
    WriteAt(install + "orl.ini", "[Setup]\r\nRedirect=" + h + "TimeData\r\n");
    WriteAt(install + "Data\\2023-12.txt", "left at home\r\n");
    LayOut(h + "TimeData\\", "[Setup]\r\nLanguage=de\r\n", "kept on the share\r\n");

    Outcome outcome = Run(install, "", h + "TimeData", "", false, true);
    EXPECT_EQ(outcome.success, kHeadline + std::string(kNoRights) +
                                   "\r\nRedirection to \"h:\\timedata\\\" has been removed."
                                   "\r\nData files have been copied to \"" + installReported + "\"");
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nLanguage=de\r\n\r\n");
    EXPECT_EQ(ReadAt(h + "TimeData\\orl.ini"), "[Setup]\r\nLanguage=de\r\n\r\n");
    EXPECT_EQ(ReadAt(install + "orl.inf"), "installed");
    EXPECT_EQ(ReadAt(install + "Data\\2024-01.txt"), "kept on the share\r\n");
    EXPECT_EQ(ReadAt(install + "Data\\2023-12.txt"), "left at home\r\n");
    std::vector<std::string> backups = Backups(install);
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(ReadAt(install + backups[0] + "\\orl.ini"), "[Setup]\r\nRedirect=" + h + "TimeData\r\n");
    EXPECT_EQ(ReadAt(install + backups[0] + "\\Data\\2023-12.txt"), "left at home\r\n");
}

TEST_F(ConfigureTest, ANewLocationWithDataOfItsOwnIsBackedUpBeforeItIsReplaced) {
    LayOut(install, "[Setup]\r\nLanguage=en\r\n", "ours\r\n");
    LayOut(h + "TimeData\\", "[Setup]\r\nLanguage=fr\r\n", "theirs\r\n");
    Outcome outcome = Run(install, "", "", h + "TimeData", false, true);
    EXPECT_EQ(outcome.success, kHeadline + std::string(kNoRights) +
                                   "\r\nRedirection to \"h:\\timedata\\\" has been established."
                                   "\r\nData files have been copied to \"h:\\timedata\\\"");
    EXPECT_EQ(ReadAt(h + "TimeData\\Data\\2024-01.txt"), "ours\r\n");
    EXPECT_EQ(ReadAt(h + "TimeData\\orl.ini"), "[Setup]\r\nLanguage=en\r\n\r\n");
    std::vector<std::string> backups = Backups(h + "TimeData\\");
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(ReadAt(h + "TimeData\\" + backups[0] + "\\Data\\2024-01.txt"), "theirs\r\n");
    EXPECT_EQ(ReadAt(h + "TimeData\\" + backups[0] + "\\orl.ini"), "[Setup]\r\nLanguage=fr\r\n");
}

TEST_F(ConfigureTest, AnUnchangedRedirectionCopiesOnlyIntoAnEmptyFolderAndReportsNoMove) {
    WriteAt(install + "orl.ini", "[Setup]\r\nRedirect=h:\\timedata\r\n");
    WriteAt(install + "Data\\2024-01.txt", "at home\r\n");
    ASSERT_TRUE(platform.CreateFolderPath(h + "TimeData"));
    // The redirection folder holds no file yet: the installation's data go there, unreported.
    Outcome first = Run(install, "", h + "TimeData", h + "TimeData", false, true);
    EXPECT_EQ(first.success, kHeadline + std::string(kNoRights));
    EXPECT_EQ(ReadAt(h + "TimeData\\Data\\2024-01.txt"), "at home\r\n");
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nRedirect=h:\\timedata\r\n\r\n");
    // Now it holds files: nothing is copied, the redirection is written again.
    WriteAt(install + "Data\\2024-01.txt", "changed at home\r\n");
    Outcome second = Run(install, "", "h:\\timedata\\", "H:\\TimeData", false, true);
    EXPECT_EQ(second.success, kHeadline + std::string(kNoRights));
    EXPECT_EQ(ReadAt(h + "TimeData\\Data\\2024-01.txt"), "at home\r\n");
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nRedirect=h:\\timedata\r\n\r\n");
}

TEST_F(ConfigureTest, ADataFolderThatCannotBeMadeMovesNoDataAndRedirectsNothing) {
    LayOut(install, "[Setup]\r\nLanguage=en\r\n", "ours\r\n");
    WriteAt(h + "TimeData\\Data", "a file where the data folder belongs");
    Outcome outcome = Run(install, "", "", h + "TimeData", false, true);
    EXPECT_EQ(outcome.failure,
              kFailed + std::string("The network directory \"h:\\timedata\\\" (or a sub-directory) could not be created."));
    // The installation is not pointed at a location its data never reached.
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nLanguage=en\r\n");
    EXPECT_EQ(platform.Probe(h + "TimeData\\orl.ini"), PathKind::Missing);
    EXPECT_EQ(platform.Probe(h + "TimeData\\orl.inf"), PathKind::Missing);

    platform.CreateFolderPath(h + "Free");
    WriteAt(s + "Blocked\\Data", "blocked too");
    outcome = Run(install, s + "Blocked", "", h + "Free", false, true, false, true);
    EXPECT_EQ(outcome.failure,
              kFailed + std::string("The network directory \"s:\\blocked\\\" (or a sub-directory) could not be created."));
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Setup]\r\nLanguage=en\r\n");
    EXPECT_EQ(platform.Probe(h + "Free\\orl.ini"), PathKind::Missing);
}

TEST_F(ConfigureTest, AMissingInstallationFolderRaisesCannotCreate) {
    std::string success, failure;
    EXPECT_EQ(RaisedText([&] {
                  Configure(platform, scratch + "Missing", "", "", "", false, true, false, false, false, success, true,
                            true, failure);
              }),
              "Cannot create file " + LowerAZ(scratch + "Missing\\") + "orl.ini");
}

TEST_F(ConfigureTest, ServerKeysRightsAndSharedFiles) {
    LayOut(install, "[Server]\r\nServerAdmin=1\r\n", "ours\r\n");
    // A drive root as server folder is stored without its backslash.
    Outcome root = Run(install, s, "", "", true, true, false, false, true);
    EXPECT_EQ(root.success, kHeadline + std::string("\r\nWorkgroup server configured at \"s:\\\"") +
                                "\r\nShared files for the workgroup have been copied to the server." +
                                "\r\nAdministrator only rights for server data have been assigned.");
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Server]\r\nServerAdmin=1\r\nServerPath=s:\r\n\r\n");
    EXPECT_EQ(ReadAt(s + "orl.ini"), "[Server]\r\nServerAdmin=1\r\n");

    // Rights kept from the settings in force win over the flags; an unknown value means none.
    Outcome kept = Run(install, s + "Workgroup", "", "", false, true, true, true, false);
    EXPECT_NE(kept.success.find("Administrator only rights"), std::string::npos);
    WriteAt(install + "orl.ini", "[Server]\r\nServerAdmin=5\r\nOther=x\r\n");
    kept = Run(install, s + "Workgroup", "", "", false, true, true, true, true);
    EXPECT_NE(kept.success.find("No administrator rights"), std::string::npos);
    EXPECT_EQ(ReadAt(install + "orl.ini"), "[Server]\r\nOther=x\r\nServerPath=s:\\workgroup\r\n\r\n");

    // Without a server, the rights and the copy are dropped and the keys go with the section.
    Outcome none = Run(install, "", "", "", true, true, false, true, true);
    EXPECT_EQ(none.success, kHeadline + std::string(kNoRights));
    WriteAt(install + "orl.ini", "[Server]\r\nServerPath=s:\\workgroup\r\nServerAdmin=2\r\n");
    Run(install, "", "", "", true, true, false, true, true);
    EXPECT_EQ(ReadAt(install + "orl.ini"), "");
}

TEST_F(ConfigureTest, AMissingSharedFileStopsTheCopiesButNotTheServerKeys) {
    LayOut(install, "[Setup]\r\nLanguage=en\r\n", "ours\r\n");
    ASSERT_TRUE(platform.DeleteFileAt(install + "Data\\CategoryActivity.txt"));
    Outcome outcome = Run(install, s + "Workgroup", "", "", true, true, false, true);
    EXPECT_EQ(outcome.failure, kFailed + std::string("Could not copy shared data files to server location"));
    EXPECT_EQ(ReadAt(s + "Workgroup\\Data\\ClientProject.txt"), kClientProjectText);
    EXPECT_EQ(platform.Probe(s + "Workgroup\\orl.ini"), PathKind::Missing);
    EXPECT_EQ(ReadAt(install + "orl.ini"),
              "[Setup]\r\nLanguage=en\r\n\r\n[Server]\r\nServerPath=s:\\workgroup\r\nServerAdmin=2\r\n\r\n");
}

}  // namespace
}  // namespace orl
