// Stopping long work in its progress window: a database import through the unixODBC driver
// manager and the SQLite driver, and downloads from a loopback web server. Whatever the user
// stops leaves the price list, the project's label, the settings and the modified flag as they
// were, and shows no error.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <mutex>

#include "document/document_fixture.h"
#include "platform/karno_test_database.h"
#include "platform/loopback_http_server.h"
#include "platform/odbc/odbc_database.h"
#include "platform/qt/qt_http_client.h"
#include "platform/qt_application.h"

namespace belvo {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using test::LoopbackAnswer;
using test::LoopbackRequest;

constexpr const char* kWebLabel = "CZ20170102 08:00 (Kč)/K1";

// Every value of the store, as "section/key" → text.
std::map<std::string, std::string> Everything(const MemorySettingsStore& store)
{
    std::map<std::string, std::string> values;
    for (const std::string& section : store.SectionNames())
        for (const std::string& key : store.KeyNames(section))
            values[section + "/" + key] = store.GetString(section, key, "");
    return values;
}

std::vector<std::string> FilesIn(const std::filesystem::path& directory)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(directory)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The bytes of a price-list file large enough to arrive in many pieces.
std::string LargePriceList(const std::string& label)
{
    test::TempDir dir;
    const std::string path = dir.File("web.dat");
    WritePriceListFile(path, label, test::SampleMaterials(3000, 500), test::TestClasses());
    return test::TempDir::ReadBytes(path);
}

class StoppedLongWork : public test::DocumentTest {
protected:
    static void SetUpTestSuite() { app = test::EnsureCoreApplication(); }
    static void TearDownTestSuite() { app.reset(); }
    static std::unique_ptr<QCoreApplication> app;

    static QtHttpOptions Options()
    {
        QtHttpOptions options;
        options.idleTimeout = std::chrono::milliseconds(5000);
        options.proxy = QNetworkProxy(QNetworkProxy::NoProxy);
        return options;
    }

    StoppedLongWork()
    {
        sandbox.AddDataSource("KarnoTest", test::CreateKarnoDatabase(sandbox, "karno.db"));
        settings.SetString("CZ-Kč", "CenikUrl", server.Url("/belvo/Karno-CZ-Kc.dat"));
        const DocumentEnvironment environment{ui,   settings,  system, test::TestClasses(),
                                              shell, http, &database, startup.Path().string()};
        document = std::make_unique<CBelvoDoc>(environment, otherViews.Views());
        const std::string path = WriteProject(test::SampleProject());
        EXPECT_TRUE(document->OnOpenDocument(path));
        document->SetModifiedFlag(false);
        ui.messages.clear();
        before = Everything(settings);
    }

    // What a stopped command must leave as it found it.
    void ExpectNothingChanged() const
    {
        EXPECT_EQ(document->Cenik().CenikId, test::kTestCenikId);
        EXPECT_EQ(document->Cenik().materials.size(), 3u);
        EXPECT_EQ(document->Projekt()->CenikId, test::kTestCenikId);
        EXPECT_FALSE(document->IsModified());
        EXPECT_EQ(Everything(settings), before);
        EXPECT_THAT(ui.MessageLines(), IsEmpty());
        EXPECT_THAT(ui.tables, IsEmpty()) << "the project is not checked again";
        EXPECT_EQ(ui.progressDepth, 0) << "the progress window is closed";
        EXPECT_EQ(ui.waitDepth, 0);
    }

    LoopbackAnswer Answer(const LoopbackRequest& request)
    {
        const std::lock_guard lock(mutex);
        const auto found = files.find(request.target);
        if (found == files.end()) return LoopbackAnswer::Status(404, "Not Found");
        return LoopbackAnswer::Ok(found->second);
    }
    void Serve(const std::string& path, std::string bytes)
    {
        const std::lock_guard lock(mutex);
        files[path] = std::move(bytes);
    }

    std::mutex mutex;
    std::map<std::string, std::string> files;
    test::LoopbackHttpServer server{[this](const LoopbackRequest& request) { return Answer(request); }};
    QtHttpClient http{Options()};
    test::OdbcSandbox sandbox;
    OdbcDatabase database;
    test::RecordingViews otherViews;
    std::unique_ptr<CBelvoDoc> document;
    std::map<std::string, std::string> before;
};
std::unique_ptr<QCoreApplication> StoppedLongWork::app;

TEST_F(StoppedLongWork, ADatabaseImport)
{
    ui.choices = {0};      // the data source "KarnoTest"
    ui.stopAtReport = 3;   // while the queries run
    document->OnNactiZDatabaze();
    EXPECT_THAT(ui.progressTexts, ElementsAre("Načítání ceníku z databáze ..."));
    EXPECT_EQ(ui.progressReports.size(), 3u);
    EXPECT_FALSE(database.IsOpen());
    ExpectNothingChanged();
    EXPECT_EQ(document->ConnectionText(), "") << "no connection is kept for the settings";

    // The same import, not stopped, brings the database's price list.
    ui.choices = {0};
    ui.stopAtReport.reset();
    document->OnNactiZDatabaze();
    EXPECT_EQ(document->Cenik().materials.size(), 9u);
    EXPECT_TRUE(document->IsModified());
}

TEST_F(StoppedLongWork, ADownloadOfThePriceList)
{
    Serve("/belvo/Karno-CZ-Kc.dat", LargePriceList(kWebLabel));
    ui.stopAtReport = 2;
    document->OnNactiZInternetu();
    ASSERT_EQ(ui.progressReports.size(), 2u);
    EXPECT_GT(ui.progressReports[1].first, ui.progressReports[0].first) << "what has arrived grows";
    EXPECT_EQ(ui.progressReports[0].second, LargePriceList(kWebLabel).size()) << "of the announced length";
    ExpectNothingChanged();

    ui.stopAtReport.reset();
    document->OnNactiZInternetu();
    EXPECT_EQ(document->Cenik().CenikId, kWebLabel);
    EXPECT_EQ(document->Cenik().materials.size(), 3000u);
}

TEST_F(StoppedLongWork, TheDownloadOfTheUpdateTest)
{
    Serve("/belvo/Karno-CZ-Kc.dat", LargePriceList(kWebLabel));
    const std::vector<std::string> startupFiles = FilesIn(startup.Path());
    ui.answers = {Answer::Yes};  // download the newer price list
    ui.stopAtReport = 2;
    document->OnTestZInternetu();
    // The offer was made, and the download stopped: no file, no new setting, no second question.
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].caption, "test aktualizace");
    ui.messages.clear();
    EXPECT_EQ(FilesIn(startup.Path()), startupFiles);
    ExpectNothingChanged();
}

TEST_F(StoppedLongWork, ANewProjectKeepsThePriceListLoadedBefore)
{
    Serve("/belvo/Karno-CZ-Kc.dat", LargePriceList(kWebLabel));
    settings.SetString("CZ-Kč", "CenikRadio", "www");
    settings.SetString("Setup", "Autor", "Novák");  // a new project would write an author otherwise
    before = Everything(settings);
    ui.stopAtReport = 1;
    document->OnNewDocument();
    ASSERT_NE(document->Projekt(), nullptr);
    EXPECT_EQ(document->Projekt()->CenikId, test::kTestCenikId);
    EXPECT_EQ(document->Cenik().materials.size(), 3u);
    EXPECT_THAT(ui.MessageLines(), IsEmpty()) << "no \"Nelze načíst ceník\" after a stop";
    EXPECT_EQ(Everything(settings), before);
}

}  // namespace
}  // namespace belvo
