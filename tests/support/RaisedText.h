// What a piece of work raises, as text, so that a test states the expected message in one line.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace orl {

// The message of the PlatformError that work raises, or "no error raised".
template <class Work>
std::string RaisedText(Work work) {
    try {
        work();
    } catch (const PlatformError& error) {
        return error.what();
    }
    return "no error raised";
}

}  // namespace orl
