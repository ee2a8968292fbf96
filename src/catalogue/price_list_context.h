// What the price-list operations (choice and loading, web update, saving) work with: the
// document's current price list, the user, the settings, the web, the database and the start-up
// directory. The document builds one of these for each command and hands it over, so every
// operation is tested without a window.
#pragma once

#include <string>

#include "catalogue/price_list_file.h"
#include "foundation/archive.h"
#include "platform/database.h"
#include "platform/http_client.h"
#include "settings/settings_store.h"
#include "platform/system_info.h"
#include "platform/ui.h"

namespace belvo {

// What the operations change in the document around the price list. The document implements
// it; the operations never see the project tree.
class PriceListDocument {
public:
    virtual ~PriceListDocument() = default;
    // Whether the document holds a project.
    virtual bool HasProject() const = 0;
    // Gives the project the label of the price list just loaded.
    virtual void SetProjectCenikId(const std::string& cenikId) = 0;
    // Asks the main form to show the project again (after a price-list change).
    virtual void RefreshMainForm() = 0;
    // The settings dialog opened on a price-list section; failures pass to the caller.
    virtual void OpenSettings(const std::string& section) = 0;
};

struct CenikKontext {
    Ui& ui;
    SettingsStore& settings;
    const ClassRegistry& classes;
    const SystemInfo& system;
    HttpClient& http;
    // The maker's database for price lists of the source kind "db"; null where there is none.
    Database* database = nullptr;
    // The directory the program started in (UTF-8): relative price-list file names and the
    // default file names of price lists are resolved against it.
    std::string startupDirectory;
    // The document's current price list: its label (CenikId) and material list.
    PriceList& cenik;
    // The document around the price list; null: no project and no settings dialog.
    PriceListDocument* document = nullptr;
};

}  // namespace belvo
