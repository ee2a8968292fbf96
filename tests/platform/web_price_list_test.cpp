// The web side of the price lists end to end: the engine's operations over the Qt adapter,
// against a loopback server that plays the maker's web server.
#include "catalogue/web_price_list.h"

#include <filesystem>
#include <map>
#include <mutex>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalogue/price_list_loading.h"
#include "catalogue/web_stream.h"
#include "foundation/cp1250.h"
#include "platform/loopback_http_server.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt_application.h"
#include "support/price_list_bed.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using test::LoopbackAnswer;
using test::LoopbackRequest;

constexpr const char* kLocalLabel = "CZ20160515 14:30 (Kč)/KLIC";
constexpr const char* kNewerLabel = "CZ20170102 08:00 (Kč)/KLIC";
constexpr const char* kNewerFile = "CZ20170102-0800-Kč.dat";
constexpr const char* kOlderLabel = "CZ20151231 23:59 (Kč)/KLIC";
constexpr const char* kSlovakLabel = "SK20170102 08:00 (EUR)/KLIC";

// The bytes of a price-list file with `count` materials.
std::string PriceListBytes(const std::string& label, int count, int firstNumber = 500)
{
    test::TempDir dir;
    const std::string path = dir.File("web.dat");
    WritePriceListFile(path, label, test::SampleMaterials(count, firstNumber), PersistentClasses());
    return test::TempDir::ReadBytes(path);
}

// The maker's web server: files by path, answers the test sets, and a protected area. A path may
// be given several answers, one for each request in turn; the last one then stays.
class MakerServer {
public:
    MakerServer() : m_server([this](const LoopbackRequest& request) { return Answer(request); }) {}

    void Serve(const std::string& path, std::vector<LoopbackAnswer> answers)
    {
        const std::lock_guard lock(m_mutex);
        m_routes[path] = std::move(answers);
    }
    void Serve(const std::string& path, LoopbackAnswer answer) { Serve(path, std::vector{std::move(answer)}); }
    void ServeFile(const std::string& path, const std::string& label, int count = 3)
    {
        Serve(path, LoopbackAnswer::Ok(PriceListBytes(label, count)));
    }
    std::string Url(const std::string& path) const { return m_server.Url(path); }
    std::size_t RequestCount() const { return m_server.Requests().size(); }
    std::vector<LoopbackRequest> Requests() const { return m_server.Requests(); }

private:
    LoopbackAnswer Answer(const LoopbackRequest& request)
    {
        const std::lock_guard lock(m_mutex);
        if (request.target.starts_with("/chranene/") &&
            request.Header("Authorization") != test::BasicAuthorization("jan", "heslo")) {
            LoopbackAnswer answer = LoopbackAnswer::Status(401, "Unauthorized", "<p>Přihlaste se</p>");
            answer.headers.emplace_back("WWW-Authenticate", "Basic realm=\"ceniky\"");
            return answer;
        }
        const auto found = m_routes.find(request.target);
        if (found == m_routes.end() || found->second.empty())
            return LoopbackAnswer::Status(404, "Not Found", "<h1>Soubor nenalezen</h1>");
        std::vector<LoopbackAnswer>& answers = found->second;
        LoopbackAnswer answer = answers.front();
        if (answers.size() > 1) answers.erase(answers.begin());
        return answer;
    }

    std::mutex m_mutex;
    std::map<std::string, std::vector<LoopbackAnswer>> m_routes;
    test::LoopbackHttpServer m_server;
};

