// Any bytes as a path: the full-path expansion (the real platform's for paths too long for the
// ANSI calls, the in-memory platform's for all) never crashes, a full path expanded again stays
// the same, and the file system accepts whatever the expansion gives.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/memory/MemoryPlatform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);
    size_t cut = bytes.find('\x7F');  // the first part sets the current folder, when there is one
    std::string current = cut == std::string::npos ? std::string() : bytes.substr(0, cut);
    std::string path = cut == std::string::npos ? bytes : bytes.substr(cut + 1);

    orl::MemoryPlatform memory;
    memory.AddShare("server", "share");
    if (!current.empty() && memory.CreateFolderPath(current)) memory.SetCurrentFolder(current);
    std::string full = memory.FullPath(path);
    if (memory.FullPath(full) != full) std::abort();
    if (!full.empty()) {
        memory.CreateFolderPath(full);
        memory.WriteWholeFile(full, "x");
        memory.Probe(path);
        std::vector<orl::FolderEntry> entries;
        memory.ListFolder(full, "*", entries);
    }
    return 0;
}
