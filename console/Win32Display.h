// How the Windows programs show a run's outcome, help and last-resort errors.
#pragma once

#include <string>

#include "front/OutcomeDisplay.h"

namespace orl {

// The console build: the texts and a CR LF written byte for byte to standard output. A write
// that fails raises an error, since the report did not reach its reader.
class StandardOutputDisplay final : public OutcomeDisplay {
public:
    void ShowOutcome(const std::string& failureReport, const std::string& successReport) override;
    void ShowHelp(const std::string& helpText) override;
    void ShowSyntax(const std::string& syntaxText) override;
};

// The window build: a modal box with one OK button, "Error" for a failure, "Information" otherwise.
class MessageBoxDisplay final : public OutcomeDisplay {
public:
    void ShowOutcome(const std::string& failureReport, const std::string& successReport) override;
    void ShowHelp(const std::string& helpText) override;
    void ShowSyntax(const std::string&) override {}
};

// The report of an error that ended a run: on standard output in the console build, in an
// "Application Error" box in the window build.
void ShowLastResortError(bool consoleBuild, const std::string& message);

}  // namespace orl
