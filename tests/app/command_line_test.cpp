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

}  // namespace
}  // namespace belvo
