// The toolkit as a script: controls hold their state in maps, questions take the answers queued
// for them and are recorded, pickers return what the test put there, modal windows run the
// test's stand-in for the person at them; long work runs on a worker, as in the real window.
#pragma once

#include <chrono>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ui/FormView.h"
#include "ui/LongWork.h"

namespace orl {

class ScriptedView final : public FormView, public BusyWindow {
public:
    void SetText(const std::string& control, const std::string& text) override { texts[control] = text; }
    std::string Text(const std::string& control) override { return texts[control]; }
    void SetChecked(const std::string& control, bool checked) override { checks[control] = checked; }
    bool Checked(const std::string& control) override { return checks[control]; }
    void SetEnabled(const std::string& control, bool enabled) override { enabled_[control] = enabled; }
    // A control whose state the window never set has none to check: asking for it fails the test.
    bool Enabled(const std::string& control) override {
        if (enabled_.count(control) == 0) ADD_FAILURE() << control << ": enabled state never set";
        return enabled_[control];
    }

    BoxAnswer Ask(BoxKind kind, const std::string& text, BoxButtons) override {
        asked.push_back({kind, text});
        if (answers.empty()) return BoxAnswer::Cancel;
        BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    bool OpenFile(const std::string& initialFolder, std::string& chosenFile) override {
        openedIn = initialFolder;
        chosenFile = fileToChoose;
        return !fileToChoose.empty();
    }
    bool BrowseForFolder(const std::string& title, std::string& folder) override {
        browsed.push_back(title + " | " + folder);
        if (folderToChoose.empty()) return false;
        folder = folderToChoose;
        return true;
    }
    void ShowModal(const std::string& form) override { modal.at(form)(); }
    void Close() override { ++closed; }
    // The work runs on a worker as in the real window; `startWorker` may refuse to start one.
    void RunLong(const std::string&, const std::function<void()>& work) override {
        RunOnWorker(*this, work, startWorker);
    }
    void SetBusy(bool busy) override { busyChanges += busy ? "+" : "-"; }
    // What the person does while the work runs (`duringWork`, once), then waits for the end.
    void AnswerUntil(const std::atomic<bool>& done) override {
        if (duringWork) std::exchange(duringWork, nullptr)();
        while (!done) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void Wake() override {}
    void ShowError(const std::string& message) override { errors.push_back(message), whileError ? whileError() : void(); }
    std::function<void()> whileError;  // what another program does while an error box waits

    struct Question {
        BoxKind kind;
        std::string text;
    };
    std::map<std::string, std::string> texts;
    std::map<std::string, bool> checks;
    std::deque<BoxAnswer> answers;
    std::vector<Question> asked;
    std::string fileToChoose, openedIn, folderToChoose;
    std::vector<std::string> browsed;
    std::map<std::string, std::function<void()>> modal;
    int closed = 0;
    std::string busyChanges;  // "+" when the window became busy, "-" when it ended
    StartWorker startWorker = StartThread;
    std::function<void()> duringWork;
    std::vector<std::string> errors;

private:
    std::map<std::string, bool> enabled_;
};

}  // namespace orl
