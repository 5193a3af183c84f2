// The base of the suites that run in any test world: its platform, a scratch folder and the
// shorthands those suites share.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/DiskLayout.h"
#include "tests/support/TestWorld.h"

namespace orl {

class WorldTest : public ::testing::Test {
protected:
    std::unique_ptr<TestWorld> world = MakeTestWorld();
    Platform& platform = world->platform();
    const std::string scratch = world->Scratch();

    // Writes a file, making its folders first.
    void WriteAt(const std::string& path, const std::string& contents) {
        ASSERT_TRUE(PutFile(platform, path, contents)) << path;
    }
    std::string ReadAt(const std::string& path) {
        std::string contents;
        EXPECT_EQ(platform.ReadWholeFile(path, contents), Access::Done) << path;
        return contents;
    }
    // The same below the scratch folder.
    void Write(const std::string& name, const std::string& contents) { WriteAt(scratch + name, contents); }
    std::string Read(const std::string& name) { return ReadAt(scratch + name); }
    PathKind Kind(const std::string& name) { return platform.Probe(scratch + name); }
    // The names in a folder below the scratch folder, sorted, sub-folders ending in a backslash.
    std::vector<std::string> List(const std::string& folder, const std::string& pattern = "*.*",
                                  Access expected = Access::Done) {
        std::vector<FolderEntry> entries;
        std::string base = scratch + folder;
        if (base.back() != '\\') base += '\\';
        EXPECT_EQ(platform.ListFolder(base, pattern, entries), expected) << folder;
        std::vector<std::string> names;
        for (const FolderEntry& entry : entries) names.push_back(entry.name + (entry.isFolder ? "\\" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
};

using Names = std::vector<std::string>;

}  // namespace orl
