// The built `belvo` program in export mode, against data sources that the test defines, and its
// answer without the export switch.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include "catalogue/catalogue_classes.h"
#include "catalogue/price_list_file.h"
#include "platform/karno_test_database.h"

namespace belvo {
namespace {

using test::OdbcSandbox;
using ::testing::HasSubstr;

struct BelvoRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs belvo with the arguments in `startup` as its current directory, with `extra` added to
// the environment. The child inherits the sandbox's ODBC configuration through the environment.
BelvoRun RunBelvo(const QStringList& arguments, const std::filesystem::path& startup,
                  const QProcessEnvironment& extra = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(QString::fromStdString(startup.string()));
    process.start(QStringLiteral(BELVO_PATH), arguments);
    BelvoRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        run.err = "belvo did not run to its end";
        return run;
    }
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

class ExportModeTest : public ::testing::Test {
protected:
    OdbcSandbox sandbox;
    std::filesystem::path startup = sandbox.Dir() / "start";

    void SetUp() override { std::filesystem::create_directory(startup); }

    PriceList ReadBack(const std::string& fileName) const
    {
        ClassRegistry classes;
        RegisterCatalogueClasses(classes);
        return ReadPriceListFile((startup / fileName).string(), classes);
    }
};

TEST_F(ExportModeTest, WritesThePriceListNamedAfterTheDataSourceAndExitsZero)
{
    sandbox.AddDataSource("Karno CZ", test::CreateKarnoDatabase(sandbox, "karno.db"));
    const BelvoRun run = RunBelvo({"-export", "DSN=Karno CZ"}, startup);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    // The file name turns the space into "-"; the label is the data-source name itself.
    const PriceList written = ReadBack("Karno-CZ.dat");
    EXPECT_EQ(written.CenikId, "Karno CZ");
    ASSERT_EQ(written.materials.size(), 9u);
    EXPECT_EQ(written.materials[0].ObjCislo, ".");
    EXPECT_EQ(written.materials[3].Nazev, "Cihla plná CP 29 – žluťoučká");
    EXPECT_FALSE(std::filesystem::exists(startup / "Karno CZ.dat"));
}

TEST_F(ExportModeTest, TheSwitchMayArriveAsOneArgumentAndTheSourceByItsName)
{
    sandbox.AddDataSource("Karno", test::CreateKarnoDatabase(sandbox, "karno.db"));
    for (const QStringList& arguments : {QStringList{"-export DSN=Karno"}, QStringList{"-export", "Karno"}}) {
        std::filesystem::remove(startup / "Karno.dat");
        EXPECT_EQ(RunBelvo(arguments, startup).exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_EQ(ReadBack("Karno.dat").CenikId, "Karno");
    }
}

TEST_F(ExportModeTest, ExitCodesTellWhatWentWrong)
{
    sandbox.AddDataSource("Karno", test::CreateKarnoDatabase(sandbox, "karno.db"));
    sandbox.AddDataSource("Prazdna", sandbox.RunSqlite("prazdna.db", test::KarnoSchema() +
                                                                         "insert into cenik values ('CZ', 'Kč', '');"));
    sandbox.AddDataSource("Rozbita", test::CreateKarnoDatabase(sandbox, "rozbita.db", "drop table panely;"));
    sandbox.AddDataSource("BezCeniku", test::CreateKarnoDatabase(sandbox, "bezceniku.db", "delete from cenik;"));
    // The file of "Blokovana" cannot be written: a folder of that name stands in its way.
    sandbox.AddDataSource("Blokovana", test::CreateKarnoDatabase(sandbox, "blokovana.db"));
    std::filesystem::create_directory(startup / "Blokovana.dat");

    struct Case {
        const char* connection;
        int exitCode;
        const char* said;
    };
    const Case cases[] = {
        {"DSN=Neznama", 1, "IM002"},              // the connection cannot be opened
        {"", 1, ""},                               // no data source and nobody to ask
        {"DSN=Prazdna", 1, "žádný materiál"},      // the database gives no materials
        {"DSN=Blokovana", 2, "Blokovana.dat"},     // the file cannot be written
        {"DSN=Rozbita", 3, "panely"},              // a query fails
        {"DSN=BezCeniku", 3, "cenik"},             // the price list's row is missing
    };
    for (const Case& c : cases) {
        const BelvoRun run = RunBelvo({"-export", c.connection}, startup);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.connection << ": " << run.err;
        EXPECT_THAT(run.err, HasSubstr(c.said)) << c.connection;
    }
    EXPECT_TRUE(std::filesystem::is_directory(startup / "Blokovana.dat"));
    EXPECT_FALSE(std::filesystem::exists(startup / "Prazdna.dat"));
    EXPECT_FALSE(std::filesystem::exists(startup / "Rozbita.dat"));
}

TEST_F(ExportModeTest, WithoutTheExactSwitchTheDesktopProgramStarts)
{
    sandbox.AddDataSource("Karno", test::CreateKarnoDatabase(sandbox, "karno.db"));
    // The desktop program with settings set up before (no start-up dialog), telling when its
    // window is first painted and then ending.
    const std::filesystem::path config = sandbox.Dir() / "config";
    QProcess prepare;
    prepare.start(QStringLiteral(BELVO_PREPARE_RUN_SETTINGS),
                  {QStringLiteral(BELVO_BUILD_DIR "/data/demo.dat"), QString::fromStdString((config / "Vexa" / "Karno.conf").string())});
    ASSERT_TRUE(prepare.waitForFinished(60000));
    ASSERT_EQ(prepare.exitCode(), 0);
    QProcessEnvironment desktop;
    desktop.insert("XDG_CONFIG_HOME", QString::fromStdString(config.string()));
    desktop.insert("BELVO_STARTUP_PROBE", "1");
    desktop.insert("QT_QPA_PLATFORM", "offscreen");

    const QString house = QStringLiteral(BELVO_BUILD_DIR "/data/demo-dum.kar");
    for (const QStringList& arguments : {QStringList{}, QStringList{"-EXPORT", house}, QStringList{"-export"},
                                         QStringList{house}}) {
        const BelvoRun run = RunBelvo(arguments, startup, desktop);
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << ": " << run.err;
        EXPECT_THAT(run.out, HasSubstr("first-paint ")) << arguments.join(' ').toStdString();
    }
    // No price list was exported.
    EXPECT_TRUE(std::filesystem::is_empty(startup));
}

}  // namespace
}  // namespace belvo
