// The faults injected into the in-memory file system: operations failing by their count or by
// their path, files held open by other programs, a limit on the length of paths, folders that
// cannot be created and locks refused. The file system consults them before each operation.
#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace orl {

// The file-system operations, as a mask for the faults made on a path.
enum Operation : unsigned {
    OpProbe = 0x1,
    OpCreateFolder = 0x2,
    OpList = 0x4,
    OpCopy = 0x8,
    OpRead = 0x10,
    OpWrite = 0x20,
    OpReplace = 0x40,
    OpMove = 0x80,
    OpDelete = 0x100,
    OpFlush = 0x200,
    OpAttributes = 0x400,
    OpAll = 0x7FF,
};

class MemoryFaults {
public:
    // Relative paths are taken from `currentFolder`, the file system's own as it changes.
    explicit MemoryFaults(const std::string& currentFolder) : currentFolder_(currentFolder) {}

    int OperationCount() const { return operationCount_; }
    void ResetOperationCount() { operationCount_ = 0; }
    void FailOperation(int number, bool persistent, bool partway);
    void FailPath(const std::string& path, unsigned operations);
    void HoldOpenForWriting(const std::string& path) { held_.insert(FoldedFullPath(path)); }
    void HoldOpenForReading(const std::string& path) { readers_.insert(FoldedFullPath(path)); }
    void HoldDenyingReads(const std::string& path) { unreadable_.insert(FoldedFullPath(path)); }
    void HoldForAMoment(const std::string& path, int refusals) { moments_[FoldedFullPath(path)] = refusals; }
    void ReleaseHold(const std::string& path) { held_.erase(FoldedFullPath(path)); }
    void SetPathLimit(size_t limit) { pathLimit_ = limit; }
    void RefuseFolder(const std::string& path) { refused_.insert(FoldedFullPath(path)); }
    void RefuseLocks(const std::string& reason) { lockRefusal_ = reason; }
    void Clear();

    // Counts an operation on `path` (and `other`, for one on two paths): whether it fails.
    bool Faulted(unsigned operation, const std::string& path, const std::string& other);
    // The operation that just failed did part of its work first.
    bool Partway() const { return partway_; }
    // Another program keeps the file from being written, replaced, moved or deleted; each time a
    // file held for a moment is asked about counts as one refusal.
    bool Held(const std::string& path);
    bool HeldForWriting(const std::string& path) { return !held_.empty() && held_.count(FoldedFullPath(path)) > 0; }
    bool Unreadable(const std::string& path) { return !unreadable_.empty() && unreadable_.count(FoldedFullPath(path)) > 0; }
    bool RefusesNewFiles(const std::string& folder);
    // Creating the folder is refused; `folded` is its full path, letters folded.
    bool RefusesFolder(const std::string& folded) const { return refused_.count(folded) > 0; }
    // Why every lock is refused; empty when locks can be taken.
    const std::string& LockRefusal() const { return lockRefusal_; }

private:
    struct PathFault {
        std::string path;  // full, letters folded
        unsigned operations;
    };

    std::string FullPath(const std::string& path) const;
    std::string FoldedFullPath(const std::string& path) const;

    const std::string& currentFolder_;
    int operationCount_ = 0;
    int failingOperation_ = 0;
    bool failingPersistently_ = false;
    bool failingPartway_ = false;
    bool partway_ = false;  // the operation that just failed did part of its work
    std::string lockRefusal_;
    std::vector<PathFault> pathFaults_;
    std::set<std::string> held_;     // folded full paths
    std::set<std::string> readers_;  // folded full paths
    std::set<std::string> unreadable_;    // folded full paths
    std::map<std::string, int> moments_;  // folded full paths, refusals still to come
    size_t pathLimit_ = 0;           // none
    std::set<std::string> refused_;  // folded full paths
};

}  // namespace orl
