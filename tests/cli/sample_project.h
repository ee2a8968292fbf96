// The project "Dům" that the tests of belvo-cli compute, the start of its proposal as JSON, and
// the files of the tests that run the proposal command over it.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/projekt.h"
#include "model/skupina.h"
#include "support/temp_dir.h"

namespace belvo::test {

inline constexpr char kSampleCenikId[] = "CZ20160515 14:30 (Kč)/K1";

// Makes `projekt` the project "Dům" ("Brno" on its second line) by "PC~jan", priced by
// kSampleCenikId with VAT 21 %, no discount and 20 % for atypical pieces, and gives it the group
// "Přízemí", which is returned.
CSkupina& FillSampleProject(CProjekt& projekt);

// The whole proposal of that project as JSON computed on 5.3.2016 at 09:07, up to and with
// "Zrychleny".
extern const char* const kSampleProposalJsonHead;

// A settings file and a project file in a scratch folder, for running "proposal" over them.
class ProposalCommandFiles : public ::testing::Test {
protected:
    explicit ProposalCommandFiles(const std::string& projectName) : project(dir.File(projectName)) {}

    // Writes the settings file with `settingsText` and the project file with `projekt` and a
    // price list of the brick "110300".
    void WriteFiles(const std::string& settingsText, std::unique_ptr<CProjekt> projekt) const;
    // "proposal <project> --settings <settings>" followed by `extra`.
    std::vector<std::string> Args(const std::vector<std::string>& extra) const;

    TempDir dir;
    std::string project;
    std::string settings = dir.File("belvo.ini");
};

}  // namespace belvo::test
