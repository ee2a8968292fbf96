#include <gtest/gtest.h>

#include <stdexcept>

#include "foundation/decimal.h"
#include "foundation/errors.h"
#include "platform/report_failure.h"
#include "support/scripted_ui.h"

namespace belvo {
namespace {

TEST(ReportFailure, OwnMessageThenOperation)
{
    ScriptedUi ui;
    ReportFailure(ui, std::runtime_error("Disk je plný"), "CBelvoDoc::OnPrehled");
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0], (RecordedMessage{"Disk je plný", kApplicationTitle, MessageIcon::Error}));
    EXPECT_EQ(ui.messages[1], (RecordedMessage{"CBelvoDoc::OnPrehled", "Chyba", MessageIcon::Warning}));
}

TEST(ReportFailure, ProcessorFaultAndUnknownFailureTakeTheSamePath)
{
    ScriptedUi ui;
    const bool finished = RunReporting(ui, "CSkupina::VypocetPolozek", "Přízemí", [] {
        CCislo one(1);
        one /= CCislo(0);
    });
    EXPECT_FALSE(finished);
    EXPECT_EQ(ui.MessageLines(),
              (std::vector<std::string>{"Karno: Exception INT_DIVIDE_BY_ZERO (0xc0000094) at address 0x00000000.",
                                        "Přízemí: CSkupina::VypocetPolozek"}));

    ScriptedUi other;
    RunReporting(other, "X", "Chyba", [] { throw 42; });
    EXPECT_EQ(other.MessageLines(), (std::vector<std::string>{"Karno: Unknown exception.", "Chyba: X"}));

    ScriptedUi quiet;
    EXPECT_TRUE(RunReporting(quiet, "X", "Chyba", [] {}));
    EXPECT_TRUE(quiet.messages.empty());
}

}  // namespace
}  // namespace belvo
