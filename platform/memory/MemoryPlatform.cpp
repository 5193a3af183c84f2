#include "platform/memory/MemoryPlatform.h"

#include "platform/WindowsPath.h"
#include "platform/WindowsText.h"

namespace orl {

struct MemoryPlatform::Node {
    std::string name;  // as created
    bool isFolder = false;
    unsigned attributes = 0;
    std::string contents;
    bool flushed = true;  // what was written has reached the disk
    std::map<std::string, std::unique_ptr<Node>> children;  // by folded name, so listed sorted
};

MemoryPlatform::MemoryPlatform() { AddDrive('C'); }

MemoryPlatform::~MemoryPlatform() = default;

void MemoryPlatform::AddDrive(char letter) {
    std::string root(1, letter);
    root += ":\\";
    roots_[FoldName(root)] = NewFolder(root);
}

void MemoryPlatform::AddShare(const std::string& server, const std::string& share) {
    std::string root = "\\\\";
    root += server;
    root += '\\';
    root += share;
    roots_[FoldName(root)] = NewFolder(root);
}

bool MemoryPlatform::SetCurrentFolder(const std::string& folder) {
    Node* node = Find(folder);
    if (node == nullptr || !node->isFolder) return false;
    currentFolder_ = FullPath(folder);
    return true;
}

void MemoryPlatform::SetEnvironment(const std::string& name, const std::string& value) {
    environment_[FoldName(name)] = value;
}

MemoryPlatform::Node* MemoryPlatform::Find(const std::string& path) {
    std::string full = FullPath(path);
    if (full.empty()) return nullptr;
    PathParts parts = SplitFullPath(full);
    auto root = roots_.find(FoldName(parts.root));
    if (root == roots_.end()) return nullptr;
    Node* node = root->second.get();
    for (const std::string& name : parts.names) {
        if (!node->isFolder) return nullptr;
        auto child = node->children.find(FoldName(name));
        if (child == node->children.end()) return nullptr;
        node = child->second.get();
    }
    return node;
}

MemoryPlatform::Node* MemoryPlatform::FindParent(const std::string& path, std::string& name) {
    std::string full = FullPath(path);
    if (full.empty() || full.back() == '\\') return nullptr;
    size_t cut = full.find_last_of('\\');
    Node* parent = Find(full.substr(0, cut + 1));
    name = full.substr(cut + 1);
    if (parent == nullptr || !parent->isFolder || !IsValidName(name)) return nullptr;
    return parent;
}

// The folder in which a file may be created or overwritten at `path`, and the file's name (an
// existing file keeps its own). None when no file can be written there: the folder is missing, a
// folder stands in the way, or the file has one of the `refused` attributes or is held open.
MemoryPlatform::Node* MemoryPlatform::FolderToWriteIn(const std::string& path, std::string& name,
                                                      unsigned refused) {
    Node* parent = FindParent(path, name);
    if (parent == nullptr) return nullptr;
    auto existing = parent->children.find(FoldName(name));
    if (existing == parent->children.end()) return parent;
    const Node& file = *existing->second;
    if (file.isFolder || (file.attributes & refused) || faults_.Held(path)) return nullptr;
    name = file.name;
    return parent;
}

bool MemoryPlatform::Unreachable(const std::string& path) {
    const std::string full = FullPath(path);
    return !full.empty() && roots_.count(FoldName(SplitFullPath(full).root)) == 0;
}

PathKind MemoryPlatform::Probe(const std::string& path) {
    if (Faulted(OpProbe, path) || Unreachable(path)) return PathKind::Unknown;
    Node* node = Find(path);
    if (node == nullptr) return PathKind::Missing;
    return node->isFolder ? PathKind::Folder : PathKind::File;
}

bool MemoryPlatform::CreateFolderPath(const std::string& path) {
    if (Faulted(OpCreateFolder, path)) return false;
    std::string full = FullPath(path);
    if (full.empty()) return false;
    PathParts parts = SplitFullPath(full);
    auto root = roots_.find(FoldName(parts.root));
    if (root == roots_.end()) return false;
    Node* node = root->second.get();
    std::string walked = FoldName(parts.root);
    if (walked.back() == '\\') walked.pop_back();
    for (const std::string& name : parts.names) {
        walked += '\\';
        walked += FoldName(name);
        auto child = node->children.find(FoldName(name));
        if (child == node->children.end()) {
            if (faults_.RefusesFolder(walked) || !IsValidName(name)) return false;
            child = node->children.emplace(FoldName(name), NewFolder(name)).first;
        }
        node = child->second.get();
        if (!node->isFolder) return false;
    }
    return true;
}

Access MemoryPlatform::ListFolder(const std::string& folder, const std::string& pattern,
                                  std::vector<FolderEntry>& entries) {
    entries.clear();
    if (Faulted(OpList, folder)) return Access::Failed;
    // As FindFirstFile does: the pattern is appended to the text as it stands, and the search
    // runs in the folder before the last backslash of the whole.
    if (Unreachable(folder)) return Access::Failed;
    std::string search = FullPath(folder + pattern);
    size_t cut = search.find_last_of('\\');
    if (cut == std::string::npos) return Access::Missing;
    Node* node = Find(search.substr(0, cut + 1));
    if (node == nullptr || !node->isFolder) return Access::Missing;
    const std::string wildcard = search.substr(cut + 1);
    for (const auto& [key, child] : node->children) {
        if (MatchesWildcard(child->name, wildcard)) entries.push_back({child->name, child->isFolder});
    }
    return Access::Done;
}

void MemoryPlatform::PutFileNode(Node& parent, const std::string& name, const std::string& contents,
                                 unsigned attributes, bool flushed) {
    auto file = std::make_unique<Node>();
    file->name = name;
    file->attributes = attributes;
    file->contents = contents;
    file->flushed = flushed;
    parent.children[FoldName(name)] = std::move(file);
}

bool MemoryPlatform::CopyFileReplacing(const std::string& source, const std::string& target) {
    const bool faulted = Faulted(OpCopy, source, target);
    if (faulted && !faults_.Partway()) return false;
    Node* from = Find(source);
    if (from == nullptr || from->isFolder || from == Find(target) || faults_.Unreadable(source)) return false;
    std::string name;
    // Windows refuses to copy over a hidden file as it does over a read-only one.
    Node* parent = FolderToWriteIn(target, name, ReadOnly | Hidden);
    if (parent == nullptr) return false;
    // CopyFileA leaves what it wrote of the target when the disk fills up.
    const std::string& contents = from->contents;
    PutFileNode(*parent, name, faulted ? contents.substr(0, contents.size() / 2) : contents, from->attributes, false);
    return !faulted;
}

Access MemoryPlatform::ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    if (Faulted(OpRead, path) || Unreachable(path) || faults_.Unreadable(path)) return Access::Failed;
    Node* node = Find(path);
    if (node == nullptr) return Access::Missing;
    // Denying writing to others fails while another program has the file open for writing.
    if (node->isFolder || faults_.HeldForWriting(path)) return Access::Failed;
    contents = node->contents;
    return Access::Done;
}

