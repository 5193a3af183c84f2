// Where a world-agnostic suite runs (the platform contract, the core on a disk): one realisation
// and a scratch folder, with the means to arrange what the platform itself does not do
// (attributes, another program's open file, the environment, the current folder). Each test
// build links exactly one world: the in-memory one, or the real disk under Wine.
#pragma once

#include <memory>
#include <string>

#include "platform/Platform.h"

namespace orl {

class TestWorld {
public:
    virtual ~TestWorld() = default;
    virtual Platform& platform() = 0;
    // An existing empty folder, as a full path ending in a backslash.
    virtual std::string Scratch() = 0;
    // The root of an extra drive ("S:\"), empty; emptied again when the world ends. On the real
    // disk the drive must be mapped before the tests start.
    virtual std::string Drive(char letter) = 0;
    virtual void SetAttributes(const std::string& path, unsigned attributes) = 0;
    virtual unsigned Attributes(const std::string& path) = 0;
    virtual void HoldOpenForWriting(const std::string& path) = 0;
    virtual void ReleaseHold(const std::string& path) = 0;
    virtual void SetEnvironment(const std::string& name, const std::string& value) = 0;
    virtual void SetCurrentFolder(const std::string& folder) = 0;
    // True on Wine, for the few places where Wine is known to differ from Windows.
    virtual bool IsWine() { return false; }
};

std::unique_ptr<TestWorld> MakeTestWorld();

}  // namespace orl
