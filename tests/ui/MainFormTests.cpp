// The main window's logic under the scripted toolkit, on the in-memory disk: what it shows, the
// questions of "Configure" and the exact arguments that the configuration receives.
#include <gtest/gtest.h>

#include <system_error>
#include <thread>

#include "core/ORLConfigUtil.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/DiskLayout.h"
#include "tests/support/ScriptedView.h"
#include "ui/ORLConfigMain.h"

namespace orl {
namespace {

const char kInstall[] = "C:\\Users\\ann\\AppData\\Roaming\\Brenmoor\\Orlagen\\";

// The thirteen arguments, as one text that a failing check shows whole.
struct ConfigureCall {
    std::string arguments;
    std::string failure;  // what the recorded configuration reports
};

class NullDisplay final : public OutcomeDisplay {
public:
    void ShowOutcome(const std::string& failureReport, const std::string& successReport) override {
        shown.push_back(failureReport.empty() ? "success: " + successReport : "failure: " + failureReport);
        if (whileShown) whileShown();
    }
    std::function<void()> whileShown;  // what another program does while the box waits
    void ShowHelp(const std::string&) override {}
    void ShowSyntax(const std::string&) override {}
    std::vector<std::string> shown;
};

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() {
        disk.AddDrive('H');
        disk.AddDrive('S');
        disk.SetEnvironment("APPDATA", "C:\\Users\\ann\\AppData\\Roaming");
    }
    // The form with the configuration recorded instead of run, unless `real`.
    TMainConfigForm& Form(bool real = false) {
        auto record = [this](Platform&, std::string install, std::string server, std::string current,
                             std::string target, bool copyShared, bool transfer, bool keepRights, bool userAdmin,
                             bool adminOnly, std::string& success, bool reportServer, bool reportRights,
                             std::string& failure) {
            calls.push_back(install + "|" + server + "|" + current + "|" + target + "|" + std::to_string(copyShared) +
                            std::to_string(transfer) + std::to_string(keepRights) + std::to_string(userAdmin) +
                            std::to_string(adminOnly) + "|" + success + "|" + std::to_string(reportServer) +
                            std::to_string(reportRights) + "|" + failure);
            if (whileConfiguring) whileConfiguring();
            if (failWith.empty())
                success = "done";
            else
                failure = failWith;
        };
        form = real ? std::make_unique<TMainConfigForm>(disk, view, display)
                    : std::make_unique<TMainConfigForm>(disk, view, display, record);
        return *form;
    }
    void Period(const std::string& folder, const std::string& lines) {
        LayOutLocation(disk, folder, FileText(disk, folder + "orl.ini"), {{"2024-01.txt", lines}});
    }
    std::vector<std::string> AskedTexts() {
        std::vector<std::string> texts;
        for (const auto& question : view.asked) texts.push_back(question.text.substr(0, 40));
        return texts;
    }

