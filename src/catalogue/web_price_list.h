// The price list on the maker's web server: opening an address (with the user's credentials
// when the server or a proxy asks for them), the update test that compares the web edition of a
// section's price list with its local file and downloads a newer one, and the command
// "Test z internetu" built on it.
#pragma once

#include <memory>
#include <string>

#include "catalogue/price_list_context.h"
#include "platform/http_client.h"
#include "platform/ui.h"

namespace belvo {

// The agent name every web operation sends.
inline constexpr const char* kWebAgentName = "Microsoft Internet Browser";
// The message when no price list could be opened on the web.
inline constexpr const char* kWebOpenFailedText = "Nelze otevřít ceník z internetu.";
// The most bytes of a server's error page that are shown, in pieces of kErrorPieceBytes.
inline constexpr std::size_t kErrorPieceBytes = 5000;
inline constexpr std::size_t kMaxErrorPageBytes = 10 * kErrorPieceBytes;

// `OtevriUrl`: opens the address for reading a price list. An address that is no
// "http://server/path" is tried once more with "http://" put before it. A server (401) or proxy
// (407) that asks for credentials gets those the user gives and the request is sent again, as
// often as the user gives them. Returns the answer, whose body is the file, or null after the
// failure has been shown (a refused address, no connection, an error status with the server's
// page, the credentials prompt cancelled).
std::unique_ptr<HttpResponse> OtevriUrl(HttpClient& http, Ui& ui, const std::string& address);

// `TestAktualizace`: reads the label of the section's price list on the web (its "CenikURL") and
// that of its local file; when both are of the same price list and the web edition is newer,
// offers the download. On yes the web file is read whole, written into the start-up directory
// under the default file name of its label (replacing a file of that name only when complete),
// and becomes the section's "CenikFileName". Returns true when the new file is in place.
// Messages as the situations need them: another price list on the web, failures (each with its
// own message); the price list of the document is not touched. A download the user stops in the
// progress window raises OperationCancelled, with the local files and the settings as they were.
bool TestAktualizace(CenikKontext& kontext, const std::string& section);

// The command "Test z internetu": the update test for the section of the current label; when
// it downloaded a newer price list, asks whether to use it in the current project. True when
// the user said yes: the caller then closes the open editor, loads the section's price list
// (NactiCenik, by its source) and checks the projects against it. Failures are reported with
// their own message.
bool TestZInternetu(CenikKontext& kontext);

}  // namespace belvo
