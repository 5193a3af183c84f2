// What a window's logic needs of the windowing toolkit, and nothing more: the displayed state of
// its controls, questions, the file and folder pickers, other windows shown modally, closing.
// Passed in like the platform, so that the same logic runs on Windows for real and natively
// under a scripted stand-in.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "front/Questions.h"

namespace orl {

class FormView : public Questions {
public:
    // Controls are named as in the window's table ("txtServerFolder", "rbAdminUser").
    virtual void SetText(const std::string& control, const std::string& text) = 0;
    virtual std::string Text(const std::string& control) = 0;
    virtual void SetChecked(const std::string& control, bool checked) = 0;
    virtual bool Checked(const std::string& control) = 0;
    virtual void SetEnabled(const std::string& control, bool enabled) = 0;
    virtual bool Enabled(const std::string& control) = 0;

    // The window's file-open dialog, starting in `initialFolder`; false when cancelled.
    virtual bool OpenFile(const std::string& initialFolder, std::string& chosenFile) = 0;
    // The shell's folder browser with `folder` preselected; on true `folder` is the choice.
    virtual bool BrowseForFolder(const std::string& title, std::string& folder) = 0;
    // Shows another window ("TRedirectForm") modally; returns when it has closed.
    virtual void ShowModal(const std::string& form) = 0;
    // Closes this window; the main window's closing ends the program.
    virtual void Close() = 0;
    // Runs work that may take long (the comparison, the configuration) while the window stays
    // responsive and shows that it is working; `step` says what is being done. Returns when the
    // work is done and raises what it raised. The work must not touch the window.
    virtual void RunLong(const std::string& step, const std::function<void()>& work) = 0;
    // The box in which the window loop reports an error raised by a handler: stop icon, OK,
    // the application title as its caption.
    virtual void ShowError(const std::string& message) = 0;
};

// A window's behaviour: what it does when shown, and the handler of each control's click.
struct ControlEvent {
    std::string control;
    std::function<void()> handler;
};

class FormLogic {
public:
    virtual ~FormLogic() = default;
    virtual void FormShow() = 0;
    virtual std::vector<ControlEvent> Events() = 0;
};

// The folder browser started from the folder in a text control, the choice put back there;
// false, and the control as it was, when nothing was chosen.
bool BrowseIntoText(FormView& view, const std::string& control, const std::string& title);

// Runs a handler as the window loop does: an error it raises ends it where it stands and is
// shown in the error box, with a full stop appended when its last character sorts after ".".
void RunHandler(FormView& view, const std::function<void()>& handler);

}  // namespace orl