    MemoryPlatform disk;
    ScriptedView view;
    NullDisplay display;
    std::unique_ptr<TMainConfigForm> form;
    std::vector<std::string> calls;
    std::string failWith;
    std::function<void()> whileConfiguring;  // what the configuration does to the disk
};

TEST_F(MainFormTest, ShowingLoadsTheEffectiveSettingsAndRefreshDerivesEveryState) {
    const std::pair<const char*, const char*> levels[] = {
        {"2", "rbAdminUser"}, {"1", "rbAdminOnly"}, {"7", "rbNoAdmin"}, {"", "rbNoAdmin"}};
    disk.CreateFolderPath("S:\\Team\\");
    for (const auto& [level, checked] : levels) {
        // The redirected file is the effective one: the installation's own server keys do not count.
        PutFile(disk, std::string(kInstall) + "orl.ini",
                "[Setup]\r\nRedirect=H:\\Mine\r\n[Server]\r\nServerAdmin=2\r\n");
        PutFile(
            disk, "H:\\Mine\\orl.ini",
            std::string("[Server]\r\nServerPath=  S:\\Team \r\n") + (*level ? "ServerAdmin=" : "") + level + "\r\n");
        Form().FormShow();
        EXPECT_EQ(view.texts["txtInstallFolder"], kInstall);
        EXPECT_EQ(form->CurrentRedirect, "H:\\Mine\\");
        EXPECT_EQ(form->NewRedirect, form->CurrentRedirect);
        EXPECT_EQ(form->StoredServerPath, "  S:\\Team ");
        EXPECT_EQ(view.texts["txtServerFolder"], "S:\\Team\\");
        for (const char* button : {"rbNoAdmin", "rbAdminUser", "rbAdminOnly"}) {
            EXPECT_EQ(view.checks[button], std::string(button) == checked) << level << button;
            EXPECT_TRUE(view.Enabled(button));
        }
        EXPECT_EQ(view.texts["lblExeLocated1"], "Orlagen data files have NOT BEEN FOUND at a standard location.");
        EXPECT_EQ(view.texts["lblRedirect"], "Redirection IS currently selected.");
        EXPECT_EQ(view.texts["lblWorkgroup"], "A workgroup server location IS currently selected.");
        EXPECT_TRUE(view.Enabled("btnRemove") && view.Enabled("lblRemove") && view.Enabled("lblAdmin"));
    }
    // Remove: the level falls back to none and everything is disabled; the workgroup line
    // follows the settings as read, not the field.
    form->btnRemoveClick();
    EXPECT_EQ(view.texts["txtServerFolder"], "");
    EXPECT_TRUE(view.checks["rbNoAdmin"]);
    EXPECT_FALSE(view.Enabled("rbNoAdmin") || view.Enabled("lblAdmin") || view.Enabled("btnRemove") ||
                 view.Enabled("lblRemove"));
    EXPECT_EQ(view.texts["lblWorkgroup"], "A workgroup server location IS currently selected.");
    // A server folder that does not exist keeps the level at none, but can be removed.
    view.folderToChoose = "S:\\Missing";
    form->btnBrowseServerClick();
    EXPECT_EQ(view.browsed.back(), "Locate a network directory for Orlagen | ");
    EXPECT_TRUE(view.Enabled("btnRemove") && !view.Enabled("rbAdminUser"));

    // Another installation, found through any file of its folder, shown without the backslash.
    LayOutLocation(disk, "C:\\Other\\", "[Setup]\r\nRedirect=H:\\Theirs\\\r\n\r\n", {});
    const std::string temporary = TemporaryFor(disk, "C:\\Other\\orl.ini");
    disk.MoveFileReplacing("C:\\Other\\orl.ini", temporary);  // a save that lost it
    view.fileToChoose = "C:\\Other\\Data\\ClientProject.txt";
    form->btnBrowseInstallClick();  // its Data folder is no installation: an error, nothing changes
    EXPECT_EQ(view.texts["txtInstallFolder"], kInstall);
    ASSERT_EQ(view.asked.size(), 1u);
    EXPECT_EQ(view.asked[0].kind, BoxKind::Error);
    EXPECT_EQ(view.asked[0].text, "The selected location does not contain a valid Orlagen installation");
    view.fileToChoose = "C:\\Other\\orl.ini";
    [this] { const InstallationLock script(disk, "C:\\Other"); form->btnBrowseInstallClick(); }();  // held elsewhere
    EXPECT_EQ(view.errors, std::vector<std::string>{"Another configuration of \"c:\\other\\\" is running."});
    EXPECT_EQ(disk.Probe(temporary), PathKind::File);
    EXPECT_EQ(view.openedIn, kInstall);
    EXPECT_EQ(view.texts["txtInstallFolder"], "C:\\Other");
    EXPECT_EQ(form->CurrentRedirect, "H:\\Theirs\\");
    EXPECT_EQ(form->NewRedirect, "H:\\Mine\\");
    EXPECT_EQ(view.texts["lblExeLocated1"], "Orlagen data files HAVE BEEN FOUND at a standard location.");

    // The redirection's share offline: "Configure" reads what could not be read, and stops.
    disk.TakeOffline("H:\\");
    view.whileError = [this] { const InstallationLock script(disk, kInstall); };  // a login script
    Form().FormShow();
    EXPECT_EQ(view.texts["lblRedirect"], "Redirection to \"h:\\mine\\\" cannot be reached.");
    EXPECT_EQ(view.texts["lblWorkgroup"], "The workgroup server location cannot be read.");
    disk.ClearFaults();
    form->btnOKClick();
    EXPECT_EQ(view.texts["lblRedirect"], "Redirection IS currently selected.");
    EXPECT_TRUE(calls.empty());
}

TEST_F(MainFormTest, ConfigureAsksTheQuestionsThenConfiguresOnceWithTheAnswers) {
    const char* const current = "The current Orlagen file location appear";
    const char* const selected = "The selected Orlagen file location appea";
    const char* const both = "The selected data file location has exis";
    const char* const willNot = "The utility will not copy files that app";
    const char* const willCopy = "The utility will copy files that appear ";
    using A = BoxAnswer;
    struct Case {
        const char *ours, *theirs;
        std::vector<BoxAnswer> answers;
        std::vector<std::string> asked;
        const char* transfer;  // "" when the flow stops before configuring
    };
    const Case cases[] = {
        {"a\r\n", "A\r\n", {}, {}, "0"},
        {"a\r\nb\r\n", "a\r\n", {A::Yes}, {current}, "1"},
        {"a\r\nb\r\n", "a\r\n", {A::No, A::Yes}, {current, willNot}, "0"},
        {"a\r\nb\r\n", "a\r\n", {A::No, A::No}, {current, willNot}, ""},
        {"a\r\nb\r\n", "a\r\n", {A::Cancel}, {current}, ""},
        {"a\r\n", "a\r\nb\r\n", {A::Yes}, {selected}, "0"},
        {"a\r\n", "a\r\nb\r\n", {A::No, A::Yes}, {selected, willCopy}, "1"},
        {"a\r\n", "a\r\nb\r\n", {A::No, A::No}, {selected, willCopy}, ""},
        {"a\r\n", "b\r\n", {A::Yes}, {both}, "1"},
        {"a\r\n", "b\r\n", {A::No, A::Yes}, {both, willNot}, "0"},
        {"a\r\n", "b\r\n", {A::Cancel}, {both}, ""},
    };
    for (const Case& test : cases) {
        Period(kInstall, test.ours);
        Period("H:\\New\\", test.theirs);
        view = ScriptedView();
        Form().FormShow();
        form->NewRedirect = "H:\\New";
        view.answers.assign(test.answers.begin(), test.answers.end());
        calls.clear();
        form->btnOKClick();
        EXPECT_EQ(AskedTexts(), test.asked) << test.ours << test.theirs << test.answers.size();
        const std::string expected = std::string(kInstall) + "|||H:\\New|0" + test.transfer + "000||11|";
        EXPECT_EQ(calls, *test.transfer ? std::vector<std::string>{expected} : std::vector<std::string>{});
        EXPECT_EQ(view.closed, *test.transfer ? 1 : 0);
        EXPECT_EQ(view.busyChanges, *test.transfer ? "+-+-" : "+-");
    }

    // The shared-data question, for a server folder that lacks the files the installation has.
    disk.CreateFolderPath("S:\\Team\\");
    const std::pair<BoxAnswer, const char*> shared[] = {{A::Yes, "1"}, {A::No, "0"}, {A::Cancel, ""}};
    for (const auto& [answer, copy] : shared) {
        view = ScriptedView();
        Form().FormShow();
        view.texts["txtServerFolder"] = " S:\\Team ";
        view.checks["rbAdminUser"] = true;
        view.answers = {answer};
        calls.clear();
        form->btnOKClick();
        EXPECT_EQ(AskedTexts(), std::vector<std::string>{"Do you want to copy Client/Project/Categ"});
        const std::string expected = std::string(kInstall) + "|S:\\Team||" + "|" + copy + "1010||11|";
        EXPECT_EQ(calls, *copy ? std::vector<std::string>{expected} : std::vector<std::string>{});
    }
}

TEST_F(MainFormTest, AFailureOrARaisedErrorLeavesTheWindowOpenWithItsState) {
    Period(kInstall, "a\r\n");
    Period("H:\\New\\", "b\r\n");
    Form().FormShow();
    form->NewRedirect = "H:\\New\\";
    failWith = "Orlagen configuration failed.";
    view.answers = {BoxAnswer::Yes};
    form->btnOKClick();
    EXPECT_EQ(display.shown, std::vector<std::string>{"failure: Orlagen configuration failed."});
    EXPECT_EQ(view.closed, 0);
    EXPECT_EQ(form->NewRedirect, "H:\\New\\");

    // A period file held open by another program: the loop shows the error, a full stop added.
    disk.HoldOpenForWriting("H:\\New\\Data\\2024-01.txt");
    RunHandler(view, [this] { form->btnOKClick(); });
    EXPECT_EQ(view.errors, std::vector<std::string>{"Cannot open file h:\\new\\data\\2024-01.txt."});
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(view.busyChanges, "+-+-+-");  // the wait cursor ends with the error too
    {
        const InstallationLock script(disk, kInstall);  // a login script configures it meanwhile
        RunHandler(view, [this] { form->btnOKClick(); });
        EXPECT_EQ(view.errors.back().rfind("Another configuration of ", 0), 0u) << view.errors.back();
        EXPECT_EQ(calls.size(), 1u);
        WriteRedirect(disk, kInstall, "H:\\Moved\\");  // and moves the data elsewhere
    }
    // Never configured from where the data was: the window shows where it is now, and the next
    // press configures from there. A failure after the redirection was written leaves the window
    // knowing where the data went.
    disk.ReleaseHold("H:\\New\\Data\\2024-01.txt");
    RunHandler(view, [this] { form->btnOKClick(); });
    EXPECT_EQ(view.errors.back().rfind("Another configuration has changed this installation", 0), 0u);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(form->NewRedirect, "H:\\Moved\\");
    form->NewRedirect = "H:\\New\\";
    whileConfiguring = [this] { WriteRedirect(disk, kInstall, "H:\\New\\"); };
    view.answers = {BoxAnswer::Yes};
    form->btnOKClick();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_NE(calls.back().find("|H:\\Moved\\|H:\\New\\|"), std::string::npos) << calls.back();
    whileConfiguring = [this] { WriteRedirect(disk, kInstall, "H:\\Moved\\"); throw PlatformError("Cannot create"); };
    WriteRedirect(disk, kInstall, "h:\\NEW");  // the same folder, as another run spells it
    RunHandler(view, [this] { form->btnOKClick(); });
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_NE(calls.back().find("|H:\\New\\|H:\\New\\|"), std::string::npos) << calls.back();
    RunHandler(view, [this] { view.answers = {BoxAnswer::Yes}; form->btnOKClick(); });  // it was this window's run
    EXPECT_NE(calls.back().find("|H:\\Moved\\|H:\\New\\|"), std::string::npos) << calls.back();
    WriteRedirect(disk, kInstall, "H:\\Gone\\"), disk.TakeOffline("H:\\Gone");  // moved where it cannot be read
    RunHandler(view, [this] { form->btnOKClick(); });
    EXPECT_EQ(view.texts["lblRedirect"], "Redirection to \"h:\\gone\\\" cannot be reached.");
    RunHandler(view, [] { throw PlatformError("Ends in a stop."); });
    EXPECT_EQ(view.errors.back(), "Ends in a stop.");
    RunHandler(view, [] { throw std::bad_alloc(); });
    EXPECT_EQ(view.errors.back(), "Not enough memory to complete the configuration.");
}

TEST_F(MainFormTest, AWorkerThatCannotStartLeavesTheWindowAsItWasAndSaysWhy) {
    Period(kInstall, "a\r\n");
    Period("H:\\New\\", "b\r\n");
    Form().FormShow();
    const std::system_error refusal(std::make_error_code(std::errc::resource_unavailable_try_again));
    // The comparison's worker, or (with no comparison to make) the configuration's.
    for (const char* target : {"H:\\New\\", ""}) {
        view.startWorker = [&](std::function<void()>) -> std::thread { throw refusal; };
        form->NewRedirect = target;
        view.answers = {BoxAnswer::Yes};
        RunHandler(view, [this] { form->btnOKClick(); });
        EXPECT_EQ(view.errors.back(), std::string("The work could not be started: ") + refusal.what() + ".");
        EXPECT_EQ(view.busyChanges, "");  // never disabled, so nothing is left disabled
        EXPECT_TRUE(view.asked.empty());
        EXPECT_TRUE(calls.empty());
        EXPECT_TRUE(display.shown.empty());
        EXPECT_EQ(view.closed, 0);
        EXPECT_EQ(form->NewRedirect, target);
    }
    EXPECT_EQ(view.errors.size(), 2u);
    // The window is as it was: the next press configures.
    view.startWorker = StartThread;
    RunHandler(view, [this] { form->btnOKClick(); });
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_EQ(view.busyChanges, "+-");
    EXPECT_EQ(view.closed, 1);
}

TEST_F(MainFormTest, WhatTheConfigurationNeedsOfTheControlsIsReadBeforeAnyWorkStarts) {
    Period(kInstall, "a\r\n");
    Period("H:\\New\\", "a\r\n");
    disk.CreateFolderPath("S:\\Team\\");
    Form().FormShow();
    form->NewRedirect = "H:\\New\\";
    view.texts["txtServerFolder"] = "S:\\Team";
    view.checks["rbAdminOnly"] = true;
    view.answers = {BoxAnswer::No};  // no shared data
    // While the comparison runs, the controls lose what they showed, as a window taken down would.
    view.duringWork = [this] {
        view.texts.clear();
        view.checks.clear();
    };
    form->btnOKClick();
    EXPECT_EQ(calls, std::vector<std::string>{std::string(kInstall) + "|S:\\Team||H:\\New\\|00001||11|"});
}

TEST_F(MainFormTest, ARealConfigurationFromTheWindowMovesTheDataAndCloses) {
    Period(kInstall, "2024-01-02;09:00\r\n");
    disk.CreateFolderPath("S:\\Team\\");
    Form(true).FormShow();
    view.texts["txtServerFolder"] = "S:\\Team";
    view.checks["rbAdminOnly"] = true;
    form->NewRedirect = "H:\\Mine";
    view.answers = {BoxAnswer::Yes};  // copy the shared data
    display.whileShown = [this] { const InstallationLock script(disk, kInstall); };  // a login script
    form->btnOKClick();
    ASSERT_EQ(display.shown.size(), 1u);
    EXPECT_EQ(display.shown[0].substr(0, 53), "success: Orlagen has been configured on this machine.");
    EXPECT_EQ(FileText(disk, "H:\\Mine\\Data\\2024-01.txt"), "2024-01-02;09:00\r\n");
    EXPECT_EQ(FileText(disk, "S:\\Team\\Data\\ClientProject.txt"), kClientProjectText);
    EXPECT_NE(FileText(disk, "H:\\Mine\\orl.ini").find("ServerAdmin=1"), std::string::npos);
    EXPECT_EQ(view.closed, 1);
}

}  // namespace
}  // namespace orl
