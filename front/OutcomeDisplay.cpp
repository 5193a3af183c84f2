#include "front/OutcomeDisplay.h"

#include <new>

namespace orl {

std::string ErrorMessage(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        return "Not enough memory to complete the configuration";
    }
    return error.what();
}

}  // namespace orl
