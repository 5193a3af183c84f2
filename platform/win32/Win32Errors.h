// What a Win32 error says about a path: nothing there, or something out of reach; and the
// system's own words for it.
#pragma once

#include <string>

namespace orl {

// How a failed look at a path is taken. True when the error says that nothing is there: no such
// file, folder or drive, or a name that cannot exist. False when something may be there that
// cannot be reached or examined: access denied, a share offline, a network failing, a path too
// long. ERROR_NOT_READY is a local drive without its medium, but on a network drive a server
// that does not answer.
bool MeansNothingThere(unsigned long error, bool networkDrive);

// A drive letter that names no drive at all is one whose network drive is not mapped yet, as at
// the start of a login script: what it holds is out of reach, not absent.
bool IsUnmappedDrive(const std::string& path);
// MeansNothingThere for a look at `path`, an unmapped drive out of reach.
bool IsNothingThere(unsigned long error, const std::string& path);
// The system's text for an error, without its closing line break.
std::string SystemMessage(unsigned long error);

}  // namespace orl
