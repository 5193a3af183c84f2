// Which location holds more time data, on a disk of the test world; and the name rules.
#include "core/DataSetComparison.h"
#include "core/Integers.h"
#include "core/Text.h"
#include "tests/support/WorldTest.h"
#include "tests/support/RaisedText.h"

namespace orl {
namespace {

TEST(Integers, TheWholeTextMustBeAnIntegerOf32Bits) {
    for (const char* text : {"0", "2", "  2", "+7", "-7", "2147483647", "-2147483648", "$7FFFFFFF", "$FFFFFFFF",
                             "0x1f", "0X1F", "x10", "X10", "$0", " $a", "0001", "$000000001"}) {
        EXPECT_TRUE(IsInteger(text)) << text;
    }
    for (const char* text : {"", "   ", "2 ", "\t2", "2147483648", "-2147483649", "$100000000", "+$10", "-0x1",
                             "0x", "$", "+", "1e3", "12a", "0x1g", "--1", "1-"}) {
        EXPECT_FALSE(IsInteger(text)) << text;
    }
    EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
    EXPECT_EQ(ParseInteger("  0x10"), 16);
}

TEST(PeriodFileNames, ElevenCharactersTwoIntegersAndTxt) {
    for (const char* name : {"2024-01.txt", "H:\\TimeData\\Data\\2024-12.TXT", "D:2024-01.Txt", " 123-+1.txt",
                             "$7E8-01.txt", "0x7E-01.txt", "2024- 1.txt"}) {
        EXPECT_TRUE(IsPeriodFileName(name)) << name;
    }
    for (const char* name : {"2024-1.txt", "2024_01.txt", "2024-01.csv", "2024-01.txt.bak", "abcd-01.txt",
                             "2024-0a.txt", "2024-01.txt\\", "ClientProject.txt", "2024-01txt.", "2024-1 .txt"}) {
        EXPECT_FALSE(IsPeriodFileName(name)) << name;
    }
}

class DataSetComparisonTest : public WorldTest {
protected:
    const std::string first = scratch + "First";
    const std::string second = scratch + "Second\\";
    int Compare() { return CompareDataSets(platform, {first, second}); }
    void Period(const std::string& location, const std::string& name, const std::string& text) {
        WriteAt(AddBackslashTo(location) + "Data\\" + name, text);
    }
    static std::string AddBackslashTo(const std::string& folder) {
        return folder.back() == '\\' ? folder : folder + "\\";
    }
};

TEST_F(DataSetComparisonTest, SameLinesInAnyOrderAndCaseAreNeitherMore) {
    EXPECT_EQ(Compare(), 0);  // no data folders at all
    Period(first, "2024-01.txt", "09:00;Stra\xDF" "e\r\n10:00;\xC4rger\r\n10:00;\xC4rger\r\n");
    Period(second, "2024-01.txt", "10:00;\xE4RGER\n09:00;STRASSE\n10:00;\xC4rger");
    Period(first, "2024-02.TXT", "a\r\n\r\nb\r\n");
    Period(second, "2024-02.txt", "B\r\rA\r");  // names differing in case pair up
    EXPECT_EQ(Compare(), 0);
    EXPECT_EQ(CompareDataSets(platform, {first, first}), 0);
}

TEST_F(DataSetComparisonTest, TheLocationWithLinesTheOtherLacksHoldsMore) {
    Period(first, "2024-01.txt", "a\r\nb\r\n");
    Period(second, "2024-01.txt", "a\r\nb\r\n");
    Period(first, "2024-02.txt", "");  // only the first has it, but it holds no line
    EXPECT_EQ(Compare(), 0);
    Period(first, "2024-03.txt", "c\r\n");
    EXPECT_EQ(Compare(), 1);
    ASSERT_TRUE(platform.DeleteFileAt(first + "\\Data\\2024-03.txt"));
    Period(second, "2024-04.txt", "d");
    EXPECT_EQ(Compare(), 2);
    Period(first, "2024-01.txt", "a\r\nb\r\nx\r\n");
    EXPECT_EQ(Compare(), -1);
    ASSERT_TRUE(platform.DeleteFileAt(second + "Data\\2024-04.txt"));
    EXPECT_EQ(Compare(), 1);
    Period(first, "2024-01.txt", "a\r\nb\r\nb\r\n");  // a line twice against once
    EXPECT_EQ(Compare(), 1);
}

TEST_F(DataSetComparisonTest, OnlyPeriodFilesDirectlyInTheDataFolderTakePart) {
    Period(first, "2024-01.txt", "a\r\n");
    Period(second, "2024-01.txt", "a\r\n");
    for (const char* name : {"2024-1.txt", "2024_01.txt", "2024-01.csv", "2024-01.txt.bak", "Archive\\2024-01.txt",
                             "ClientProject.txt"}) {
        Period(first, name, "only here\r\n");
    }
    ASSERT_TRUE(platform.CreateFolderPath(first + "\\Data\\2024-05.txt"));
    EXPECT_EQ(Compare(), 0);
    Period(second, "2024-01.txt", "a");  // no final line end: the same single line
    EXPECT_EQ(Compare(), 0);
}

TEST_F(DataSetComparisonTest, APeriodFileHeldForWritingStopsTheComparison) {
    Period(first, "2024-01.txt", "a\r\n");
    Period(second, "2024-01.txt", "a\r\n");
    Period(second, "2024-02.txt", "b\r\n");
    world->HoldOpenForWriting(second + "Data\\2024-02.txt");
    // One folder, or more than two, read nothing.
    EXPECT_EQ(CompareDataSets(platform, {second}), 0);
    EXPECT_EQ(CompareDataSets(platform, {first, second, second}), -1);
    EXPECT_EQ(RaisedText([&] { Compare(); }), "Cannot open file " + LowerAZ(second + "Data\\2024-02.txt"));
    world->ReleaseHold(second + "Data\\2024-02.txt");
    EXPECT_EQ(Compare(), 2);
}

}  // namespace
}  // namespace orl
