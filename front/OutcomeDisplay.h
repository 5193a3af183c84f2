// Where a run's results go: standard output in the console build, message boxes in the window
// build. Both front ends show through it.
#pragma once

#include <exception>
#include <string>

namespace orl {

class OutcomeDisplay {
public:
    virtual ~OutcomeDisplay() = default;
    // The failure report when there is one, otherwise the success report.
    virtual void ShowOutcome(const std::string& failureReport, const std::string& successReport) = 0;
    virtual void ShowHelp(const std::string& helpText) = 0;
    // The syntax text as the parameter information dialog composes it: written to standard
    // output in the console build, not shown at all in the window build (the dialog shows it).
    virtual void ShowSyntax(const std::string& syntaxText) = 0;
};

// The message of an error that ends a run or a handler. Running out of memory (a period file of
// hundreds of megabytes in a 32-bit program) is told in words, not as the library's name for it.
std::string ErrorMessage(const std::exception& error);

}  // namespace orl
