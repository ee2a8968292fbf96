// A FormHost for the tests of the editing forms: a scripted user, in-memory settings, a price
// list the test fills, and a record of what the forms asked of the document.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "catalogue/material_list.h"
#include "model/form_host.h"
#include "settings/memory_settings_store.h"
#include "support/scripted_ui.h"

namespace belvo::test {

class RecordingFormHost : public FormHost {
public:
    ScriptedUi ui;
    MemorySettingsStore settings;
    CMaterialList materials;
    Separators separators;  // ',' and ' '

    std::vector<std::pair<TreeItem, std::string>> relabels;
    int modifications = 0;
    std::vector<std::string> beamTexts;

    Ui& GetUi() override { return ui; }
    SettingsStore& Settings() override { return settings; }
    Separators NumberSeparators() override { return separators; }
    const CMaterialList& Materials() override { return materials; }
    void Relabel(TreeItem item, std::string text) override { relabels.emplace_back(item, std::move(text)); }
    void SetModified() override { ++modifications; }
    void RememberBeamText(std::string text) override { beamTexts.push_back(std::move(text)); }
};

}  // namespace belvo::test
