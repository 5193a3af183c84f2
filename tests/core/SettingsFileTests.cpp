// The settings-file dialect, read, changed and saved byte for byte, on a disk of the test world.
#include "core/SettingsFile.h"
#include "core/WholeFiles.h"
#include "tests/support/WorldTest.h"
#include "tests/support/RaisedText.h"

namespace orl {
namespace {

using namespace std::string_literals;

class SettingsFileTest : public WorldTest {
protected:
    std::string ini = scratch + "orl.ini";
};

// Mixed line ends, a NUL, comments, text before the first section, duplicates, blanks at "=".
const std::string kMessyIni =
    "stray=before any section\r\n"
    "[Setup]\r\n"
    "; a comment\n"
    "redirect=H:\\TimeData\r"
    "Redirect=H:\\Second\n"
    "\n"
    "Language =de\r\n"
    "NoEqualsSign\r\n"
    "[server]\n"
    "ServerPath= S:\\Workgroup \r\n"
    "[SETUP]\r\n"
    "Redirect=shadowed by the first section\r\n"
    "[Tail]\r\n"
    "Key=cut at the NUL\0[Hidden]\r\nKey=never read\r\n"s;

TEST_F(SettingsFileTest, ReadingFollowsTheDialect) {
    Write("orl.ini", kMessyIni);
    SettingsFile settings(platform, ini);
    EXPECT_EQ(settings.SectionNames(), (Names{"Setup", "server", "SETUP", "Tail"}));
    EXPECT_EQ(settings.ReadText("SETUP", "REDIRECT", "none"), "H:\\TimeData");  // first one counts
    EXPECT_EQ(settings.ReadText("Setup", "Language", "none"), "none");  // the blank belongs to the key
    EXPECT_EQ(settings.ReadText("Setup", "Language ", "none"), "de");
    EXPECT_EQ(settings.ReadText("Server", "ServerPath", "none"), " S:\\Workgroup ");  // not trimmed
    EXPECT_EQ(settings.ReadText("Tail", "Key", "none"), "cut at the NUL");
    EXPECT_EQ(settings.ReadText("Hidden", "Key", "none"), "none");
    EXPECT_EQ(settings.ReadText("", "stray", "none"), "none");
    EXPECT_EQ(settings.SectionLines("setup"),
              (Names{"redirect=H:\\TimeData", "Redirect=H:\\Second", "Language =de", "NoEqualsSign"}));
    EXPECT_EQ(settings.SectionLines("Missing"), Names{});
}

TEST_F(SettingsFileTest, SavingWritesEverySectionBackWithoutCommentsOrBlankLines) {
    Write("orl.ini", kMessyIni);
    SettingsFile settings(platform, ini);
    settings.Save();
    EXPECT_EQ(Read("orl.ini"),
              "[Setup]\r\n"
              "redirect=H:\\TimeData\r\n"
              "Redirect=H:\\Second\r\n"
              "Language =de\r\n"
              "NoEqualsSign\r\n"
              "\r\n"
              "[server]\r\n"
              "ServerPath= S:\\Workgroup \r\n"
              "\r\n"
              "[SETUP]\r\n"
              "Redirect=shadowed by the first section\r\n"
              "\r\n"
              "[Tail]\r\n"
              "Key=cut at the NUL\r\n"
              "\r\n");
    EXPECT_EQ(List(""), Names{"orl.ini"});  // no temporary file left beside it
}

TEST_F(SettingsFileTest, ChangesReplaceTheFirstLineOrAppend) {
    Write("orl.ini", "[Setup]\r\nredirect=old\r\nRedirect=duplicate\r\nOther=1\r\n[Server]\r\nServerAdmin=1\r\n");
    SettingsFile settings(platform, ini);
    settings.WriteText("SETUP", "Redirect", "H:\\TimeData");
    settings.WriteText("Setup", "New", "appended to the section");
    settings.WriteInteger("Options", "Level", -12);
    settings.DeleteKey("server", "SERVERADMIN");
    settings.DeleteKey("Server", "Absent");
    settings.DeleteKey("Absent", "Absent");
    EXPECT_EQ(settings.Text(),
              "[Setup]\r\nRedirect=H:\\TimeData\r\nRedirect=duplicate\r\nOther=1\r\nNew=appended to the section\r\n\r\n"
              "[Server]\r\n\r\n"
              "[Options]\r\nLevel=-12\r\n\r\n");
    EXPECT_EQ(settings.ReadInteger("Options", "Level", 0), -12);
    settings.EraseSection("setup");
    settings.EraseSection("Absent");
    EXPECT_EQ(settings.SectionNames(), (Names{"Server", "Options"}));
}

TEST_F(SettingsFileTest, IntegersAreReadByTheIntegerRules) {
    Write("orl.ini", "[Server]\r\nA=2\r\nB= 1\r\nC=$2\r\nD=0x1\r\nE=2 \r\nF=two\r\nG=\r\nH=99999999999\r\nI=-0\r\n");
    SettingsFile settings(platform, ini);
    EXPECT_EQ(settings.ReadInteger("Server", "A", 0), 2);
    EXPECT_EQ(settings.ReadInteger("Server", "B", 0), 1);
    EXPECT_EQ(settings.ReadInteger("Server", "C", 0), 2);
    EXPECT_EQ(settings.ReadInteger("Server", "D", 0), 1);
    EXPECT_EQ(settings.ReadInteger("Server", "E", 7), 7);
    EXPECT_EQ(settings.ReadInteger("Server", "F", 7), 7);
    EXPECT_EQ(settings.ReadInteger("Server", "G", 7), 7);
    EXPECT_EQ(settings.ReadInteger("Server", "H", 7), 7);
    EXPECT_EQ(settings.ReadInteger("Server", "I", 7), 0);
    EXPECT_EQ(settings.ReadInteger("Server", "Missing", 7), 7);
}

TEST_F(SettingsFileTest, AMissingFileHasNoSectionsAndSavingCreatesIt) {
    SettingsFile empty(platform, ini);
    EXPECT_EQ(empty.SectionNames(), Names{});
    empty.Save();
    EXPECT_EQ(Kind("orl.ini"), PathKind::File);
    EXPECT_EQ(Read("orl.ini"), "");

    SettingsFile fresh(platform, ini);
    fresh.WriteText("Server", "ServerPath", "s:\\workgroup");
    fresh.Save();
    ASSERT_TRUE(platform.DeleteFileAt(ini));  // gone since it was saved: the same text is written again
    fresh.Save();
    EXPECT_EQ(Read("orl.ini"), "[Server]\r\nServerPath=s:\\workgroup\r\n\r\n");
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadRaisesCannotOpen) {
    Write("orl.ini", "[Setup]\r\nRedirect=H:\\TimeData\r\n");
    world->HoldOpenForWriting(ini);
    EXPECT_EQ(RaisedText([&] { SettingsFile settings(platform, ini); }), "Cannot open file " + ini);
    world->ReleaseHold(ini);
}

TEST_F(SettingsFileTest, ASaveThatCannotBeMadeLeavesTheOldFileAsItWas) {
    SettingsFile nowhere(platform, scratch + "missing\\orl.ini");
    nowhere.WriteText("Setup", "Redirect", "H:\\TimeData");
    EXPECT_EQ(RaisedText([&] { nowhere.Save(); }), "Cannot create file " + scratch + "missing\\orl.ini");
    EXPECT_EQ(Kind("missing"), PathKind::Missing);

    const std::string old = "[Setup]\r\nRedirect=H:\\TimeData\r\n; kept byte for byte\r\n";
    Write("orl.ini", old);
    SettingsFile settings(platform, ini);
    settings.EraseSection("Setup");
    world->HoldOpenForWriting(ini);  // another program has it open: it cannot be replaced
    EXPECT_THROW(settings.Save(), PlatformError);
    world->ReleaseHold(ini);
    EXPECT_EQ(Read("orl.ini"), old);
    // Only our own file is looked for: Wine's ReplaceFile leaves a temporary file of its own.
    EXPECT_EQ(platform.Probe(TemporaryFor(platform, ini)), PathKind::Missing);
}

}  // namespace
}  // namespace orl
