// The conventions of an installation's locations and its redirection, on a disk of the test world.
#include "core/InstallSettings.h"
#include "core/Locations.h"
#include "tests/support/WorldTest.h"

namespace orl {
namespace {

class LocationsTest : public WorldTest {};

TEST(FolderText, NormalFormAndDataFolder) {
    EXPECT_EQ(AddBackslash(""), "");
    EXPECT_EQ(AddBackslash("C:\\Work"), "C:\\Work\\");
    EXPECT_EQ(AddBackslash("C:\\Work\\"), "C:\\Work\\");
    EXPECT_EQ(AddBackslash("C:\\Work\\\\"), "C:\\Work\\\\");
    EXPECT_EQ(RemoveBackslash(""), "");
    EXPECT_EQ(RemoveBackslash("C:\\Work\\"), "C:\\Work");
    EXPECT_EQ(RemoveBackslash("C:\\Work\\\\"), "C:\\Work\\");
    EXPECT_EQ(RemoveBackslash("S:\\"), "S:");
    EXPECT_EQ(DataFolder("C:\\Work"), "C:\\Work\\Data\\");
    EXPECT_EQ(DataFolder("C:\\Work\\"), "C:\\Work\\Data\\");
    EXPECT_EQ(DataFolder(""), "Data\\");
}

TEST_F(LocationsTest, MarkerAndSharedFilesMustBeFiles) {
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "Fake\\orl.inf"));
    EXPECT_FALSE(IsInstallFolder(platform, scratch + "Fake"));
    Write("Real\\orl.inf", "");
    EXPECT_TRUE(IsInstallFolder(platform, scratch + "Real"));
    EXPECT_TRUE(IsInstallFolder(platform, scratch + "Real\\"));

    Write("Server\\orl.ini", "");
    Write("Server\\Data\\ClientProject.txt", "Client;Project");
    EXPECT_FALSE(HasSharedDataFiles(platform, scratch + "Server"));
    Write("Server\\Data\\CategoryActivity.txt", "Category;Activity");
    EXPECT_TRUE(HasSharedDataFiles(platform, scratch + "Server"));
    EXPECT_FALSE(HasSharedDataFiles(platform, scratch + "Missing"));
}

TEST_F(LocationsTest, EnsureDataFolderCreatesWhatIsMissingOrSaysItCannot) {
    EXPECT_TRUE(EnsureDataFolder(platform, ""));
    EXPECT_TRUE(EnsureDataFolder(platform, scratch + "h\\timedata"));
    EXPECT_EQ(Kind("h\\timedata\\Data"), PathKind::Folder);
    EXPECT_TRUE(EnsureDataFolder(platform, scratch + "h\\timedata\\"));
    Write("Blocked\\Data", "a file named like the data folder");
    EXPECT_FALSE(EnsureDataFolder(platform, scratch + "Blocked"));
    EXPECT_EQ(Read("Blocked\\Data"), "a file named like the data folder");
}

TEST_F(LocationsTest, CopyFileToMakesTheFolderAndReplacesTheTarget) {
    Write("TimeSheet\\Data\\ClientProject.txt", "new");
    Write("Server\\Data\\ClientProject.txt", "old and longer");
    EXPECT_TRUE(CopyFileTo(platform, scratch + "TimeSheet\\Data\\ClientProject.txt",
                           scratch + "Server\\Data\\ClientProject.txt"));
    EXPECT_EQ(Read("Server\\Data\\ClientProject.txt"), "new");
    EXPECT_TRUE(CopyFileTo(platform, scratch + "TimeSheet\\Data\\ClientProject.txt",
                           scratch + "New\\Deep\\Data\\ClientProject.txt"));
    EXPECT_EQ(Read("New\\Deep\\Data\\ClientProject.txt"), "new");
    EXPECT_FALSE(CopyFileTo(platform, scratch + "TimeSheet\\Data\\Missing.txt", scratch + "Server\\x.txt"));
}

TEST_F(LocationsTest, RedirectReadsBackAsAFullFolderInNormalForm) {
    const std::string install = scratch + "TimeSheet";
    EXPECT_EQ(ReadRedirect(platform, install), "");  // no orl.ini at all
    Write("TimeSheet\\orl.ini", "[setup]\r\nredirect= \t" + scratch + "h\\TimeData \r\n");
    EXPECT_EQ(ReadRedirect(platform, install), scratch + "h\\TimeData\\");
    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect=" + scratch + "h\\TimeData\\\r\n");
    EXPECT_EQ(ReadRedirect(platform, install + "\\"), scratch + "h\\TimeData\\");
    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect =" + scratch + "h\\TimeData\r\n");
    EXPECT_EQ(ReadRedirect(platform, install), "");  // a blank before "=" is part of the key

    world->SetCurrentFolder(scratch);
    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect=.\\h\\..\\Relative\r\n");
    EXPECT_EQ(ReadRedirect(platform, install), scratch + "Relative\\");
}

TEST_F(LocationsTest, WriteRedirectSetsOrRemovesTheKeyAndSaves) {
    const std::string install = scratch + "TimeSheet";
    ASSERT_TRUE(platform.CreateFolderPath(install));
    WriteRedirect(platform, install, "");
    EXPECT_EQ(Read("TimeSheet\\orl.ini"), "");  // created, empty

    WriteRedirect(platform, install, "h:\\timedata\\");
    EXPECT_EQ(Read("TimeSheet\\orl.ini"), "[Setup]\r\nRedirect=h:\\timedata\r\n\r\n");
    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect=h:\\timedata\r\nLanguage=de\r\n[Server]\r\nServerAdmin=2\r\n");
    WriteRedirect(platform, install, "");
    EXPECT_EQ(Read("TimeSheet\\orl.ini"), "[Setup]\r\nLanguage=de\r\n\r\n[Server]\r\nServerAdmin=2\r\n\r\n");
    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect=h:\\timedata\r\n[Server]\r\nServerAdmin=2\r\n");
    WriteRedirect(platform, install, "");
    EXPECT_EQ(Read("TimeSheet\\orl.ini"), "[Server]\r\nServerAdmin=2\r\n\r\n");  // the emptied section goes
}

TEST_F(LocationsTest, OpenSettingsFollowsTheRedirectionOneStepOnly) {
    const std::string install = scratch + "TimeSheet";
    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect=" + scratch + "TimeData\r\n");
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "TimeData"));
    EXPECT_EQ(OpenSettings(platform, install).Path(), install + "\\orl.ini");  // no orl.ini there

    Write("TimeData\\orl.ini", "[Setup]\r\nRedirect=" + scratch + "Further\r\n");
    Write("Further\\orl.ini", "");
    SettingsFile effective = OpenSettings(platform, install);
    EXPECT_EQ(effective.Path(), scratch + "TimeData\\orl.ini");
    EXPECT_EQ(effective.ReadText("Setup", "Redirect", ""), scratch + "Further");

    Write("TimeSheet\\orl.ini", "[Setup]\r\nRedirect=\r\n");
    EXPECT_EQ(OpenSettings(platform, install).Path(), install + "\\orl.ini");
}

}  // namespace
}  // namespace orl
