#include "catalogue/web_price_list.h"

#include <algorithm>

#include "settings/settings_keys.h"
#include "catalogue/price_list_label.h"
#include "catalogue/price_list_paths.h"
#include "catalogue/web_address.h"
#include "catalogue/web_stream.h"
#include "foundation/cp1250.h"
#include "foundation/input_file.h"
#include "platform/report_failure.h"

namespace belvo {

namespace {

constexpr const char* kCommunicationFailedText = "chyba v komunikaci s internetem";

// Reads up to `limit` bytes of the body. A transfer that breaks off ends the reading: what
// arrived until then is what there is.
std::string ReadSome(HttpResponse& response, std::size_t limit)
{
    std::string bytes;
    char buffer[4096];
    try {
        while (bytes.size() < limit) {
            const std::size_t got = response.Read(buffer, std::min(sizeof buffer, limit - bytes.size()));
            if (got == 0) break;
            bytes.append(buffer, got);
        }
    } catch (const HttpError&) {
    }
    return bytes;
}

// The server's error page as messages with the caption "error", in pieces of at most
// kErrorPieceBytes. Only the start of a long page is shown: a page the size of a book would
// otherwise keep the user clicking. An empty page still says which status came.
void ShowErrorPage(Ui& ui, HttpResponse& response)
{
    std::string text = ForeignBytesToUtf8(ReadSome(response, kMaxErrorPageBytes));
    if (text.empty()) text = "Server odpověděl stavem " + std::to_string(response.StatusCode()) + ".";
    for (std::string_view rest = text; !rest.empty();) {
        const std::string_view piece = Utf8Prefix(rest, kErrorPieceBytes);
        ui.Message(std::string(piece), "error", MessageIcon::None);
        rest.remove_prefix(piece.size());
    }
}

// The label at the head of a local price-list file.
std::string ReadLocalLabel(const std::string& path, const ClassRegistry& classes)
{
    InputFile file = OpenInputFile(path);
    CArchive ar(file.stream, file.size, path, classes);
    std::string label;
    ar >> label;
    return label;
}

std::string MismatchText(const std::string& section, std::string_view remote, std::string_view local)
{
    // "Setup" stands for the single price list of older versions, which was the Czech one.
    const std::string tested = SameSettingName(section, kSetupSection) ? std::string("CZ-Kč") : section;
    return "nastavený odkaz na aktualizaci přes WWW (url) pro ceník " + tested + "\r\nodkazuje na ceník " +
           std::string(CenikIdName(remote)) + ",\r\nale stávající soubor je " + std::string(CenikIdName(local));
}

}  // namespace

std::unique_ptr<HttpResponse> OtevriUrl(HttpClient& http, Ui& ui, const std::string& address)
{
    std::string shown = address;
    std::optional<WebAddress> parsed = ParseWebAddress(shown);
    if (!parsed) {
        shown = "http://" + address;
        parsed = ParseWebAddress(shown);
    }
    if (!parsed) {
        ui.Message("zadaná adresa " + shown + " není ve tvaru http://server/cesta/soubor", "ParseUrl",
                   MessageIcon::Error);
        return nullptr;
    }

    HttpRequest request;
    request.url = parsed->Text();
    request.userAgent = kWebAgentName;
    request.maxBodyBytes = kMaxWebPriceListBytes;
    for (;;) {
        std::unique_ptr<HttpResponse> response;
        try {
            response = http.Get(request);
        } catch (const HttpError& failure) {
            ui.Message(kCommunicationFailedText,
                       failure.GetStage() == HttpError::Stage::Status ? "QueryInfoStatusCode" : "SendRequest",
                       MessageIcon::Error);
            return nullptr;
        }
        const int status = response->StatusCode();
        if (status == 401 || status == 407) {
            ReadSome(*response, kMaxErrorPageBytes);  // the challenge's page is not shown
            response.reset();
            const bool proxy = status == 407;
            const std::optional<Credentials> credentials =
                ui.AskCredentials(proxy ? "proxy server pro " + request.url : request.url);
            // Cancelled: there is nothing to read, so the address did not open.
            if (!credentials) return nullptr;
            (proxy ? request.proxyCredentials : request.serverCredentials) = *credentials;
            continue;
        }
        if (status >= 400 && status <= 599) {
            ShowErrorPage(ui, *response);
            return nullptr;
        }
        return response;
    }
}

bool TestAktualizace(CenikKontext& kontext, const std::string& section)
{
    const WaitCursor wait(kontext.ui);
    try {
        std::string remote;
        {
            const std::string address = CenikUrlOrDefault(kontext.settings, section);
            const std::unique_ptr<HttpResponse> response = OtevriUrl(kontext.http, kontext.ui, address);
            if (!response) return false;
            try {
                remote = ReadLabelFromWeb(*response, address, kontext.classes);
            } catch (const OperationCancelled&) {
                throw;
            } catch (const std::exception& failure) {
                ReportOwnMessage(kontext.ui, failure);
                remote.clear();
            }
        }  // the rest of the web file is abandoned

        const std::string local =
            ReadLocalLabel(SectionPriceListPath(kontext.settings, section, kontext.startupDirectory), kontext.classes);

        const std::string remoteSection = PriceListSectionName(remote);
        const std::string localSection = PriceListSectionName(local);
        if (remoteSection != localSection ||
            (localSection != section && !SameSettingName(section, kSetupSection))) {
            kontext.ui.Message(MismatchText(section, remote, local), "Pozor", MessageIcon::Error);
            return false;
        }
        // Both labels begin with the country and the time stamp of the edition.
        if (CompareCp1250(local, remote) >= 0) return false;
        if (kontext.ui.Message("Na internetu je k dispozici nová verze ceníku " + remote +
                                   ". \n\rStáhnout a nastavit jako výchozí soubor ceníku ?",
                               "test aktualizace", MessageIcon::Question, MessageButtons::YesNo) != Answer::Yes)
            return false;

        const std::string address = CenikUrlOrDefault(kontext.settings, section);
        PriceList downloaded;
        {
            const std::unique_ptr<HttpResponse> response = OtevriUrl(kontext.http, kontext.ui, address);
            if (!response) return false;
            ReadPriceListFromWeb(*response, address, kontext.classes, downloaded, &kontext.ui);
        }
        // The file is named after the label that was offered; the name is a plain file name in the
        // start-up directory whatever the label holds. It replaces a file of that name only when
        // it is complete, so a failed download leaves the local price lists as they were.
        const std::string file = PriceListFileInStartup(kontext.startupDirectory, remote);
        WritePriceListFile(file, downloaded.CenikId, downloaded.materials, kontext.classes);
        WriteText(kontext.settings, section, keys::CenikFileName, RelativeToStartup(kontext.startupDirectory, file));
        return true;
    } catch (const OperationCancelled&) {
        throw;  // the local file and the settings are as they were
    } catch (const std::exception& failure) {
        ReportOwnMessage(kontext.ui, failure);
        return false;
    }
}

bool TestZInternetu(CenikKontext& kontext)
{
    try {
        if (!TestAktualizace(kontext, PriceListSectionName(kontext.cenik.CenikId))) return false;
        return kontext.ui.Message("Cenik zaktualizován, použít v aktuálním projektu ?", "aktualizace",
                                  MessageIcon::Question, MessageButtons::YesNo) == Answer::Yes;
    } catch (const OperationCancelled&) {
        throw;
    } catch (const std::exception& failure) {
        ReportOwnMessage(kontext.ui, failure);
        return false;
    }
}

}  // namespace belvo