class WebPriceList : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app = test::EnsureCoreApplication(); }
    static void TearDownTestSuite() { app.reset(); }
    static std::unique_ptr<QCoreApplication> app;

    static QtHttpOptions Options()
    {
        QtHttpOptions options;
        options.idleTimeout = std::chrono::milliseconds(2000);
        options.proxy = QNetworkProxy(QNetworkProxy::NoProxy);
        return options;
    }

    WebPriceList()
    {
        bed.WriteFile("cz.dat", kLocalLabel, 2);
        bed.Configure("CZ-Kč", "file", "CenikFileName", "cz.dat", "A");
        bed.settings.SetString("CZ-Kč", "CenikUrl", server.Url("/belvo/Karno-CZ-Kc.dat"));
        bed.settings.SetString("Setup", "Ceniky", "CZ-Kč;");
        bed.settings.SetString("Setup", "CenikVychozi", "CZ-Kč");
    }

    std::string LocalFileSetting() const { return bed.settings.GetString("CZ-Kč", "CenikFileName", "<missing>"); }
    std::vector<std::string> StartupFiles() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(bed.startup.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    MakerServer server;
    QtHttpClient http{Options()};
    test::PriceListBed bed{http};
    CenikKontext kontext = bed.Kontext();
};
std::unique_ptr<QCoreApplication> WebPriceList::app;

// --- OtevriUrl -------------------------------------------------------------------------------

TEST_F(WebPriceList, AnAddressWithoutSchemeIsTriedWithHttp)
{
    server.ServeFile("/a.dat", kNewerLabel);
    const std::string address = server.Url("/a.dat").substr(std::string("http://").size());
    const auto response = OtevriUrl(http, bed.ui, address);
    ASSERT_TRUE(response);
    EXPECT_EQ(ReadLabelFromWeb(*response, address, PersistentClasses()), kNewerLabel);
    EXPECT_THAT(bed.ui.messages, IsEmpty());
    EXPECT_EQ(server.Requests().at(0).Header("User-Agent"), "Microsoft Internet Browser");
}

