// Questions put to the person at the machine: modal message boxes of four kinds. The window
// asks them; the console run answers the same questions by fixed rules instead.
#pragma once

#include <string>

namespace orl {

// Each kind has its caption and icon: "Confirm" (question mark), "Warning" (exclamation mark),
// "Error" (stop), "Information" (information).
enum class BoxKind { Confirmation, Warning, Error, Information };
// The buttons a box offers, "&Yes", "&No", "Cancel" and "OK"; also the answer, the one pressed.
enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Yes, No, Cancel };

class Questions {
public:
    virtual ~Questions() = default;
    // Shows a modal box and returns the button pressed (Cancel when the box is closed otherwise).
    virtual BoxAnswer Ask(BoxKind kind, const std::string& text, BoxButtons buttons) = 0;
};

// Warns before the data are moved against the comparison's advice: with copyLessComplete the
// new location's more complete data will be overwritten, otherwise the current data stay behind.
// True exactly when the answer is Yes.
bool ConfirmTransfer(Questions& questions, bool copyLessComplete);

}  // namespace orl
