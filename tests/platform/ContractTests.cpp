// What every realisation of the platform promises. The same tests run on the in-memory
// platform natively and on the Win32 platform under Wine on a real folder.


#include "tests/support/WorldTest.h"

namespace orl {
namespace {

class PlatformContract : public WorldTest {};

TEST_F(PlatformContract, ProbeTellsFilesFromFolders) {
    Write("orl.ini", "x");
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "orl.inf"));
    EXPECT_EQ(platform.Probe(scratch + "orl.ini"), PathKind::File);
    EXPECT_EQ(platform.Probe(scratch + "ORL.INI"), PathKind::File);
    EXPECT_EQ(platform.Probe(scratch + "orl.inf"), PathKind::Folder);  // named like a file
    EXPECT_EQ(platform.Probe(scratch + "orl.inf\\"), PathKind::Folder);
    EXPECT_EQ(platform.Probe(scratch), PathKind::Folder);
    EXPECT_EQ(platform.Probe(scratch + "missing.txt"), PathKind::Missing);
    EXPECT_EQ(platform.Probe(scratch + "missing\\orl.ini"), PathKind::Missing);
    EXPECT_EQ(platform.Probe(scratch + "orl.ini\\orl.ini"), PathKind::Missing);
}

TEST_F(PlatformContract, CreateFolderPathMakesEveryMissingParent) {
    EXPECT_TRUE(platform.CreateFolderPath(scratch + "h\\TimeData\\Data\\"));
    EXPECT_EQ(platform.Probe(scratch + "h\\TimeData\\Data"), PathKind::Folder);
    EXPECT_TRUE(platform.CreateFolderPath(scratch + "h\\TimeData"));  // already there
    EXPECT_TRUE(platform.CreateFolderPath(scratch + "one\\two"));
    EXPECT_EQ(platform.Probe(scratch + "one\\two"), PathKind::Folder);
    Names names = List("h\\");
    EXPECT_EQ(names, Names{"TimeData\\"});  // kept as created

    Write("Data", "a file where a folder should be");
    EXPECT_FALSE(platform.CreateFolderPath(scratch + "Data\\"));
    EXPECT_FALSE(platform.CreateFolderPath(scratch + "Data\\below"));
    EXPECT_EQ(platform.Probe(scratch + "Data"), PathKind::File);
}

TEST_F(PlatformContract, ListFolderAdmitsEveryEntryAndTellsMissingApart) {
    Write("2024-01.txt", "a");
    Write("hidden.txt", "b");
    Write("system.txt", "c");
    Write("2024-01.csv", "d");
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "2024-02.txt"));
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "empty"));
    world->SetAttributes(scratch + "hidden.txt", Hidden);
    world->SetAttributes(scratch + "system.txt", System | Hidden);

    EXPECT_EQ(List(""), (Names{"2024-01.csv", "2024-01.txt", "2024-02.txt\\", "empty\\",
                                            "hidden.txt", "system.txt"}));
    EXPECT_EQ(List("", "?\?\?\?-?\?.txt"), (Names{"2024-01.txt", "2024-02.txt\\"}));
    EXPECT_EQ(List("", "*.TXT"), (Names{"2024-01.txt", "2024-02.txt\\", "hidden.txt", "system.txt"}));
    EXPECT_EQ(List("empty\\"), Names{});
    EXPECT_EQ(List("empty\\", "*.txt"), Names{});
    EXPECT_EQ(List("missing\\", "*.*", Access::Missing), Names{});
    EXPECT_EQ(List("2024-01.txt\\", "*.*", Access::Missing), Names{});
}