Access MemoryPlatform::ReadSharingWrites(const std::string& path, std::string& contents) {
    contents.clear();
    if (Faulted(OpRead, path) || Unreachable(path) || faults_.Unreadable(path)) return Access::Failed;
    Node* node = Find(path);
    if (node == nullptr) return Access::Missing;
    if (node->isFolder) return Access::Failed;
    contents = node->contents;
    return Access::Done;
}

Access MemoryPlatform::FileSize(const std::string& path, unsigned long long& bytes) {
    bytes = 0;
    if (Faulted(OpRead, path) || Unreachable(path) || faults_.Unreadable(path)) return Access::Failed;
    Node* node = Find(path);
    if (node == nullptr) return Access::Missing;
    if (node->isFolder) return Access::Failed;
    bytes = node->contents.size();
    return Access::Done;
}

bool MemoryPlatform::RefusesNewFiles(const std::string& folder) { return faults_.RefusesNewFiles(folder); }

bool MemoryPlatform::WriteWholeFile(const std::string& path, const std::string& contents) {
    const bool faulted = Faulted(OpWrite, path);
    if (faulted && !faults_.Partway()) return false;
    std::string name;
    // CREATE_ALWAYS refuses to overwrite a hidden or system file as well as a read-only one.
    Node* parent = FolderToWriteIn(path, name, ReadOnly | Hidden | System);
    if (parent == nullptr) return false;
    if (faulted) {
        PutFileNode(*parent, name, contents.substr(0, contents.size() / 2), 0, false);
        return false;
    }
    PutFileNode(*parent, name, contents, 0, true);
    return true;
}

bool MemoryPlatform::FlushFile(const std::string& path) {
    if (Faulted(OpFlush, path)) return false;
    Node* node = Find(path);
    if (node == nullptr || node->isFolder) return false;
    node->flushed = true;
    return true;
}

