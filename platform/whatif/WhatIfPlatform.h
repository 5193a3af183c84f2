// A platform that reads through to another one and keeps every change of its own in memory: a
// folder created, a file copied, written, replaced or deleted is seen by later operations as if
// it had happened, and nothing reaches the platform below. It records each change in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/ForwardingPlatform.h"

namespace orl {

struct Change {
    enum Kind { FolderCreated, FileCopied, FileWritten, FileDeleted, StepAnnounced };
    Kind kind = FileWritten;
    std::string path;            // full path; a folder's without its trailing backslash; a step's target folder
    std::string source;          // the file copied from; a step's source folder
    CopyStep step = CopyStep::CopyingData;  // the step announced
    bool existedBefore = false;  // the file existed before this change
    size_t bytes = 0;            // a copied file's size
    std::string before, after;   // a file's contents before and after a write
};

class WhatIfPlatform final : public ForwardingPlatform {
public:
    explicit WhatIfPlatform(Platform& below) : ForwardingPlatform(below) {}

    // Every change in the order made.
    const std::vector<Change>& Changes() const { return changes_; }

    PathKind Probe(const std::string& path) override;
    bool CreateFolderPath(const std::string& path) override;
    Access ListFolder(const std::string& folder, const std::string& pattern,
                      std::vector<FolderEntry>& entries) override;
    bool CopyFileReplacing(const std::string& source, const std::string& target) override;
    Access ReadWholeFile(const std::string& path, std::string& contents) override;
    Access ReadSharingWrites(const std::string& path, std::string& contents) override;
    bool WriteWholeFile(const std::string& path, const std::string& contents) override;
    bool FlushFile(const std::string& path) override;
    unsigned Attributes(const std::string& path) override;
    bool SetAttributes(const std::string& path, unsigned attributes) override;
    bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) override;
    bool MoveFileReplacing(const std::string& source, const std::string& target) override;
    bool DeleteFileAt(const std::string& path) override;
    bool CanReplace(const std::string& path) override;
    void Announce(CopyStep step, const std::string& from, const std::string& to) override;
    // Attempts that are only imagined need no wait between them.
    void Pause(int) override {}

private:
    // What this run made of a path: a folder, a file with its contents, or nothing (deleted).
    struct Entry {
        PathKind kind;
        std::string path;
        std::string contents;
        std::string copiedFrom;  // the file it is a copy of, when this run copied it
        unsigned attributes = 0;
    };

    // A path's full form without a trailing backslash (but a drive root's), its key: the same
    // for every spelling that names the same file, and its folder in the same form.
    static std::string WithoutTrailingSlash(std::string path);
    std::string Full(const std::string& path);
    static std::string Key(const std::string& fullPath);
    static std::string Parent(const std::string& fullPath);
    PathKind KindOf(const std::string& fullPath);
    // The file's contents as this run has left them; `sharingWrites` as ReadSharingWrites reads.
    Access Contents(const std::string& fullPath, std::string& contents, bool sharingWrites = false);
    // A file may be put at the path: its folder exists and no folder is in the way.
    bool CanPutFile(const std::string& fullPath);
    static Change ChangeOf(Change::Kind kind, const std::string& fullPath, bool existedBefore);
    void PutFile(const std::string& fullPath, const std::string& contents, Change::Kind kind,
                 const std::string& source = std::string(), unsigned attributes = 0);
    void Remove(const std::string& fullPath);

    std::map<std::string, Entry> entries_;
    std::vector<Change> changes_;
};

}  // namespace orl