TEST_F(PlatformContract, CopyReplacesAnExistingTargetByteForByte) {
    const std::string binary("line 1\r\nline\0 2\rline 3\n\xE4\xFF", 25);
    Write("source.txt", binary);
    Write("target.txt", "older and longer contents that must not survive");
    EXPECT_TRUE(platform.CopyFileReplacing(scratch + "source.txt", scratch + "target.txt"));
    EXPECT_EQ(Read("target.txt"), binary);
    EXPECT_TRUE(platform.CopyFileReplacing(scratch + "source.txt", scratch + "new.txt"));
    EXPECT_EQ(Read("new.txt"), binary);
    EXPECT_EQ(Read("source.txt"), binary);

    EXPECT_FALSE(platform.CopyFileReplacing(scratch + "missing.txt", scratch + "other.txt"));
    EXPECT_EQ(platform.Probe(scratch + "other.txt"), PathKind::Missing);
    EXPECT_FALSE(platform.CopyFileReplacing(scratch + "source.txt", scratch + "no\\folder\\x.txt"));
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "folder"));
    EXPECT_FALSE(platform.CopyFileReplacing(scratch + "source.txt", scratch + "folder"));
}

TEST_F(PlatformContract, WholeReadFailsWhileAnotherProgramHoldsTheFileForWriting) {
    Write("2024-01.txt", "09:00;Client;Project\r\n");
    world->HoldOpenForWriting(scratch + "2024-01.txt");
    std::string contents = "stale";
    EXPECT_EQ(platform.ReadWholeFile(scratch + "2024-01.txt", contents), Access::Failed);
    EXPECT_EQ(contents, "");
    // Read as a copy reads its source, the file held by the other program can be read, and copied.
    EXPECT_EQ(platform.ReadSharingWrites(scratch + "2024-01.txt", contents), Access::Done);
    EXPECT_EQ(contents, "09:00;Client;Project\r\n");
    EXPECT_TRUE(platform.CopyFileReplacing(scratch + "2024-01.txt", scratch + "copy.txt"));
    unsigned long long bytes = 0;  // and sized so, without being read
    EXPECT_EQ(platform.FileSize(scratch + "2024-01.txt", bytes), Access::Done);
    EXPECT_EQ(bytes, 22u);
    world->ReleaseHold(scratch + "2024-01.txt");
    EXPECT_EQ(Read("2024-01.txt"), "09:00;Client;Project\r\n");

    EXPECT_EQ(platform.ReadWholeFile(scratch + "missing.txt", contents), Access::Missing);
    EXPECT_EQ(platform.ReadWholeFile(scratch + "missing\\orl.ini", contents), Access::Missing);
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "folder"));
    EXPECT_EQ(platform.ReadWholeFile(scratch + "folder", contents), Access::Failed);
    EXPECT_EQ(platform.ReadSharingWrites(scratch + "missing.txt", contents), Access::Missing);
    EXPECT_EQ(platform.ReadSharingWrites(scratch + "folder", contents), Access::Failed);
    EXPECT_EQ(platform.FileSize(scratch + "missing.txt", bytes), Access::Missing);
    EXPECT_EQ(platform.FileSize(scratch + "folder", bytes), Access::Failed);
    EXPECT_FALSE(platform.RefusesNewFiles(scratch + "folder"));  // a folder just made takes new files
}

TEST_F(PlatformContract, WholeWriteCreatesOrTruncates) {
    Write("orl.ini", "a long first version of the file\r\n");
    Write("orl.ini", "short");
    EXPECT_EQ(Read("orl.ini"), "short");
    Write("empty.ini", "");
    EXPECT_EQ(Read("empty.ini"), "");
    EXPECT_EQ(platform.Probe(scratch + "empty.ini"), PathKind::File);
    EXPECT_FALSE(platform.WriteWholeFile(scratch + "missing\\orl.ini", "x"));
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "folder"));
    EXPECT_FALSE(platform.WriteWholeFile(scratch + "folder", "x"));
}

TEST_F(PlatformContract, ReplaceFilePutsTheReplacementInPlaceKeepingAttributes) {
    Write("orl.ini", "old");
    Write("orl.ini.new", "new");
    world->SetAttributes(scratch + "orl.ini", Hidden);
    EXPECT_TRUE(platform.ReplaceFileWith(scratch + "orl.ini", scratch + "orl.ini.new"));
    EXPECT_EQ(Read("orl.ini"), "new");
    // Wine's ReplaceFile moves the replacement over the old file and so loses its attributes.
    if (!world->IsWine()) {
        EXPECT_EQ(world->Attributes(scratch + "orl.ini") & Hidden, Hidden);
    }
    EXPECT_EQ(platform.Probe(scratch + "orl.ini.new"), PathKind::Missing);

    Write("orl.ini.new", "newer");
    EXPECT_FALSE(platform.ReplaceFileWith(scratch + "absent.ini", scratch + "orl.ini.new"));
    EXPECT_FALSE(platform.ReplaceFileWith(scratch + "orl.ini", scratch + "absent.new"));
    EXPECT_EQ(Read("orl.ini"), "new");
}

