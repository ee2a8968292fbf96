// The argument reading that the commands of belvo-cli share.
#include "cli/cli_args.h"

#include <gtest/gtest.h>

#include "cli/cli_command.h"

namespace belvo::cli {
namespace {

struct Read {
    bool all = false;
    std::optional<std::string> catalogue;
    OutputFormat format = OutputFormat::Text;
    std::vector<std::string> positional;
};

// The message of the UsageError that `call` raises.
template <class Call>
std::string UsageMessage(Call call)
{
    try {
        call();
    } catch (const UsageError& e) {
        return e.what();
    }
    return "(no error)";
}

Read ReadAll(const std::vector<std::string>& args)
{
    Read read;
    read.positional =
        ReadArguments(args, {Flag("--all", read.all), Value("--catalogue", read.catalogue), FormatOption(read.format)});
    return read;
}

TEST(CliArgs, OptionsAndPositionalArgumentsInAnyOrder)
{
    const Read read = ReadAll({"a.kar", "--all", "--catalogue", "c.dat", "-", "--format=json", "b"});
    EXPECT_TRUE(read.all);
    EXPECT_EQ(read.catalogue, "c.dat");
    EXPECT_EQ(read.format, OutputFormat::Json);
    EXPECT_EQ(read.positional, (std::vector<std::string>{"a.kar", "-", "b"}));

    const Read plain = ReadAll({"--format", "json", "--catalogue", "--all"});  // a value may look like an option
    EXPECT_FALSE(plain.all);
    EXPECT_EQ(plain.catalogue, "--all");
    EXPECT_EQ(plain.format, OutputFormat::Json);
    EXPECT_TRUE(plain.positional.empty());
}

TEST(CliArgs, FaultyArgumentsAreUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } const cases[] = {
        {{"a", "--catalogue"}, "--catalogue needs a value"},
        {{"--format"}, "--format needs a value (text or json)"},
        {{"--format=xml"}, "unknown format \"xml\" (text or json)"},
        {{"--bogus"}, "unknown option \"--bogus\""},
        {{"--all=1"}, "unknown option \"--all=1\""},          // only --format takes its value after "="
        {{"--catalogue=c.dat"}, "unknown option \"--catalogue=c.dat\""},
        {{"-x"}, "unknown option \"-x\""},
    };
    for (const Case& c : cases) EXPECT_EQ(UsageMessage([&] { ReadAll(c.args); }), c.message);
}

TEST(CliArgs, OnlyArgumentNamesWhatIsMissingOrTooMuch)
{
    EXPECT_EQ(OnlyArgument({"a.kar"}, "project file"), "a.kar");
    EXPECT_EQ(UsageMessage([] { OnlyArgument({}, "project file"); }), "no project file given");
    EXPECT_EQ(UsageMessage([] { OnlyArgument({"a", "b"}, "project file"); }), "more than one project file given");
}

}  // namespace
}  // namespace belvo::cli
