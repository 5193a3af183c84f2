// Any bytes as a command line: splitting and reading never crash; no argument is empty or holds
// a quote; the arguments, each quoted again, split back to themselves; the folder values come
// out lowered and trimmed.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "console/CommandLine.h"
#include "platform/memory/MemoryPlatform.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

bool LoweredAndTrimmed(const std::string& value) {
    for (char c : value) Check(!(c >= 'A' && c <= 'Z'));
    return value.empty() || (static_cast<unsigned char>(value.front()) > 32 &&
                             static_cast<unsigned char>(value.back()) > 32);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string line(reinterpret_cast<const char*>(data), size);
    line = line.substr(0, line.find('\0'));  // a command line is a C string
    std::vector<std::string> arguments = orl::SplitCommandLine(line);
    std::string again;
    for (const std::string& argument : arguments) {
        Check(!argument.empty() && argument.find('"') == std::string::npos);
        again += " \"" + argument + "\"";
    }
    Check(orl::SplitCommandLine(again) == arguments);

    orl::MemoryPlatform memory;
    orl::CommandLineSettings settings = orl::ParseCommandLine(memory, arguments);
    Check(LoweredAndTrimmed(settings.serverFolder) && LoweredAndTrimmed(settings.newRedirect));
    orl::AsksForHelp(arguments);
    return 0;
}
