// Folder copy and backup, on a disk of the test world.
#include "core/Backup.h"
#include "tests/support/WorldTest.h"

namespace orl {
namespace {

class BackupTest : public WorldTest {
protected:
    // A location as the configuration finds it: settings, data three levels deep with a hidden
    // file at the bottom, and an earlier backup.
    void LayOutLocation(const std::string& location) {
        Write(location + "\\orl.ini", "[Setup]\r\n");
        Write(location + "\\orl.inf", "marker");
        Write(location + "\\Data\\2024-01.txt", "09:00;Client;Project\r\n");
        Write(location + "\\Data\\Archive\\2019\\old.txt", "archived");
        world->SetAttributes(scratch + location + "\\Data\\Archive\\2019\\old.txt", Hidden);
        Write(location + "\\ORL Backup 2025-11-30 [09-00-00-000]\\orl.ini", "earlier backup");
    }
};

TEST_F(BackupTest, CopyFolderTreeCopiesEveryFolderAndFileAndReplacesOldOnes) {
    LayOutLocation("Source");
    Write("Target\\orl.ini", "replaced");
    Write("Target\\own.txt", "stays");
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "Source", scratch + "Target", ""));
    EXPECT_EQ(List("Target"), (Names{"Data\\", "ORL Backup 2025-11-30 [09-00-00-000]\\", "orl.inf", "orl.ini",
                                     "own.txt"}));
    EXPECT_EQ(Read("Target\\orl.ini"), "[Setup]\r\n");
    EXPECT_EQ(Read("Target\\Data\\Archive\\2019\\old.txt"), "archived");
    EXPECT_EQ(Read("Target\\ORL Backup 2025-11-30 [09-00-00-000]\\orl.ini"), "earlier backup");

    // With the prefix, backups are left out at every depth.
    Write("Source\\Data\\orl backup 2020-01-01 [00-00-00-000]\\x.txt", "nested backup");
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "Source\\", scratch + "Filtered\\", kBackupPrefix));
    EXPECT_EQ(List("Filtered"), (Names{"Data\\", "orl.inf", "orl.ini"}));
    EXPECT_EQ(List("Filtered\\Data"), (Names{"2024-01.txt", "Archive\\"}));
}

TEST_F(BackupTest, CopyFolderTreeOfNothing) {
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "Source", "", ""));
    EXPECT_EQ(List(""), Names{});
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "Missing", scratch + "a\\b\\Target", ""));
    EXPECT_EQ(Kind("a\\b\\Target"), PathKind::Folder);
    EXPECT_EQ(List("a\\b\\Target"), Names{});
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "Empty\\Inner"));
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "Empty", scratch + "Copy", ""));
    EXPECT_EQ(List("Copy"), Names{"Inner\\"});
}

TEST_F(BackupTest, CopyFolderTreeNeverCopiesATreeIntoItself) {
    Write("TimeSheet\\Data\\2024-01.txt", "a");
    Write("TimeSheet\\Data\\Sub\\2024-02.txt", "b");
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "TimeSheet\\Data", scratch + "timesheet\\data\\sub\\data", ""));
    EXPECT_EQ(List("TimeSheet\\Data\\Sub"), (Names{"2024-02.txt", "data\\"}));
    EXPECT_EQ(List("TimeSheet\\Data\\Sub\\data"), (Names{"2024-01.txt", "Sub\\"}));
    EXPECT_EQ(List("TimeSheet\\Data\\Sub\\data\\Sub"), Names{"2024-02.txt"});
    // Again, now that the target exists inside the source: still each file once.
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "TimeSheet\\Data", scratch + "TimeSheet\\Data\\Sub\\Data\\", ""));
    EXPECT_EQ(List("TimeSheet\\Data\\Sub\\data\\Sub"), Names{"2024-02.txt"});
    EXPECT_TRUE(CopyFolderTree(platform, scratch + "TimeSheet", scratch + "TIMESHEET\\", ""));
}

TEST_F(BackupTest, BackupOfALocationIntoItselfHoldsEverythingElse) {
    LayOutLocation("TimeData");
    EXPECT_TRUE(BackupFolder(platform, scratch + "TimeData", scratch + "TimeData"));
    Names names = List("TimeData");
    ASSERT_EQ(names.size(), 5u);
    std::string backup;
    for (const std::string& name : names) {
        if (name != "ORL Backup 2025-11-30 [09-00-00-000]\\" && IsBackupFolderName(kBackupPrefix, name.substr(0, name.size() - 1))) {
            backup = "TimeData\\" + name;
        }
    }
    ASSERT_FALSE(backup.empty());
    EXPECT_EQ(backup.size(), std::string("TimeData\\").size() + 36 + 1);
    EXPECT_EQ(List(backup), (Names{"Data\\", "orl.inf", "orl.ini"}));
    EXPECT_EQ(Read(backup + "Data\\Archive\\2019\\old.txt"), "archived");
    EXPECT_EQ(Read(backup + "Data\\2024-01.txt"), "09:00;Client;Project\r\n");
    EXPECT_FALSE(BackupFolder(platform, scratch + "TimeData", ""));
}

TEST_F(BackupTest, FolderHasFilesLooksThroughTheWholeTree) {
    EXPECT_FALSE(FolderHasFiles(platform, ""));
    EXPECT_FALSE(FolderHasFiles(platform, scratch + "Missing"));
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "Tree\\a\\b\\c"));
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "Tree\\d"));
    EXPECT_FALSE(FolderHasFiles(platform, scratch + "Tree"));
    Write("Tree\\a\\b\\c\\hidden.txt", "");
    world->SetAttributes(scratch + "Tree\\a\\b\\c\\hidden.txt", Hidden);
    EXPECT_TRUE(FolderHasFiles(platform, scratch + "Tree"));
    Write("Backups\\ORL Backup 2025-11-30 [09-00-00-000]\\orl.ini", "");
    EXPECT_TRUE(FolderHasFiles(platform, scratch + "Backups\\"));
}

TEST(BackupNames, StampAndRecognition) {
    EXPECT_TRUE(IsBackupFolderName(kBackupPrefix, "H:\\TimeData\\orl backup 2026-03-07 [14-05-09-042]"));
    EXPECT_TRUE(IsBackupFolderName(kBackupPrefix, "ORL BACKUP 2026-03-07 [14-05-09-042]"));
    EXPECT_TRUE(IsBackupFolderName(kBackupPrefix, "H:ORL Backup yyyy-mm-dd [hh-nn-ss-zzz]"));
    EXPECT_TRUE(IsBackupFolderName(kBackupPrefix, "ORL Backup 2026-03-07 [14-05-09-042] copy"));
    EXPECT_FALSE(IsBackupFolderName(kBackupPrefix, "ORL Backup "));
    EXPECT_FALSE(IsBackupFolderName(kBackupPrefix, "ORL Backup 2026-03-07 [14-05-09-04]"));
    EXPECT_FALSE(IsBackupFolderName(kBackupPrefix, "ORL Backup 2026-03-07 (14-05-09-042)"));
    EXPECT_FALSE(IsBackupFolderName(kBackupPrefix, "My ORL Backup 2026-03-07 [14-05-09-042]"));
    EXPECT_FALSE(IsBackupFolderName(kBackupPrefix, "ORL Backup 2026-03-07 [14-05-09-042]\\Data"));
}

}  // namespace
}  // namespace orl
