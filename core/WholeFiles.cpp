#include "core/WholeFiles.h"

#include <cctype>

#include "core/Text.h"

namespace orl {

namespace {

// "~o", five letters or digits, ".tmp": as long as a period file's name.
const char kTemporaryStart[] = "~o";
const char kTemporaryEnd[] = ".tmp";
const size_t kTagLength = 5;

}  // namespace

std::string TemporaryFor(Platform& platform, const std::string& target, const std::string& source) {
    const std::string from = source.empty() ? source : LowerAZ(platform.FullPath(source));
    unsigned long fingerprint =
        Fingerprint(platform.RunnerIdentity() + "|" + from + "|" + LowerAZ(platform.FullPath(target)));
    std::string tag;
    for (size_t i = 0; i < kTagLength; ++i, fingerprint /= 36) tag += "0123456789abcdefghijklmnopqrstuvwxyz"[fingerprint % 36];
    return FolderPart(target) + kTemporaryStart + tag + kTemporaryEnd;
}

bool IsTemporaryFileName(const std::string& name) {
    const std::string lower = LowerAZ(LastPathComponent(name));
    const size_t start = sizeof kTemporaryStart - 1;
    if (lower.size() != start + kTagLength + 4 || lower.compare(0, start, kTemporaryStart) != 0 ||
        lower.compare(start + kTagLength, 4, kTemporaryEnd) != 0) {
        return false;
    }
    for (size_t i = start; i < start + kTagLength; ++i) {
        if (!std::isalnum(static_cast<unsigned char>(lower[i]))) return false;
    }
    return true;
}

bool RemoveTemporary(Platform& platform, const std::string& temporary) {
    if (platform.Probe(temporary) == PathKind::Missing) return true;
    const unsigned attributes = platform.Attributes(temporary);
    if (attributes & ReadOnly) platform.SetAttributes(temporary, attributes & ~ReadOnly);
    return platform.DeleteFileAt(temporary);
}

bool MoveIntoPlace(Platform& platform, const std::string& temporary, const std::string& target) {
    // Pauses of 50 ms doubling to 1.6 s, about three seconds in all: many workstations that put
    // one file on a server at the same moment each find a free moment, and a file held for good
    // fails soon.
    for (int pause = 50;; pause *= 2) {
        if (platform.MoveFileReplacing(temporary, target)) return true;
        if (pause > 1600) return false;
        platform.Pause(pause);
    }
}

bool CopyFileWhole(Platform& platform, const std::string& source, const std::string& target) {
    // CopyFileA writes its target in place, so a full disk or a killed run would leave it cut;
    // and it carries the source's read-only attribute over, with which the temporary could be
    // neither moved over an older one nor deleted.
    // A read-only target is not replaced: Windows refuses to move over it, and so does this
    // program where a file system would let it.
    if (platform.Attributes(target) & ReadOnly) return false;
    const std::string temporary = TemporaryFor(platform, target, source);
    if (!RemoveTemporary(platform, temporary)) return false;
    bool copied = platform.CopyFileReplacing(source, temporary);
    const unsigned attributes = copied ? platform.Attributes(temporary) : 0;
    copied = copied && (!(attributes & ReadOnly) || platform.SetAttributes(temporary, attributes & ~ReadOnly)) &&
             platform.FlushFile(temporary) && MoveIntoPlace(platform, temporary, target);
    if (!copied) {
        RemoveTemporary(platform, temporary);
        return false;
    }
    if (attributes & ReadOnly) platform.SetAttributes(target, attributes);
    return true;
}

}  // namespace orl
