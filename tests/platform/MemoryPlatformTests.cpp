// What the in-memory platform adds for tests: roots, faults and Windows rules that the real
// disk under Wine cannot show (read-only as root, a missing share, a refused folder).
#include <gtest/gtest.h>

#include "platform/memory/MemoryPlatform.h"

namespace orl {
namespace {

std::vector<std::string> Names(MemoryPlatform& memory, const std::string& folder) {
    std::vector<FolderEntry> entries;
    memory.ListFolder(folder, "*.*", entries);
    std::vector<std::string> names;
    for (const FolderEntry& entry : entries) names.push_back(entry.name);
    return names;
}

TEST(MemoryPlatform, DrivesAndSharesAreSeparateRoots) {
    MemoryPlatform memory;
    EXPECT_FALSE(memory.CreateFolderPath("S:\\Workgroup"));
    EXPECT_FALSE(memory.CreateFolderPath("\\\\FILESRV\\Teams\\Workgroup"));
    memory.AddDrive('S');
    memory.AddShare("FILESRV", "Teams");
    EXPECT_TRUE(memory.CreateFolderPath("s:\\workgroup\\Data"));
    EXPECT_TRUE(memory.CreateFolderPath("\\\\filesrv\\teams\\Workgroup\\Data\\"));
    EXPECT_EQ(memory.Probe("S:\\WORKGROUP\\data"), PathKind::Folder);
    EXPECT_EQ(memory.Probe("\\\\FILESRV\\Teams\\workgroup\\DATA"), PathKind::Folder);
    EXPECT_EQ(memory.Probe("C:\\workgroup"), PathKind::Missing);
    EXPECT_EQ(Names(memory, "S:\\"), std::vector<std::string>{"workgroup"});

    // A drive-relative path on another drive starts at that drive's root.
    EXPECT_FALSE(memory.SetCurrentFolder("C:\\TimeSheet"));
    ASSERT_TRUE(memory.CreateFolderPath("C:\\TimeSheet"));
    ASSERT_TRUE(memory.SetCurrentFolder("C:\\TimeSheet"));
    EXPECT_EQ(memory.FullPath("S:Workgroup"), "S:\\Workgroup");
    EXPECT_EQ(memory.FullPath("c:Data"), "C:\\TimeSheet\\Data");
    ASSERT_TRUE(memory.SetCurrentFolder("\\\\FILESRV\\Teams\\Workgroup"));
    EXPECT_EQ(memory.FullPath("..\\..\\..\\x"), "\\\\FILESRV\\Teams\\x");
    EXPECT_EQ(memory.FullPath("\\x"), "\\\\FILESRV\\Teams\\x");
}

TEST(MemoryPlatform, NamesKeepTheirCaseButMatchWithoutIt) {
    MemoryPlatform memory;
    ASSERT_TRUE(memory.CreateFolderPath("C:\\\xC4rger\\Data"));  // Ärger
    ASSERT_TRUE(memory.WriteWholeFile("C:\\\xE4RGER\\data\\ClientProject.txt", "a"));
    ASSERT_TRUE(memory.WriteWholeFile("C:\\\xE4rger\\DATA\\CLIENTPROJECT.TXT", "b"));
    EXPECT_EQ(Names(memory, "C:\\"), std::vector<std::string>{"\xC4rger"});
    EXPECT_EQ(Names(memory, "C:\\\xC4rger\\Data\\"), std::vector<std::string>{"ClientProject.txt"});
    std::string contents;
    EXPECT_EQ(memory.ReadWholeFile("c:\\\xE4rger\\data\\clientproject.txt", contents), Access::Done);
    EXPECT_EQ(contents, "b");
    // A rename takes the name as given.
    ASSERT_TRUE(memory.MoveFileReplacing("C:\\\xC4rger\\Data\\ClientProject.txt",
                                         "C:\\\xC4rger\\Data\\clientproject.txt"));
    EXPECT_EQ(Names(memory, "C:\\\xC4rger\\Data\\"), std::vector<std::string>{"clientproject.txt"});
    EXPECT_FALSE(memory.WriteWholeFile("C:\\bad|name.txt", "x"));
    EXPECT_FALSE(memory.CreateFolderPath("C:\\what?"));
}

TEST(MemoryPlatform, ReadOnlyAndHiddenFilesRefuseWhatWindowsRefuses) {
    MemoryPlatform memory;
    ASSERT_TRUE(memory.WriteWholeFile("C:\\source.txt", "new"));
    for (const char* name : {"C:\\readonly.txt", "C:\\hidden.txt", "C:\\system.txt"}) {
        ASSERT_TRUE(memory.WriteWholeFile(name, "old"));
    }
    memory.SetAttributes("C:\\readonly.txt", ReadOnly);
    memory.SetAttributes("C:\\hidden.txt", Hidden);
    memory.SetAttributes("C:\\system.txt", System);

    EXPECT_FALSE(memory.CopyFileReplacing("C:\\source.txt", "C:\\readonly.txt"));
    EXPECT_FALSE(memory.CopyFileReplacing("C:\\source.txt", "C:\\hidden.txt"));
    EXPECT_FALSE(memory.WriteWholeFile("C:\\readonly.txt", "x"));
    EXPECT_FALSE(memory.WriteWholeFile("C:\\hidden.txt", "x"));
    EXPECT_FALSE(memory.WriteWholeFile("C:\\system.txt", "x"));
    EXPECT_FALSE(memory.DeleteFileAt("C:\\readonly.txt"));
    EXPECT_FALSE(memory.MoveFileReplacing("C:\\source.txt", "C:\\readonly.txt"));
    EXPECT_FALSE(memory.ReplaceFileWith("C:\\readonly.txt", "C:\\source.txt"));
    // ReplaceFile is the way to update a hidden file in place, and it stays hidden.
    EXPECT_TRUE(memory.ReplaceFileWith("C:\\hidden.txt", "C:\\source.txt"));
    EXPECT_EQ(memory.Attributes("C:\\hidden.txt"), static_cast<unsigned>(Hidden));
    std::string contents;
    memory.ReadWholeFile("C:\\readonly.txt", contents);
    EXPECT_EQ(contents, "old");
}

TEST(MemoryPlatform, AFileHeldByAnotherProgramCanBeCopiedButNotReplaced) {
    MemoryPlatform memory;
    ASSERT_TRUE(memory.WriteWholeFile("C:\\2024-01.txt", "line"));
    ASSERT_TRUE(memory.WriteWholeFile("C:\\other.txt", "other"));
    memory.HoldOpenForWriting("c:\\2024-01.TXT");
    EXPECT_TRUE(memory.CopyFileReplacing("C:\\2024-01.txt", "C:\\copy.txt"));
    EXPECT_FALSE(memory.CopyFileReplacing("C:\\other.txt", "C:\\2024-01.txt"));
    EXPECT_FALSE(memory.WriteWholeFile("C:\\2024-01.txt", "x"));
    EXPECT_FALSE(memory.MoveFileReplacing("C:\\other.txt", "C:\\2024-01.txt"));
    std::string contents;
    EXPECT_EQ(memory.ReadWholeFile("C:\\2024-01.txt", contents), Access::Failed);
    memory.ReleaseHold("C:\\2024-01.txt");
    EXPECT_EQ(memory.ReadWholeFile("C:\\2024-01.txt", contents), Access::Done);
    EXPECT_EQ(contents, "line");
}

TEST(MemoryPlatform, OperationNFailsOnceOrFromThenOn) {
    MemoryPlatform memory;
    ASSERT_TRUE(memory.WriteWholeFile("C:\\a.txt", "a"));
    memory.FailOperation(2, false);
    EXPECT_EQ(memory.Probe("C:\\a.txt"), PathKind::File);
    EXPECT_EQ(memory.Probe("C:\\a.txt"), PathKind::Unknown);  // operation 2
    EXPECT_EQ(memory.Probe("C:\\a.txt"), PathKind::File);
    EXPECT_EQ(memory.OperationCount(), 3);

    memory.FailOperation(2, true);
    std::string contents;
    EXPECT_EQ(memory.ReadWholeFile("C:\\a.txt", contents), Access::Done);
    EXPECT_EQ(memory.ReadWholeFile("C:\\a.txt", contents), Access::Failed);
    EXPECT_FALSE(memory.CopyFileReplacing("C:\\a.txt", "C:\\b.txt"));
    std::vector<FolderEntry> entries;
    EXPECT_EQ(memory.ListFolder("C:\\", "*.*", entries), Access::Failed);
    EXPECT_FALSE(memory.CreateFolderPath("C:\\x"));
    memory.ClearFaults();
    EXPECT_TRUE(memory.CreateFolderPath("C:\\x"));
    EXPECT_EQ(memory.Probe("C:\\b.txt"), PathKind::Missing);
}

TEST(MemoryPlatform, PathFaultsReachEverythingBelowThePath) {
    MemoryPlatform memory;
    ASSERT_TRUE(memory.CreateFolderPath("C:\\Share\\Data\\Deep"));
    ASSERT_TRUE(memory.WriteWholeFile("C:\\Share\\Data\\2024-01.txt", "x"));
    ASSERT_TRUE(memory.WriteWholeFile("C:\\Shared.txt", "y"));
    memory.FailPath("c:\\share\\", OpList | OpRead);

    std::vector<FolderEntry> entries;
    EXPECT_EQ(memory.Probe("C:\\Share\\Data"), PathKind::Folder);  // still there
    EXPECT_EQ(memory.ListFolder("C:\\Share\\Data\\", "*.*", entries), Access::Failed);
    EXPECT_EQ(memory.ListFolder("C:\\Share\\", "*.*", entries), Access::Failed);
    EXPECT_EQ(memory.ListFolder("C:\\", "*.*", entries), Access::Done);
    std::string contents;
    EXPECT_EQ(memory.ReadWholeFile("C:\\Share\\Data\\2024-01.txt", contents), Access::Failed);
    EXPECT_EQ(memory.ReadWholeFile("C:\\Shared.txt", contents), Access::Done);  // not below it
    EXPECT_TRUE(memory.CopyFileReplacing("C:\\Share\\Data\\2024-01.txt", "C:\\copy.txt"));

    memory.RefuseFolder("C:\\H\\TimeData");
    EXPECT_FALSE(memory.CreateFolderPath("C:\\H\\TimeData\\Data"));
    EXPECT_EQ(memory.Probe("C:\\H"), PathKind::Folder);  // the parent was made first
    EXPECT_EQ(memory.Probe("C:\\H\\TimeData"), PathKind::Missing);
}

TEST(MemoryPlatform, ClockAndEnvironmentAreSettable) {
    MemoryPlatform memory;
    memory.SetClock({2025, 11, 30, 9, 0, 0, 7});
    EXPECT_EQ(memory.Now().year, 2025);
    EXPECT_EQ(memory.Now().millisecond, 7);
    memory.SetEnvironment("APPDATA", "C:\\Users\\kim\\AppData\\Roaming");
    EXPECT_EQ(memory.EnvironmentValue("AppData"), "C:\\Users\\kim\\AppData\\Roaming");
}

}  // namespace
}  // namespace orl
