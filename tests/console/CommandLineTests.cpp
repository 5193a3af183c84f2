// The command line as the programs split and read it.
#include <gtest/gtest.h>

#include "console/CommandLine.h"
#include "front/ProgramTexts.h"
#include "platform/memory/MemoryPlatform.h"

namespace orl {
namespace {

using Arguments = std::vector<std::string>;

TEST(SplitCommandLine, QuotesGroupAndDropWithoutEscapes) {
    EXPECT_EQ(SplitCommandLine("orlconfigc.exe /v\"C:\\Time Sheet\" /s\"S:\\Work\\\" /a"),
              (Arguments{"orlconfigc.exe", "/vC:\\Time Sheet", "/sS:\\Work\\", "/a"}));
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\orlconfigc.exe\"\t/r\"H:\\\"x\"y z\"\x01/d"),
              (Arguments{"C:\\Program Files\\orlconfigc.exe", "/rH:\\xy z", "/d"}));
    EXPECT_EQ(SplitCommandLine("a \"\" b \"\"\"\" c"), (Arguments{"a", "b", "c"}));
    EXPECT_EQ(SplitCommandLine("a /v\"unclosed value  "), (Arguments{"a", "/vunclosed value  "}));
    EXPECT_EQ(SplitCommandLine("  \x1f  "), Arguments{});
    EXPECT_EQ(SplitCommandLine("a\xA0" "b"), Arguments{"a\xA0" "b"});  // only codes up to 32 separate
}

TEST(ParseCommandLine, OptionsAreTwoCharactersAndValuesAreLoweredAndTrimmed) {
    MemoryPlatform memory;
    memory.SetEnvironment("APPDATA", "C:\\Users\\kim\\AppData\\Roaming");
    CommandLineSettings defaults = ParseCommandLine(memory, {"/c", "/?", "x"});
    EXPECT_EQ(defaults.installFolder, "C:\\Users\\kim\\AppData\\Roaming\\Brenmoor\\Orlagen\\");
    EXPECT_EQ(defaults.serverFolder, "");
    EXPECT_FALSE(defaults.copySharedRequest || defaults.userAdmin || defaults.adminOnly);

    CommandLineSettings settings =
        ParseCommandLine(memory, {"/VC:\\TimeSheet", "/s\tS:\\One ", "/S  S:\\\xC4rger\\ ", "/radmin", "/Dx", "/ax", "/X"});
    EXPECT_EQ(settings.installFolder, "c:\\timesheet");
    EXPECT_EQ(settings.serverFolder, "s:\\\xC4rger\\");  // the last wins; only A-Z lowered
    EXPECT_EQ(settings.newRedirect, "admin");
    EXPECT_TRUE(settings.copySharedRequest && settings.userAdmin && settings.adminOnly);

    EXPECT_EQ(ParseCommandLine(memory, {"/sS:\\One", "/s"}).serverFolder, "");
    EXPECT_EQ(ParseCommandLine(memory, {"/rH:\\One", "/r"}).newRedirect, "");
    EXPECT_EQ(ParseCommandLine(memory, {"/v", "C:\\TimeSheet"}).installFolder, "");
}

TEST(Help, AskedForByItsOptionsAnywhere) {
    for (const Arguments& arguments : {Arguments{"/?"}, Arguments{"/vC:\\x", "-?"}, Arguments{"/H"},
                                       Arguments{"/help"}, Arguments{"-Help"}, Arguments{"--help"}}) {
        EXPECT_TRUE(AsksForHelp(arguments)) << arguments.back();
    }
    for (const Arguments& arguments : {Arguments{"/a"}, Arguments{"--HELP"}, Arguments{"?"}, Arguments{}}) {
        EXPECT_FALSE(AsksForHelp(arguments));
    }
    const std::string help = HelpText(false);
    EXPECT_EQ(help.rfind("Orlagen - Workgroup Configuration Version 3.0\r\n\r\nSYNTAX   orlconfig.exe  [/v\"xxxx\"]", 0), 0u);
    const std::string end = "rights\r\n/x : Assign administrator only rights\r\n";
    EXPECT_EQ(help.substr(help.size() - end.size()), end);
}

}  // namespace
}  // namespace orl
