// A platform that reads through to another one and keeps every change of its own in memory: a
// folder created, a file copied, written, replaced or deleted is seen by later operations as if
// it had happened, and nothing reaches the platform below. It records each change in order. A copy
// of a file that lies below is a size and the file it refers to, never its bytes: reads of the
// copy read that file.
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
    unsigned long long bytes = 0;  // a copied file's size
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
    Access FileSize(const std::string& path, unsigned long long& bytes) override;
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
    // What this run made of a path: a folder, a file, or nothing (deleted). A file holds what
    // this run wrote, or refers to the file below whose copy it is.
    struct Entry {
        PathKind kind = PathKind::File;
        std::string path;
        std::string contents;
        std::string below;  // the file below that holds its contents, for a copy of one
        unsigned long long bytes = 0;
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
    // The file as a copy takes it, without its bytes where it lies below: opened as the copy
    // opens it, sized, and referred to.
    Access CopyOf(const std::string& fullPath, Entry& copy);
    // A file may be put at the path: its folder exists and takes new files, no folder is in the way.
    bool CanPutFile(const std::string& fullPath);
    static Entry Made(PathKind kind, const std::string& fullPath, const std::string& text = std::string());
    static Change ChangeOf(Change::Kind kind, const std::string& fullPath, bool existedBefore);
    void PutFile(const std::string& fullPath, Entry file, Change::Kind kind);
    void Remove(const std::string& fullPath);

    std::map<std::string, Entry> entries_;
    std::map<std::string, bool> refusing_;  // folders below, by key: whether they refuse new files
    std::vector<Change> changes_;
};

}  // namespace orl
