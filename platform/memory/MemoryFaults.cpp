#include "platform/memory/MemoryFaults.h"

#include "platform/WindowsPath.h"
#include "platform/WindowsText.h"

namespace orl {

namespace {

bool IsBelowOrSame(const std::string& path, const std::string& ancestor) {
    return path == ancestor ||
           (path.size() > ancestor.size() && path.compare(0, ancestor.size(), ancestor) == 0 &&
            path[ancestor.size()] == '\\');
}

}  // namespace

void MemoryFaults::FailOperation(int number, bool persistent, bool partway) {
    operationCount_ = 0;
    failingOperation_ = number;
    failingPersistently_ = persistent;
    failingPartway_ = partway;
}

void MemoryFaults::FailPath(const std::string& path, unsigned operations) {
    pathFaults_.push_back({FoldedFullPath(path), operations});
}

void MemoryFaults::Clear() {
    failingOperation_ = 0;
    failingPersistently_ = false;
    failingPartway_ = false;
    pathFaults_.clear();
    held_.clear();
    readers_.clear();
    moments_.clear();
    unreadable_.clear();
    refused_.clear();
    pathLimit_ = 0;
    lockRefusal_.clear();
}

std::string MemoryFaults::FullPath(const std::string& path) const { return ExpandFullPath(path, currentFolder_); }

std::string MemoryFaults::FoldedFullPath(const std::string& path) const {
    std::string full = FoldName(FullPath(path));
    if (full.size() > 1 && full.back() == '\\') full.pop_back();
    return full;
}

bool MemoryFaults::Faulted(unsigned operation, const std::string& path, const std::string& other) {
    ++operationCount_;
    partway_ = false;
    if (pathLimit_ > 0 && (FullPath(path).size() >= pathLimit_ || FullPath(other).size() >= pathLimit_)) return true;
    if (failingOperation_ > 0 && (operationCount_ == failingOperation_ ||
                                  (failingPersistently_ && operationCount_ > failingOperation_))) {
        partway_ = failingPartway_;
        return true;
    }
    if (pathFaults_.empty()) return false;
    std::string first = FoldedFullPath(path), second = FoldedFullPath(other);
    for (const PathFault& fault : pathFaults_) {
        if ((fault.operations & operation) &&
            (IsBelowOrSame(first, fault.path) || IsBelowOrSame(second, fault.path))) {
            return true;
        }
    }
    return false;
}

bool MemoryFaults::Held(const std::string& path) {
    if (held_.empty() && readers_.empty() && moments_.empty()) return false;
    const std::string folded = FoldedFullPath(path);
    auto moment = moments_.find(folded);
    const bool heldForAMoment = moment != moments_.end();
    if (heldForAMoment && --moment->second <= 0) moments_.erase(moment);
    return held_.count(folded) > 0 || readers_.count(folded) > 0 || heldForAMoment;
}

bool MemoryFaults::RefusesNewFiles(const std::string& folder) {
    const std::string folded = FoldedFullPath(folder);
    for (const PathFault& fault : pathFaults_) {
        if ((fault.operations & OpWrite) && (fault.operations & OpCopy) && IsBelowOrSame(folded, fault.path)) return true;
    }
    return false;
}

}  // namespace orl