TEST_F(WebPriceList, AnErrorStatusShowsTheServersPageInPieces)
{
    LoopbackAnswer longPage = LoopbackAnswer::Status(500, "Server Error", std::string(12'000, 'x'));
    LoopbackAnswer emptyPage = LoopbackAnswer::Status(503, "Unavailable");
    LoopbackAnswer hugePage = LoopbackAnswer::Status(500, "Server Error", std::string(64 * 1024, 'y'));
    hugePage.repeat = 100;
    // A Windows-1250 page, as an older server sends it.
    server.Serve("/cp1250", LoopbackAnswer::Status(403, "Forbidden", Utf8ToCp1250("Přístup odepřen")));
    server.Serve("/dlouha", longPage);
    server.Serve("/prazdna", emptyPage);
    server.Serve("/obri", hugePage);
    const struct {
        const char* path;
        std::vector<std::string> pieces;  // the texts shown, each up to 5000 bytes
    } cases[] = {
        {"/nic.dat", {"<h1>Soubor nenalezen</h1>"}},
        {"/cp1250", {"Přístup odepřen"}},
        {"/dlouha", {std::string(5000, 'x'), std::string(5000, 'x'), std::string(2000, 'x')}},
        {"/prazdna", {"Server odpověděl stavem 503."}},
        // Only the start of a page the size of a book: ten pieces, not thousands.
        {"/obri", std::vector<std::string>(10, std::string(5000, 'y'))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        bed.ui.messages.clear();
        EXPECT_FALSE(OtevriUrl(http, bed.ui, server.Url(c.path)));
        std::vector<std::string> pieces;
        for (const RecordedMessage& message : bed.ui.messages) {
            EXPECT_EQ(message.caption, "error");
            EXPECT_EQ(message.icon, MessageIcon::None);
            pieces.push_back(message.text);
        }
        EXPECT_TRUE(pieces == c.pieces) << ::testing::PrintToString(bed.ui.MessageLines()).substr(0, 300);
    }
}

TEST_F(WebPriceList, CredentialsAreAskedAndTheRequestSentAgain)
{
    server.ServeFile("/chranene/cz.dat", kNewerLabel);
    const std::string address = server.Url("/chranene/cz.dat");

    bed.ui.credentials = {Credentials{"jan", "spatne"}, Credentials{"jan", "heslo"}};
    auto response = OtevriUrl(http, bed.ui, address);
    ASSERT_TRUE(response);
    EXPECT_EQ(ReadLabelFromWeb(*response, address, PersistentClasses()), kNewerLabel);
    EXPECT_THAT(bed.ui.credentialRequests, ElementsAre(address, address));
    EXPECT_THAT(bed.ui.messages, IsEmpty()) << "the challenge's page is not shown";

    // Cancelling the prompt ends the attempt quietly: there is nothing to read.
    bed.ui.credentialRequests.clear();
    response = OtevriUrl(http, bed.ui, address);
    EXPECT_FALSE(response);
    EXPECT_EQ(bed.ui.credentialRequests.size(), 1u);
    EXPECT_THAT(bed.ui.messages, IsEmpty());
}

TEST_F(WebPriceList, NoServerIsACommunicationFailure)
{
    std::string address;
    {
        MakerServer gone;
        address = gone.Url("/cz.dat");
    }
    EXPECT_FALSE(OtevriUrl(http, bed.ui, address));
    EXPECT_THAT(bed.ui.MessageLines(), ElementsAre("SendRequest: chyba v komunikaci s internetem"));
}

// --- TestAktualizace -------------------------------------------------------------------------

TEST_F(WebPriceList, ANewerWebFileIsDownloadedIntoANewFileOnYes)
{
    server.ServeFile("/belvo/Karno-CZ-Kc.dat", kNewerLabel, 7);
    EXPECT_TRUE(TestAktualizace(kontext, "CZ-Kč"));

    ASSERT_EQ(bed.ui.messages.size(), 1u);
    EXPECT_EQ(bed.ui.messages[0].text, std::string("Na internetu je k dispozici nová verze ceníku ") + kNewerLabel +
                                           ". \n\rStáhnout a nastavit jako výchozí soubor ceníku ?");
    EXPECT_EQ(bed.ui.messages[0].caption, "test aktualizace");
    EXPECT_EQ(bed.ui.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(LocalFileSetting(), kNewerFile);
    const PriceList downloaded = ReadPriceListFile(bed.startup.File(kNewerFile), PersistentClasses());
    EXPECT_EQ(downloaded.CenikId, kNewerLabel);
    EXPECT_EQ(downloaded.materials.size(), 7u);
    EXPECT_EQ(ReadPriceListFile(bed.startup.File("cz.dat"), PersistentClasses()).CenikId, kLocalLabel);
    EXPECT_EQ(server.RequestCount(), 2u);
    EXPECT_TRUE(bed.cenik.materials.empty()) << "the test itself loads nothing";
}

TEST_F(WebPriceList, NothingIsDownloadedWithoutANewerEditionOrTheUsersYes)
{
    const struct {
        const char* name;
        const char* webLabel;
        bool asked;
    } cases[] = {
        {"older", kOlderLabel, false},
        {"the same", kLocalLabel, false},
        {"newer, but the user says no", kNewerLabel, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bed.ui.messages.clear();
        bed.ui.answers = {Answer::No};
        server.ServeFile("/belvo/Karno-CZ-Kc.dat", c.webLabel);
        EXPECT_FALSE(TestAktualizace(kontext, "CZ-Kč"));
        EXPECT_EQ(bed.ui.messages.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(LocalFileSetting(), "cz.dat");
        EXPECT_THAT(StartupFiles(), ElementsAre("cz.dat"));
    }
}

TEST_F(WebPriceList, AWebFileOfAnotherPriceListIsNamedAndNotDownloaded)
{
    server.ServeFile("/belvo/Karno-CZ-Kc.dat", kSlovakLabel);
    EXPECT_FALSE(TestAktualizace(kontext, "CZ-Kč"));
    EXPECT_THAT(bed.ui.MessageLines(),
                ElementsAre("Pozor: nastavený odkaz na aktualizaci přes WWW (url) pro ceník CZ-Kč\r\n"
                            "odkazuje na ceník SK20170102 08:00 (EUR),\r\n"
                            "ale stávající soubor je CZ20160515 14:30 (Kč)"));
    EXPECT_EQ(bed.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_THAT(StartupFiles(), ElementsAre("cz.dat"));
}

TEST_F(WebPriceList, TheOldSingleSetupIsTestedAsTheCzechPriceList)
{
    bed.settings.SetString("Setup", "CenikFileName", "cz.dat");
    bed.settings.SetString("Setup", "CenikUrl", server.Url("/belvo/Karno.dat"));

    server.ServeFile("/belvo/Karno.dat", kNewerLabel);
    EXPECT_TRUE(TestAktualizace(kontext, "Setup")) << "the name Setup is no mismatch";
    EXPECT_EQ(bed.settings.GetString("Setup", "CenikFileName", ""), kNewerFile);

    server.ServeFile("/belvo/Karno.dat", kSlovakLabel);
    bed.ui.messages.clear();
    EXPECT_FALSE(TestAktualizace(kontext, "Setup"));
    ASSERT_EQ(bed.ui.messages.size(), 1u);
    EXPECT_THAT(bed.ui.messages[0].text, HasSubstr("pro ceník CZ-Kč\r\n"));

    // A local file of a section whose name is not its label's section is a mismatch too.
    bed.ui.messages.clear();
    bed.Configure("CZ-EUR", "file", "CenikFileName", "cz.dat");
    bed.settings.SetString("CZ-EUR", "CenikUrl", server.Url("/belvo/Karno.dat"));
    server.ServeFile("/belvo/Karno.dat", kNewerLabel);
    EXPECT_FALSE(TestAktualizace(kontext, "CZ-EUR"));
    EXPECT_THAT(bed.ui.MessageLines().at(0), HasSubstr("pro ceník CZ-EUR\r\n"));
}

TEST_F(WebPriceList, FailuresLeaveTheLocalFilesAsTheyWere)
{
    const LoopbackAnswer full = LoopbackAnswer::Ok(PriceListBytes(kNewerLabel, 50));
    LoopbackAnswer cut = full;
    cut.behaviour = LoopbackAnswer::Behaviour::CutInBody;
    cut.cutAfter = 600;
    const struct {
        const char* name;
        std::vector<LoopbackAnswer> answers;  // the label's request, then the download's
        const char* shown;
    } cases[] = {
        {"404", {LoopbackAnswer::Status(404, "Not Found", "pryč")}, "error: pryč"},
        {"the download breaks off", {full, cut}, "se přerušil"},
        {"no price list on the web", {LoopbackAnswer::Ok("<html>nabídka dne</html>")}, "nelze načíst"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bed.ui.messages.clear();
        bed.ui.answers = {Answer::Yes};
        server.Serve("/belvo/Karno-CZ-Kc.dat", c.answers);
        EXPECT_FALSE(TestAktualizace(kontext, "CZ-Kč"));
        EXPECT_THAT(::testing::PrintToString(bed.ui.MessageLines()), HasSubstr(c.shown));
        EXPECT_EQ(LocalFileSetting(), "cz.dat");
        EXPECT_THAT(StartupFiles(), ElementsAre("cz.dat"));
    }
}

TEST_F(WebPriceList, AMissingLocalFileIsReported)
{
    server.ServeFile("/belvo/Karno-CZ-Kc.dat", kNewerLabel);
    std::filesystem::remove(bed.startup.File("cz.dat"));
    EXPECT_FALSE(TestAktualizace(kontext, "CZ-Kč"));
    ASSERT_EQ(bed.ui.messages.size(), 1u);
    EXPECT_THAT(bed.ui.messages[0].text, HasSubstr("cz.dat"));
    EXPECT_EQ(bed.ui.messages[0].icon, MessageIcon::Error);
}

TEST_F(WebPriceList, ALabelFromTheWebCannotPlaceTheFileOutsideTheStartupDirectory)
{
    // Newer than the local edition and of the same section, but shaped to climb out.
    const std::string hostile = "CZ9\\..\\..\\venku (Kč)/../../x";
    server.ServeFile("/belvo/Karno-CZ-Kc.dat", hostile);
    EXPECT_TRUE(TestAktualizace(kontext, "CZ-Kč"));
    EXPECT_THAT(StartupFiles(), ElementsAre("CZ9_.._.._venku-Kč.dat", "cz.dat"));
    EXPECT_EQ(LocalFileSetting(), "CZ9_.._.._venku-Kč.dat");
    EXPECT_FALSE(std::filesystem::exists(bed.startup.Path().parent_path() / "venku-Kč.dat"));
}

// --- Loading from the web --------------------------------------------------------------------

TEST_F(WebPriceList, AWebSourceLoadsAndRegistersItsAddress)
{
    bed.Configure("SK-EUR", "www", "CenikUrl", server.Url("/chranene/sk.dat"));
    server.ServeFile("/chranene/sk.dat", kSlovakLabel, 4);
    bed.ui.credentials = {Credentials{"jan", "heslo"}};
    bed.document.hasProject = true;

    NactiCenik(kontext, "SK-EUR", false, PriceListSource::BySettings);
    EXPECT_EQ(bed.cenik.CenikId, kSlovakLabel);
    EXPECT_EQ(bed.cenik.materials.size(), 4u);
    EXPECT_EQ(bed.document.projectCenikId, kSlovakLabel);
    EXPECT_EQ(bed.settings.GetString("Setup", "Ceniky", ""), "CZ-Kč;SK-EUR;");
    EXPECT_EQ(bed.settings.GetString("SK-EUR", "CenikUrl", ""), server.Url("/chranene/sk.dat"));

    // A web load that fails leaves the list empty; a 404 says why in the server's words.
    server.Serve("/chranene/sk.dat", LoopbackAnswer::Status(404, "Not Found", "není"));
    bed.ui.credentials = {Credentials{"jan", "heslo"}};
    bed.ui.messages.clear();
    NactiCenik(kontext, "SK-EUR", false, PriceListSource::Web);
    EXPECT_THAT(bed.ui.MessageLines(), ElementsAre("error: není"));
    EXPECT_EQ(bed.cenik.materials.size(), 4u) << "an address that did not open changes nothing";

    LoopbackAnswer cut = LoopbackAnswer::Ok(PriceListBytes(kSlovakLabel, 50));
    cut.behaviour = LoopbackAnswer::Behaviour::CutInBody;
    cut.cutAfter = 700;
    server.Serve("/chranene/sk.dat", cut);
    bed.ui.credentials = {Credentials{"jan", "heslo"}};
    bed.ui.messages.clear();
    NactiCenik(kontext, "SK-EUR", false, PriceListSource::Web);
    EXPECT_TRUE(bed.cenik.materials.empty());
    ASSERT_EQ(bed.ui.messages.size(), 1u);
    EXPECT_THAT(bed.ui.messages[0].text, HasSubstr("/chranene/sk.dat"));
}

TEST_F(WebPriceList, ANewProjectUpdatesItsFileFromTheWebFirst)
{
    server.ServeFile("/belvo/Karno-CZ-Kc.dat", kNewerLabel, 9);
    EXPECT_EQ(NactiAktualniCenik(kontext, true), "CZ-Kč");
    EXPECT_EQ(bed.cenik.CenikId, kNewerLabel);
    EXPECT_EQ(bed.cenik.materials.size(), 9u);
    EXPECT_EQ(LocalFileSetting(), kNewerFile);
}

TEST_F(WebPriceList, TheCommandAsksWhetherToUseTheUpdate)
{
    bed.cenik.CenikId = kLocalLabel;
    server.ServeFile("/belvo/Karno-CZ-Kc.dat", kNewerLabel);
    bed.ui.answers = {Answer::Yes, Answer::No};
    EXPECT_FALSE(TestZInternetu(kontext));
    EXPECT_EQ(bed.ui.MessageLines().back(), "aktualizace: Cenik zaktualizován, použít v aktuálním projektu ?");

    server.ServeFile("/belvo/Karno-CZ-Kc.dat", "CZ20180101 08:00 (Kč)/KLIC");
    bed.ui.answers = {Answer::Yes, Answer::Yes};
    EXPECT_TRUE(TestZInternetu(kontext));
}

}  // namespace
}  // namespace belvo
