// The contract's world on the real Win32 platform: a fresh folder under the temporary folder,
// removed again at the end, whatever attributes its files were given.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "tests/support/TestWorld.h"
#include "tests/support/Win32Folders.h"

namespace orl {

namespace {

// The end-to-end fixture marks the scratch folders that it maps as drives with this file. Only a
// marked drive is ever emptied: under Wine, Z: is the whole Linux file system.
const char kScratchDriveMarker[] = "orl-scratch-drive";

class Win32World final : public TestWorld {
public:
    Win32World() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        static int counter = 0;
        scratch_ = std::string(temp) + "orl-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                   std::to_string(++counter) + "\\";
        CreateDirectoryA(scratch_.c_str(), nullptr);
        GetCurrentDirectoryA(MAX_PATH, temp);
        startFolder_ = temp;
    }
    ~Win32World() override {
        for (auto& [path, handle] : held_) CloseHandle(handle);
        SetCurrentDirectoryA(startFolder_.c_str());
        RemoveFolder(scratch_);
        for (const std::string& root : drives_) EmptyFolder(root, kScratchDriveMarker);
    }
    Platform& platform() override { return win32_; }
    std::string Scratch() override { return scratch_; }
    std::string Drive(char letter) override {
        std::string root = std::string(1, letter) + ":\\";
        if (GetFileAttributesA((root + kScratchDriveMarker).c_str()) == INVALID_FILE_ATTRIBUTES) {
            std::fprintf(stderr, "%s is not a scratch drive of the end-to-end fixture\n", root.c_str());
            std::abort();
        }
        EmptyFolder(root, kScratchDriveMarker);
        drives_.push_back(root);
        return root;
    }
    void SetAttributes(const std::string& path, unsigned attributes) override {
        SetFileAttributesA(path.c_str(), attributes == 0 ? FILE_ATTRIBUTE_NORMAL : attributes);
    }
    unsigned Attributes(const std::string& path) override {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes == INVALID_FILE_ATTRIBUTES ? 0 : attributes & (ReadOnly | Hidden | System);
    }
    // Held the way a program that appends to the file holds it: others may read and write.
    void HoldOpenForWriting(const std::string& path) override {
        held_[path] = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    void ReleaseHold(const std::string& path) override {
        CloseHandle(held_[path]);
        held_.erase(path);
    }
    void SetEnvironment(const std::string& name, const std::string& value) override {
        SetEnvironmentVariableA(name.c_str(), value.c_str());
    }
    void SetCurrentFolder(const std::string& folder) override {
        SetCurrentDirectoryA(folder.c_str());
    }
    bool IsWine() override {
        return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    }

private:
    Win32Platform win32_;
    std::string scratch_;
    std::string startFolder_;
    std::map<std::string, HANDLE> held_;
    std::vector<std::string> drives_;
};

}  // namespace

std::unique_ptr<TestWorld> MakeTestWorld() { return std::make_unique<Win32World>(); }

}  // namespace orl
