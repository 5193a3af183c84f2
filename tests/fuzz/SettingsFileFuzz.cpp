// Any bytes as an "orl.ini": reading never crashes, and what is saved reads back as the same
// sections, lines, keys and values, and saves again to the same bytes.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/SettingsFile.h"
#include "platform/memory/MemoryPlatform.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    orl::MemoryPlatform memory;
    const std::string path = "C:\\orl.ini";
    memory.WriteWholeFile(path, std::string(reinterpret_cast<const char*>(data), size));
    orl::SettingsFile first(memory, path);
    first.Save();
    orl::SettingsFile second(memory, path);

    Check(first.SectionNames() == second.SectionNames());
    for (const std::string& section : first.SectionNames()) {
        const std::vector<std::string> lines = first.SectionLines(section);
        Check(lines == second.SectionLines(section));
        for (const std::string& line : lines) {
            size_t equals = line.find('=');
            if (equals == std::string::npos) continue;
            std::string key = line.substr(0, equals);
            Check(first.ReadText(section, key, "\x01") == second.ReadText(section, key, "\x02"));
        }
    }
    Check(second.Text() == first.Text());
    std::string saved;
    memory.ReadWholeFile(path, saved);
    Check(saved == first.Text());
    return 0;
}