TEST_F(PlatformContract, MoveReplacesAnExistingTargetAndDeleteRemoves) {
    Write("orl.ini", "old");
    Write("orl.tmp", "new");
    EXPECT_TRUE(platform.MoveFileReplacing(scratch + "orl.tmp", scratch + "orl.ini"));
    EXPECT_EQ(Read("orl.ini"), "new");
    EXPECT_EQ(platform.Probe(scratch + "orl.tmp"), PathKind::Missing);
    EXPECT_TRUE(platform.MoveFileReplacing(scratch + "orl.ini", scratch + "moved.ini"));
    EXPECT_EQ(Read("moved.ini"), "new");
    EXPECT_FALSE(platform.MoveFileReplacing(scratch + "orl.ini", scratch + "again.ini"));

    EXPECT_TRUE(platform.DeleteFileAt(scratch + "moved.ini"));
    EXPECT_EQ(platform.Probe(scratch + "moved.ini"), PathKind::Missing);
    EXPECT_FALSE(platform.DeleteFileAt(scratch + "moved.ini"));
    Write("held.ini", "x");
    world->HoldOpenForWriting(scratch + "held.ini");
    EXPECT_FALSE(platform.DeleteFileAt(scratch + "held.ini"));
    world->ReleaseHold(scratch + "held.ini");
    EXPECT_TRUE(platform.DeleteFileAt(scratch + "held.ini"));
}

TEST_F(PlatformContract, FullPathResolvesRelativePathsAndDotSteps) {
    ASSERT_TRUE(platform.CreateFolderPath(scratch + "work"));
    world->SetCurrentFolder(scratch + "work");
    const std::string work = scratch + "work\\";
    EXPECT_EQ(platform.FullPath("Data\\2024-01.txt"), work + "Data\\2024-01.txt");
    EXPECT_EQ(platform.FullPath(".\\a\\.\\b\\..\\c"), work + "a\\c");
    EXPECT_EQ(platform.FullPath("..\\other\\"), scratch + "other\\");
    EXPECT_EQ(platform.FullPath("."), scratch + "work");
    EXPECT_EQ(platform.FullPath(""), "");
    EXPECT_EQ(platform.FullPath(work + "x\\\\y"), work + "x\\y");
    EXPECT_EQ(platform.FullPath(work + "x/y/"), work + "x\\y\\");
    EXPECT_EQ(platform.FullPath(work + "name. ."), work + "name");
    EXPECT_EQ(platform.FullPath("C:\\TimeSheet\\..\\..\\.."), "C:\\");
    EXPECT_EQ(platform.FullPath("C:\\TimeSheet\\"), "C:\\TimeSheet\\");
    EXPECT_EQ(platform.FullPath("\\\\server\\share\\a\\..\\..\\.."), "\\\\server\\share\\");
    EXPECT_EQ(platform.FullPath("\\\\server\\share\\a\\.\\b"), "\\\\server\\share\\a\\b");
    const std::string drive = scratch.substr(0, 3);
    EXPECT_EQ(platform.FullPath("\\TimeSheet"), drive + "TimeSheet");
    for (const char* path : {"a\\..\\b", "x\\y.\\z\\", "\\\\server\\share", "C:\\a\\b..."}) {
        std::string full = platform.FullPath(path);
        EXPECT_EQ(platform.FullPath(full), full) << path;
    }
}

