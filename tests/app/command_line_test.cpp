#include "app/command_line.h"

#include <gtest/gtest.h>

namespace belvo {
namespace {

struct LineCase {
    std::vector<std::string> arguments;
    bool exportMode;
    std::string connection;
};

TEST(CommandLine, TheExportSwitchIsExactlyMinusExportAndOneSpace)
{
    const LineCase cases[] = {
        {{"-export", "DSN=Karno"}, true, "DSN=Karno"},
        {{"-export DSN=Karno"}, true, "DSN=Karno"},                 // one argument, as on Windows
        {{"-export", "DSN=Karno;UID=cenik"}, true, "DSN=Karno;UID=cenik"},
        {{"-export", "DSN=Ceník", "CZ"}, true, "DSN=Ceník CZ"},     // a name with a space, unquoted
        {{"-export", ""}, true, ""},                                // the switch and nothing after it
        {{"-export"}, false, ""},                                   // no space after the switch
        {{"-EXPORT", "DSN=Karno"}, false, ""},
        {{"-exportDSN=Karno"}, false, ""},
        {{"projekt.kar"}, false, ""},
        {{}, false, ""},
    };
    for (const LineCase& c : cases) {
        const CommandLine line = ParseCommandLine(c.arguments);
        EXPECT_EQ(line.exportMode, c.exportMode) << ::testing::PrintToString(c.arguments);
        EXPECT_EQ(line.connection, c.connection) << ::testing::PrintToString(c.arguments);
        if (!c.exportMode) {
            EXPECT_EQ(line.arguments, c.arguments);
        }
    }
}

struct DesktopCase {
    std::vector<std::string> arguments;
    std::optional<std::string> projectFile;
    bool print;
    std::vector<std::string> printTo;
};

TEST(CommandLine, TheDesktopProgramOpensTheFirstArgumentThatIsNoSwitch)
{
    const DesktopCase cases[] = {
        {{}, std::nullopt, false, {}},
        {{"dům.kar"}, "dům.kar", false, {}},
        {{"/home/novák/Projekty/dům 2.kar"}, "/home/novák/Projekty/dům 2.kar", false, {}},
        {{"dům.kar", "chata.kar"}, "dům.kar", false, {}},
        {{"/Embedding", "-Automation", "dům.kar"}, "dům.kar", false, {}},
        {{"/P", "dům.kar"}, "dům.kar", true, {}},
        {{"/pt", "dům.kar", "Tiskárna", "ovladač", "LPT1:", "navíc"}, "dům.kar", true,
         {"Tiskárna", "ovladač", "LPT1:"}},
        {{"-export"}, std::nullopt, false, {}},
        {{"", "dům.kar"}, "dům.kar", false, {}},
        {{"-", "dům.kar"}, "-", false, {}},  // a lone dash names a file, as it does for other programs
        {{"/Embedding", "/p"}, std::nullopt, true, {}},
        {{"/pojistka/dům.kar"}, "/pojistka/dům.kar", false, {}},  // "/" before no known switch: a path
        {{"-x", "/tmp/dům.kar"}, "/tmp/dům.kar", false, {}},
    };
    for (const DesktopCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const DesktopCommandLine line = ParseDesktopCommandLine(c.arguments);
        EXPECT_EQ(line.projectFile, c.projectFile);
        EXPECT_EQ(line.print, c.print);
        EXPECT_EQ(line.printTo, c.printTo);
    }
    EXPECT_EQ(ParseDesktopCommandLine({"/dde", "x.kar", "-Embedding"}).switches,
              (std::vector<std::string>{"dde", "Embedding"}));
}

}  // namespace
}  // namespace belvo
