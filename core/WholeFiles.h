// Files put in place whole or not at all: written to a temporary beside the target, flushed to
// the disk, then moved into place in one step. A full disk, a killed run or a power cut leaves
// the target as it was or whole, never cut.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

// The temporary for a target: "~o", five letters or digits and ".tmp", in the target's
// folder. The letters and digits are made from the user and machine that run this program, the target and,
// for a copy, its source: runs on different workstations, or from different installations, never
// share a temporary, while the next run that writes the same file there finds a stale one and
// removes it. The name is as long as a period file's, so a data file whose path fits fits as a
// temporary too.
std::string TemporaryFor(Platform& platform, const std::string& target, const std::string& source = "");
// The name follows the temporaries' pattern; such a file is never data.
bool IsTemporaryFileName(const std::string& name);
// Removes the temporary, read-only or not; true when none is left.
bool RemoveTemporary(Platform& platform, const std::string& temporary);

// Renames the temporary over the target (or to its name), trying again for a few seconds while
// the move is refused: a virus scanner, an indexer or another workstation's run that has just put
// the same file in place holds a fresh file for a moment, and Windows refuses to rename over a
// file that is open (access denied or a sharing violation, neither of which says for how long).
bool MoveIntoPlace(Platform& platform, const std::string& temporary, const std::string& target);

// Copies one file whole: through its temporary, flushed before it is moved into place. The
// source's read-only attribute reaches the target only after the move; a read-only target is
// not replaced. When it fails the target is as it was and no temporary is left.
bool CopyFileWhole(Platform& platform, const std::string& source, const std::string& target);

}  // namespace orl