unsigned MemoryPlatform::Attributes(const std::string& path) {
    if (Faulted(OpAttributes, path)) return 0;
    Node* node = Find(path);
    return node == nullptr ? 0 : node->attributes;
}

bool MemoryPlatform::SetAttributes(const std::string& path, unsigned attributes) {
    if (Faulted(OpAttributes, path)) return false;
    Node* node = Find(path);
    if (node == nullptr) return false;
    node->attributes = attributes;
    return true;
}

bool MemoryPlatform::ReplaceFileWith(const std::string& replaced, const std::string& replacement) {
    const bool faulted = Faulted(OpReplace, replaced, replacement);
    if (faulted && !faults_.Partway()) return false;  // ERROR_UNABLE_TO_REMOVE_REPLACED: nothing changed
    Node* target = Find(replaced);
    Node* source = Find(replacement);
    if (target == nullptr || source == nullptr || target->isFolder || source->isFolder ||
        target == source || (target->attributes & ReadOnly) || faults_.Held(replaced) || faults_.Held(replacement)) {
        return false;
    }
    std::string name;
    if (faulted) {  // ERROR_UNABLE_TO_MOVE_REPLACEMENT: the replaced file is gone
        FindParent(replaced, name)->children.erase(FoldName(name));
        return false;
    }
    if (!source->flushed) ++unflushedMoves_;
    target->contents = source->contents;
    target->flushed = source->flushed;
    FindParent(replacement, name)->children.erase(FoldName(name));
    return true;
}

bool MemoryPlatform::MoveFileReplacing(const std::string& source, const std::string& target) {
    if (Faulted(OpMove, source, target)) return false;
    std::string sourceName, existingName;
    Node* from = FindParent(source, sourceName);
    Node* to = FolderToWriteIn(target, existingName, ReadOnly);
    // A rename stays on its volume: MoveFileEx without MOVEFILE_COPY_ALLOWED does not copy.
    bool sameVolume = FoldName(SplitFullPath(FullPath(source)).root) ==
                      FoldName(SplitFullPath(FullPath(target)).root);
    if (from == nullptr || to == nullptr || faults_.Held(source) || !sameVolume) return false;
    auto moving = from->children.find(FoldName(sourceName));
    if (moving == from->children.end() || moving->second->isFolder) return false;
    std::unique_ptr<Node> node = std::move(moving->second);
    from->children.erase(moving);
    if (!node->flushed) ++unflushedMoves_;
    std::string full = FullPath(target);
    node->name = full.substr(full.find_last_of('\\') + 1);  // renamed as given
    to->children[FoldName(node->name)] = std::move(node);
    return true;
}

bool MemoryPlatform::DeleteFileAt(const std::string& path) {
    if (Faulted(OpDelete, path)) return false;
    std::string name;
    Node* parent = FindParent(path, name);
    if (parent == nullptr) return false;
    auto existing = parent->children.find(FoldName(name));
    if (existing == parent->children.end() || existing->second->isFolder ||
        (existing->second->attributes & ReadOnly) || faults_.Held(path)) {
        return false;
    }
    parent->children.erase(existing);
    return true;
}

bool MemoryPlatform::CanReplace(const std::string& path) {
    if (Faulted(OpProbe, path)) return false;
    Node* node = Find(path);
    return node != nullptr && !node->isFolder && !faults_.Held(path);
}

std::string MemoryPlatform::FullPath(const std::string& path) {
    return ExpandFullPath(path, currentFolder_);
}

int MemoryPlatform::CompareNoCase(const std::string& a, const std::string& b) {
    int order = CaseFoldedKey(a).compare(CaseFoldedKey(b));
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

std::string MemoryPlatform::ComparisonKey(const std::string& text) { return CaseFoldedKey(text); }

std::string MemoryPlatform::EnvironmentValue(const std::string& name) {
    auto found = environment_.find(FoldName(name));
    // Windows fills in nothing when the value does not fit the 1,024-character buffer.
    if (found == environment_.end() || found->second.size() >= 1024) return std::string();
    return found->second;
}

LockOutcome MemoryPlatform::TryLock(const std::string& name, std::string& reason) {
    if (!faults_.LockRefusal().empty()) {
        reason = faults_.LockRefusal();
        return LockOutcome::Failed;
    }
    return locks_.insert(name).second ? LockOutcome::Taken : LockOutcome::Held;
}

std::unique_ptr<MemoryPlatform::Node> MemoryPlatform::NewFolder(const std::string& name) {
    auto node = std::make_unique<Node>();
    node->name = name;
    node->isFolder = true;
    return node;
}

}  // namespace orl
