// A test bed for the price-list operations: a scripted user, settings in memory, a start-up
// directory of its own, the document's price list and a document that records what the
// operations asked of it, all tied together in a CenikKontext.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/memory_settings_store.h"
#include "app/persistent_classes.h"
#include "catalogue/price_list_context.h"
#include "catalogue/price_list_file.h"
#include "foundation/errors.h"
#include "platform/http_client.h"
#include "platform/system_info.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_materials.h"

namespace belvo::test {

// The document around the price list: a project or none, and what was asked of it.
class RecordingDocument : public PriceListDocument {
public:
    bool hasProject = false;
    std::string projectCenikId;
    int refreshes = 0;
    std::vector<std::string> settingsOpened;
    bool settingsFail = false;

    bool HasProject() const override { return hasProject; }
    void SetProjectCenikId(const std::string& cenikId) override { projectCenikId = cenikId; }
    void RefreshMainForm() override { ++refreshes; }
    void OpenSettings(const std::string& section) override
    {
        settingsOpened.push_back(section);
        if (settingsFail) throw BelvoError("dialog nastavení selhal");
    }
};

// A web that is not there: every request fails as if no server answered. It counts the
// requests, so a test sees whether the web was asked at all.
class NoWeb : public HttpClient {
public:
    int requests = 0;
    std::unique_ptr<HttpResponse> Get(const HttpRequest&) override
    {
        ++requests;
        throw HttpError(HttpError::Stage::Send, "žádný server");
    }
};

// A price list of `count` materials with order numbers "100", "101", ...
inline CMaterialList SampleMaterials(int count, int firstNumber = 100)
{
    CMaterialList list;
    for (int i = 0; i < count; ++i)
        Add(list, {.objCislo = std::to_string(firstNumber + i), .nazev = "Cihla " + std::to_string(i + 1)});
    return list;
}

class PriceListBed {
public:
    explicit PriceListBed(HttpClient& web) : http(web) { document.hasProject = false; }

    ScriptedUi ui;
    MemorySettingsStore settings;
    FixedSystemInfo system;
    TempDir startup;
    PriceList cenik;
    RecordingDocument document;
    HttpClient& http;

    CenikKontext Kontext(Database* database = nullptr)
    {
        return CenikKontext{ui, settings, PersistentClasses(), system, http, database, startup.Path().string(),
                            cenik, &document};
    }

    // Writes a price-list file into the start-up directory and returns its path.
    std::string WriteFile(std::string_view name, const std::string& label, int materials = 3, int firstNumber = 100)
    {
        const std::string path = startup.File(name);
        WritePriceListFile(path, label, SampleMaterials(materials, firstNumber), PersistentClasses());
        return path;
    }

    // A configured price-list section: its source and "TestWWW".
    void Configure(std::string_view section, std::string_view kind, std::string_view key, std::string_view value,
                   std::string_view testWww = "N")
    {
        settings.SetString(section, "CenikRadio", kind);
        settings.SetString(section, key, value);
        settings.SetString(section, "TestWWW", testWww);
    }
};

}  // namespace belvo::test
