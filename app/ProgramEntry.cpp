// The entry of both programs, the one place that knows both front ends: it makes the Win32
// platform and the windows, then hands the command line to the console run or shows the windows.
// The console build is this file compiled with APP_CONSOLE: that, the console flag, is the only
// difference between the two executables.
#include <windows.h>

#include "console/CommandLine.h"
#include "console/ConsoleRun.h"
#include "console/Win32Display.h"
#include "front/ProgramTexts.h"
#include "platform/reporting/ReportingPlatform.h"
#include "platform/win32/Win32Platform.h"
#include "ui/ORLConfigMain.h"
#include "ui/ORLConfigParamInfo.h"
#include "ui/ORLConfigRedirect.h"
#include "ui/win32/Application.h"

namespace {

#ifdef APP_CONSOLE
const bool kConsoleBuild = true;
#else
const bool kConsoleBuild = false;
#endif

int RunProgram() {
    orl::Win32Platform platform;
    orl::StandardOutputDisplay standardOutput;
    orl::MessageBoxDisplay messageBoxes;
    orl::OutcomeDisplay& display = kConsoleBuild ? static_cast<orl::OutcomeDisplay&>(standardOutput) : messageBoxes;

    orl::Application application(orl::kApplicationTitle);
    orl::Win32Form& mainWindow = application.CreateForm(orl::MainConfigFormTable());
    orl::Win32Form& redirectWindow = application.CreateForm(orl::RedirectFormTable());
    orl::Win32Form& paramInfoWindow = application.CreateForm(orl::ParamInfoFormTable());
    // The window shows long work as it goes; the console run stays silent but for its report.
    orl::ReportingPlatform reporting(platform, application.Progress());
    orl::TMainConfigForm mainForm(reporting, mainWindow, display);
    orl::TRedirectForm redirectForm(redirectWindow, mainForm);
    orl::TParamInfoForm paramInfoForm(paramInfoWindow, display, kConsoleBuild);
    mainWindow.Bind(mainForm);
    redirectWindow.Bind(redirectForm);
    paramInfoWindow.Bind(paramInfoForm);

    // The program splits its own command line: the C runtime's rules for backslashes before
    // quotes would change the folders that scripts pass.
    std::vector<std::string> arguments = orl::SplitCommandLine(GetCommandLineA());
    if (!arguments.empty()) arguments.erase(arguments.begin());  // the program's own name
    try {
        if (arguments.empty()) return application.Run();
        return orl::RunConsole(platform, arguments, display, kConsoleBuild);
    } catch (const std::exception& error) {
        orl::ShowLastResortError(kConsoleBuild, orl::ErrorMessage(error));
        return orl::kExitError;
    }
}

}  // namespace

#ifdef APP_CONSOLE
int main() { return RunProgram(); }
#else
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return RunProgram(); }
#endif
