#include "app/startup.h"

#include "app/command_line.h"
#include "settings/settings_keys.h"
#include "document/belvo_doc.h"

namespace belvo {

std::optional<int> SpustDokument(CBelvoDoc& doc, const DesktopCommandLine& line, SettingsStore& settings)
{
    if (!doc.PriSpusteni()) return kExitStartRefused;
    if (line.projectFile) {
        if (!doc.OnOpenDocument(*line.projectFile)) return kExitStartRefused;
    } else {
        doc.OnNewDocument();
    }
    UkonciSeznamCeniku(settings);
    return std::nullopt;
}

void UkonciSeznamCeniku(SettingsStore& settings)
{
    std::string ceniky = ReadText(settings, keys::Ceniky, ";");
    if (ceniky.ends_with(';')) return;
    ceniky += ';';
    WriteText(settings, keys::Ceniky, ceniky);
}

}  // namespace belvo
