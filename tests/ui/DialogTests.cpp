// The redirection and parameter information dialogs under the scripted toolkit, shown from the
// main window as a person would open and close them.
#include <gtest/gtest.h>

#include "front/ProgramTexts.h"
#include "platform/memory/MemoryPlatform.h"
#include "tests/support/ScriptedView.h"
#include "ui/ORLConfigMain.h"
#include "ui/ORLConfigParamInfo.h"
#include "ui/ORLConfigRedirect.h"

namespace orl {
namespace {

class SyntaxRecorder final : public OutcomeDisplay {
public:
    void ShowOutcome(const std::string&, const std::string&) override {}
    void ShowHelp(const std::string&) override {}
    void ShowSyntax(const std::string& syntaxText) override { written += syntaxText; }
    std::string written;
};

TEST(RedirectDialog, OnlyOkStoresTheFolderAndEveryShowingStartsFromTheMainWindow) {
    MemoryPlatform disk;
    ScriptedView mainView, dialogView;
    SyntaxRecorder display;
    TMainConfigForm mainForm(disk, mainView, display);
    TRedirectForm dialog(dialogView, mainForm);
    std::function<void()> person;  // what the person does in the dialog once it is shown
    mainView.modal["TRedirectForm"] = [&] {
        dialog.FormShow();
        person();
    };
    mainForm.FormShow();
    mainForm.NewRedirect = "H:\\Old\\";

    // Browse, then Cancel: nothing stored; the next showing shows the old value again.
    person = [&] {
        EXPECT_TRUE(dialogView.Enabled("btnRemove") && dialogView.Enabled("lblRemove"));
        dialogView.folderToChoose = "H:\\New";
        dialog.btnBrowseRedirectClick();
        EXPECT_EQ(dialogView.texts["txtRedirectFolder"], "H:\\New");
        dialog.btnCancelClick();
    };
    mainForm.btnAdvancedClick();
    EXPECT_EQ(mainForm.NewRedirect, "H:\\Old\\");
    EXPECT_EQ(dialogView.browsed,
              std::vector<std::string>{"Locate a network directory the user will be redirected to | H:\\Old\\"});
    // A cancelled picker changes nothing; Remove then OK empties the redirection.
    person = [&] {
        EXPECT_EQ(dialogView.texts["txtRedirectFolder"], "H:\\Old\\");
        dialogView.folderToChoose = "";
        dialog.btnBrowseRedirectClick();
        EXPECT_EQ(dialogView.texts["txtRedirectFolder"], "H:\\Old\\");
        dialog.btnRemoveClick();
        EXPECT_FALSE(dialogView.Enabled("btnRemove") || dialogView.Enabled("lblRemove"));
        dialog.btnOKClick();
    };
    mainForm.btnAdvancedClick();
    EXPECT_EQ(mainForm.NewRedirect, "");
    EXPECT_EQ(mainView.texts["lblRedirect"], "Redirection is NOT currently selected.");
    EXPECT_EQ(dialogView.closed, 2);
    // A chosen folder is stored as the picker gives it.
    person = [&] {
        EXPECT_FALSE(dialogView.Enabled("btnRemove"));
        dialogView.folderToChoose = "S:\\";
        dialog.btnBrowseRedirectClick();
        EXPECT_TRUE(dialogView.Enabled("btnRemove"));
        dialog.btnOKClick();
    };
    mainForm.btnAdvancedClick();
    EXPECT_EQ(mainForm.NewRedirect, "S:\\");
    EXPECT_EQ(mainView.texts["lblRedirect"], "Redirection IS currently selected.");
}

TEST(ParamInfoDialog, ShowsTheTitleAndSyntaxAfreshAtEveryShowing) {
    for (bool consoleBuild : {false, true}) {
        ScriptedView view;
        SyntaxRecorder display;
        TParamInfoForm dialog(view, display, consoleBuild);
        const std::string expected = ProgramTitle(consoleBuild) + "\r\n\r\n" + SyntaxText(consoleBuild);
        dialog.FormShow();
        dialog.FormShow();
        EXPECT_EQ(view.texts["Memo"], expected);
        EXPECT_EQ(view.texts["Memo"].substr(0, 47), consoleBuild ? "Orlagen - Workgroup Configuration Version 3.0 ("
                                                                 : "Orlagen - Workgroup Configuration Version 3.0\r\n");
        EXPECT_EQ(display.written, SyntaxText(consoleBuild) + SyntaxText(consoleBuild));  // passed on each time
        dialog.btnOKClick();
        EXPECT_EQ(view.closed, 1);
    }
}

}  // namespace
}  // namespace orl
