// The operating-system boundary: everything the configuration needs from Windows.
// Passed in by reference; the program makes one Win32 realisation, tests make in-memory ones.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace orl {

// The one error the platform layer raises: a settings or period file that cannot be read or
// saved. It carries the user-facing message ("Cannot open file ...", "Cannot create file ...").
class PlatformError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a path names. Unknown: it could not be examined (access denied, a share that is offline or
// a network that fails), so it may well exist; a caller that must not guess treats it as an error.
enum class PathKind { Missing, File, Folder, Unknown };

// File attributes, with the values Windows gives them.
enum Attribute : unsigned { ReadOnly = 0x1, Hidden = 0x2, System = 0x4 };

// Outcome of listing a folder or reading a file: a missing folder or file is told apart from
// one that exists but cannot be read, since only the second is a fault.
enum class Access { Done, Missing, Failed };

struct FolderEntry {
    std::string name;
    bool isFolder = false;
};

// The steps of a configuration that copy files, announced before their copies, so that a
// realisation that tells what happens can name what each copy is for.
enum class CopyStep { BackingUp, CopyingData, CopyingSharedFiles };

// Outcome of taking a lock: Held when another run holds it, Failed when the system refused it for
// another reason, which nothing then excludes.
enum class LockOutcome { Taken, Held, Failed };

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // What the path names now. A path whose folder, drive or server does not exist is Missing.
    virtual PathKind Probe(const std::string& path) = 0;
    // Creates the folder and every missing folder above it; true when it exists as a folder.
    virtual bool CreateFolderPath(const std::string& path) = 0;
    // Lists the entries of `folder` (in normal form, ending in a backslash) that match the
    // wildcard `pattern`, hidden and system entries included, "." and ".." left out.
    virtual Access ListFolder(const std::string& folder, const std::string& pattern,
                              std::vector<FolderEntry>& entries) = 0;
    // Copies a file, replacing an existing target file.
    virtual bool CopyFileReplacing(const std::string& source, const std::string& target) = 0;
    // Reads a whole file while denying writing to others for the duration of the read.
    virtual Access ReadWholeFile(const std::string& path, std::string& contents) = 0;
    // Reads a whole file as CopyFileA reads its source: others may go on writing it meanwhile.
    virtual Access ReadSharingWrites(const std::string& path, std::string& contents) = 0;
    // A file's size in bytes, asked by opening it as CopyFileA opens its source, without reading
    // it: a file that a copy could not open cannot be sized either.
    virtual Access FileSize(const std::string& path, unsigned long long& bytes) = 0;
    // The folder refuses this program a new file. Asked by opening the folder for the right to add
    // a file, which writes nothing; false where the right is granted or the question cannot be asked.
    virtual bool RefusesNewFiles(const std::string& folder) = 0;
    // Creates or truncates the file, writes all of `contents` and flushes it to the disk.
    virtual bool WriteWholeFile(const std::string& path, const std::string& contents) = 0;
    // Writes what the system still holds of the file to the disk, so that a power cut after a
    // later rename cannot leave the renamed file empty or cut.
    virtual bool FlushFile(const std::string& path) = 0;
    // A file's attributes (the Attribute bits among others); 0 when it cannot be examined.
    virtual unsigned Attributes(const std::string& path) = 0;
    virtual bool SetAttributes(const std::string& path, unsigned attributes) = 0;
    // Puts `replacement` in the place of the existing file `replaced` in one step, keeping the
    // replaced file's attributes and security; the replacement name is gone afterwards.
    virtual bool ReplaceFileWith(const std::string& replaced, const std::string& replacement) = 0;
    // Renames a file, replacing an existing target, written through to the disk.
    virtual bool MoveFileReplacing(const std::string& source, const std::string& target) = 0;
    virtual bool DeleteFileAt(const std::string& path) = 0;
    // The existing file could be replaced or deleted now: no other program holds it open without
    // letting it be deleted. Asked by opening it as a rename would, without changing it.
    virtual bool CanReplace(const std::string& path) = 0;

    // The full form of a path: relative parts taken against the current folder, "." and ".."
    // resolved. Empty when the path cannot be expanded (an empty path among them).
    virtual std::string FullPath(const std::string& path) = 0;
    // Locale-aware comparison without regard to case: negative, zero or positive.
    virtual int CompareNoCase(const std::string& a, const std::string& b) = 0;
    // A key whose bytes are equal exactly when CompareNoCase finds the texts equal.
    virtual std::string ComparisonKey(const std::string& text) = 0;
    virtual LocalTime Now() = 0;
    // Waits that long before the caller tries again.
    virtual void Pause(int milliseconds) = 0;
    // The variable's value when it is set and shorter than 1,024 characters; otherwise empty.
    virtual std::string EnvironmentValue(const std::string& name) = 0;
    // Who runs this program where: the same text for every run of one user on one machine, and
    // different texts for different users or machines.
    virtual std::string RunnerIdentity() = 0;

    // The copies that follow, up to the next announcement, belong to `step`, from the folder
    // `from` into the folder `to`. Nothing happens on the disk.
    virtual void Announce(CopyStep step, const std::string& from, const std::string& to) = 0;

    // Takes the machine-wide lock of that name, without waiting; on Failed, `reason` holds the
    // system's own words for it. `name` holds no backslash.
    virtual LockOutcome TryLock(const std::string& name, std::string& reason) = 0;
    virtual void Unlock(const std::string& name) = 0;
};

}  // namespace orl
