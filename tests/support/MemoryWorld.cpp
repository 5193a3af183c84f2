// The contract's world on the in-memory platform.
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/TestWorld.h"

namespace orl {

namespace {

class MemoryWorld final : public TestWorld {
public:
    MemoryWorld() { memory_.CreateFolderPath(Scratch()); }
    Platform& platform() override { return memory_; }
    std::string Scratch() override { return "C:\\Scratch\\"; }
    std::string Drive(char letter) override {
        std::string root = std::string(1, letter) + ":\\";
        if (memory_.Probe(root) != PathKind::Folder) memory_.AddDrive(letter);  // a drive not there is out of reach
        return root;
    }
    void SetAttributes(const std::string& path, unsigned attributes) override {
        memory_.SetAttributes(path, attributes);
    }
    unsigned Attributes(const std::string& path) override { return memory_.Attributes(path); }
    void HoldOpenForWriting(const std::string& path) override { memory_.HoldOpenForWriting(path); }
    void ReleaseHold(const std::string& path) override { memory_.ReleaseHold(path); }
    void SetEnvironment(const std::string& name, const std::string& value) override {
        memory_.SetEnvironment(name, value);
    }
    void SetCurrentFolder(const std::string& folder) override { memory_.SetCurrentFolder(folder); }

private:
    MemoryPlatform memory_;
};

}  // namespace

std::unique_ptr<TestWorld> MakeTestWorld() { return std::make_unique<MemoryWorld>(); }

}  // namespace orl
