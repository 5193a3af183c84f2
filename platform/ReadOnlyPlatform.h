// A platform that reads through another one and changes nothing: every write is refused, as by a
// disk that cannot be written. For a look at an installation that this run may not change now.
#pragma once

#include "platform/ForwardingPlatform.h"

namespace orl {

class ReadOnlyPlatform final : public ForwardingPlatform {
public:
    using ForwardingPlatform::ForwardingPlatform;

    bool CreateFolderPath(const std::string&) override { return false; }
    bool CopyFileReplacing(const std::string&, const std::string&) override { return false; }
    bool WriteWholeFile(const std::string&, const std::string&) override { return false; }
    bool FlushFile(const std::string&) override { return false; }
    bool SetAttributes(const std::string&, unsigned) override { return false; }
    bool ReplaceFileWith(const std::string&, const std::string&) override { return false; }
    bool MoveFileReplacing(const std::string&, const std::string&) override { return false; }
    bool DeleteFileAt(const std::string&) override { return false; }
    // A refused write is refused again a moment later: not worth waiting for.
    void Pause(int) override {}
};

}  // namespace orl