// Pairs the user's locale compares as equal without regard to case, and pairs it does not.
struct TextPair {
    const char* a;
    const char* b;
    bool equal;
};
const TextPair kTextPairs[] = {
    {"Redirect", "REDIRECT", true},
    {"\xC4rger", "\xE4RGER", true},  // Ärger, äRGER
    {"\xE9", "\xC9", true},          // é, É
    {"\x8A", "\x9A", true},          // Š, š
    {"\xDE", "\xFE", true},          // Þ, þ
    {"\xD8sterreich", "\xF8STERREICH", true},
    {"Stra\xDF" "e", "STRASSE", true},  // Windows sorts ß as "ss" and æ as "ae"
    {"\xC6gir", "aEGIR", true},
    {"co-op", "COOP", false},
    {"co-op", "co op", false},
    {"e", "\xE9", false},
    {"\xD7", "\xF7", false},  // ×, ÷ are not letters
    {"a b", "ab", false},
    {"2024-01", "2024-1", false},
    {"", "", true},
    {"", " ", false},
    {"Setup", "Setup ", false},
};

TEST_F(PlatformContract, CompareNoCaseFoldsTheLettersOfTheCodePage) {
    for (const TextPair& pair : kTextPairs) {
        EXPECT_EQ(platform.CompareNoCase(pair.a, pair.b) == 0, pair.equal) << pair.a << " / " << pair.b;
        EXPECT_EQ(platform.CompareNoCase(pair.b, pair.a) == 0, pair.equal) << pair.b << " / " << pair.a;
    }
    EXPECT_LT(platform.CompareNoCase("a", "b") * platform.CompareNoCase("b", "a"), 0);
}

TEST_F(PlatformContract, ComparisonKeysAreEqualExactlyWhenTheTextsCompareEqual) {
    // Texts of characters that the comparison may ignore, the empty one among them: whatever each
    // realisation's comparison answers, the keys must answer the same.
    std::vector<std::string> texts = {"", "\x01", "\xAD", "a\xAD" "b", "a\x01" "b"};
    // Keys longer than those of any usual line.
    texts.insert(texts.end(), {std::string(1200, 'a') + "b", std::string(1200, 'A') + "B",
                               std::string(1200, 'a') + "c"});
    for (const TextPair& pair : kTextPairs) {
        texts.push_back(pair.a);
        texts.push_back(pair.b);
    }
    for (const std::string& a : texts) {
        for (const std::string& b : texts) {
            bool sameKey = platform.ComparisonKey(a) == platform.ComparisonKey(b);
            EXPECT_EQ(sameKey, platform.CompareNoCase(a, b) == 0) << a << " / " << b;
        }
    }
}

TEST_F(PlatformContract, EnvironmentValueFitsOnlyBelow1024Characters) {
    world->SetEnvironment("ORL_CONTRACT", std::string(1023, 'x'));
    EXPECT_EQ(platform.EnvironmentValue("ORL_CONTRACT"), std::string(1023, 'x'));
    EXPECT_EQ(platform.EnvironmentValue("orl_contract"), std::string(1023, 'x'));
    world->SetEnvironment("ORL_CONTRACT", std::string(1024, 'x'));
    EXPECT_EQ(platform.EnvironmentValue("ORL_CONTRACT"), "");
    world->SetEnvironment("ORL_CONTRACT", "C:\\Users\\kim\\AppData\\Roaming");
    EXPECT_EQ(platform.EnvironmentValue("ORL_CONTRACT"), "C:\\Users\\kim\\AppData\\Roaming");
    EXPECT_EQ(platform.EnvironmentValue("ORL_CONTRACT_NOT_SET"), "");
}

TEST_F(PlatformContract, NowIsAValidLocalTime) {
    LocalTime now = platform.Now();
    EXPECT_GE(now.year, 2000);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12) << now.month;
    EXPECT_TRUE(now.day >= 1 && now.day <= 31) << now.day;
    EXPECT_TRUE(now.hour >= 0 && now.hour <= 23) << now.hour;
    EXPECT_TRUE(now.minute >= 0 && now.minute <= 59) << now.minute;
    EXPECT_TRUE(now.second >= 0 && now.second <= 59) << now.second;
    EXPECT_TRUE(now.millisecond >= 0 && now.millisecond <= 999) << now.millisecond;
}

}  // namespace
}  // namespace orl
