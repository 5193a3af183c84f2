#include "core/WholeFiles.h"

#include <cctype>
#include <cstdio>

#include "core/Text.h"

namespace orl {

namespace {

const char kTemporaryStart[] = "~orl";
const char kTemporaryEnd[] = ".tmp";

}  // namespace

std::string TemporaryFor(Platform& platform, const std::string& target, const std::string& source) {
    const std::string from = source.empty() ? source : LowerAZ(platform.FullPath(source));
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08lx",
                  Fingerprint(platform.RunnerIdentity() + "|" + from + "|" + LowerAZ(platform.FullPath(target))));
    return FolderPart(target) + kTemporaryStart + digits + kTemporaryEnd;
}

bool IsTemporaryFileName(const std::string& name) {
    const std::string lower = LowerAZ(LastPathComponent(name));
    if (lower.size() != 16 || lower.compare(0, 4, kTemporaryStart) != 0 || lower.compare(12, 4, kTemporaryEnd) != 0) {
        return false;
    }
    for (size_t i = 4; i < 12; ++i) {
        if (!std::isxdigit(static_cast<unsigned char>(lower[i]))) return false;
    }
    return true;
}

bool RemoveTemporary(Platform& platform, const std::string& temporary) {
    if (platform.Probe(temporary) == PathKind::Missing) return true;
    const unsigned attributes = platform.Attributes(temporary);
    if (attributes & ReadOnly) platform.SetAttributes(temporary, attributes & ~ReadOnly);
    return platform.DeleteFileAt(temporary);
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
             platform.FlushFile(temporary) && platform.MoveFileReplacing(temporary, target);
    if (!copied) {
        RemoveTemporary(platform, temporary);
        return false;
    }
    if (attributes & ReadOnly) platform.SetAttributes(target, attributes);
    return true;
}

}  // namespace orl
