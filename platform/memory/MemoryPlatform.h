// An in-memory Windows-like file system for tests and benchmarks: drive roots and network
// shares, names matched without regard to case but kept as created, attributes, a current
// folder, a settable clock and environment, and faults injected on demand.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/memory/MemoryFaults.h"

namespace orl {

class MemoryPlatform final : public Platform {
public:
    // Starts with the drive C: and the current folder C:\.
    MemoryPlatform();
    ~MemoryPlatform() override;

    void AddDrive(char letter);
    void AddShare(const std::string& server, const std::string& share);
    // Like SetCurrentDirectory: false, and nothing changed, unless the folder exists.
    bool SetCurrentFolder(const std::string& folder);
    void SetClock(const LocalTime& now) { clock_ = now; }
    void SetEnvironment(const std::string& name, const std::string& value);
    void SetRunnerIdentity(const std::string& identity) { runner_ = identity; }

    // Faults. Operations are counted from 1 over the file-system calls only (Probe to DeleteFileAt).
    int OperationCount() const { return faults_.OperationCount(); }
    void ResetOperationCount() { faults_.ResetOperationCount(); }
    // Operation `number`, counted from now, fails; with `persistent`, every operation after it too.
    // With `partway`, a failing operation does part of its work first, as on a real disk: a copy
    // or write leaves its target cut (a full disk), a replace takes the replaced file away and
    // leaves the replacement under its own name (ERROR_UNABLE_TO_MOVE_REPLACEMENT).
    void FailOperation(int number, bool persistent, bool partway = false) {
        faults_.FailOperation(number, persistent, partway);
    }
    // Operations of the kinds in `operations` fail on `path` and on everything below it. Where they
    // include both writing and copying, the folder refuses new files, as a read-only share does.
    void FailPath(const std::string& path, unsigned operations = OpAll) { faults_.FailPath(path, operations); }
    // The share or drive cannot be reached: it may hold anything, but nothing can be seen or done.
    void TakeOffline(const std::string& root) { FailPath(root, OpAll); }
    // Another program holds the file open for writing (sharing reading and writing).
    void HoldOpenForWriting(const std::string& path) { faults_.HoldOpenForWriting(path); }
    // Another program (a virus scanner, an indexer) holds the file open for reading, sharing
    // reading only: it can be read, not written, replaced or deleted.
    void HoldOpenForReading(const std::string& path) { faults_.HoldOpenForReading(path); }
    // A sync client holds the file open for writing, sharing writing and deleting but not
    // reading: it cannot be read or copied, but can be replaced or deleted.
    void HoldDenyingReads(const std::string& path) { faults_.HoldDenyingReads(path); }
    // Another run holds the file for a moment, as one does that has just put the same file on a
    // server: the next `refusals` operations that would replace, move or delete it are refused,
    // then it lets go.
    void HoldForAMoment(const std::string& path, int refusals) { faults_.HoldForAMoment(path, refusals); }
    // Full paths of this many characters or more cannot be used, as with the ANSI calls.
    void SetPathLimit(size_t limit) { faults_.SetPathLimit(limit); }
    void ReleaseHold(const std::string& path) { faults_.ReleaseHold(path); }
    // Creating this folder fails, and so does creating anything below it.
    void RefuseFolder(const std::string& path) { faults_.RefuseFolder(path); }
    void ClearFaults() { faults_.Clear(); }
    // Another run holds the lock of that name.
    void HoldLock(const std::string& name) { locks_.insert(name); }
    // Every lock is refused for this reason, as the system refuses a name taken by another kind
    // of object.
    void RefuseLocks(const std::string& reason) { faults_.RefuseLocks(reason); }
    // Files moved or put in place by a replace before what was written into them was flushed:
    // after a power cut they could come back empty.
    int UnflushedMoves() const { return unflushedMoves_; }

    PathKind Probe(const std::string& path) override;
    bool CreateFolderPath(const std::string& path) override;
    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override;
    bool CopyFileReplacing(const std::string& source, const std::string& target) override;
    Access ReadWholeFile(const std::string& path, std::string& contents) override;
    Access ReadSharingWrites(const std::string& path, std::string& contents) override;
    Access FileSize(const std::string& path, unsigned long long& bytes) override;
    bool RefusesNewFiles(const std::string& folder) override;
    bool WriteWholeFile(const std::string& path, const std::string& contents) override;
    bool FlushFile(const std::string& path) override;
    // Attributes of a file or folder; setting them fails when the path does not exist.
    unsigned Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, unsigned attributes) override;
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override;
    bool MoveFileReplacing(const std::string& source, const std::string& target) override;
    bool DeleteFileAt(const std::string& path) override;
    bool CanReplace(const std::string& path) override;
    void Announce(CopyStep, const std::string&, const std::string&) override {}
    std::string FullPath(const std::string& path) override;
    int CompareNoCase(const std::string& a, const std::string& b) override;
    std::string ComparisonKey(const std::string& text) override;
    LocalTime Now() override { return clock_; }
    void Pause(int) override {}
    std::string EnvironmentValue(const std::string& name) override;
    std::string RunnerIdentity() override { return runner_; }
    LockOutcome TryLock(const std::string& name, std::string& reason) override;
    void Unlock(const std::string& name) override { locks_.erase(name); }

private:
    struct Node;

    static std::unique_ptr<Node> NewFolder(const std::string& name);
    bool Faulted(unsigned operation, const std::string& path) { return faults_.Faulted(operation, path, path); }
    bool Faulted(unsigned operation, const std::string& path, const std::string& other) {
        return faults_.Faulted(operation, path, other);
    }
    Node* Find(const std::string& path);
    void PutFileNode(Node& parent, const std::string& name, const std::string& contents, unsigned attributes,
                     bool flushed);
    Node* FindParent(const std::string& path, std::string& name);
    Node* FolderToWriteIn(const std::string& path, std::string& name, unsigned refused);
    // A drive or share that is not there: like an unmapped network drive, out of reach.
    bool Unreachable(const std::string& path);

    std::map<std::string, std::unique_ptr<Node>> roots_;  // by folded root text
    std::string currentFolder_ = "C:\\";
    LocalTime clock_{2026, 3, 7, 14, 5, 9, 42};
    std::map<std::string, std::string> environment_;  // by folded name
    int unflushedMoves_ = 0;
    std::string runner_ = "WORKSTATION\\kim";
    std::set<std::string> locks_;
    MemoryFaults faults_{currentFolder_};  // declared after the current folder, which it reads
};

}  // namespace orl
