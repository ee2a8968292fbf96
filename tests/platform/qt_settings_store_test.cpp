#include "platform/qt/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <atomic>

#include <gtest/gtest.h>

#include "support/settings_store_contract.h"

namespace belvo {
namespace {

using testing_support::SettingsStoreContract;
using testing_support::StoreFactory;

QTemporaryDir& TempDir()
{
    static QTemporaryDir dir;
    return dir;
}

std::string TempPath(const QString& name) { return TempDir().filePath(name).toStdString(); }

std::string FreshIniPath()
{
    static std::atomic<int> counter{0};
    return TempPath(QStringLiteral("store%1.ini").arg(++counter));
}

std::string ReadFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A copy of the file under a new name: QSettings caches the files it has read within a process,
// and a copy can only be read from the disk.
std::string CopyOf(const std::string& path)
{
    const std::string copy = FreshIniPath();
    EXPECT_TRUE(QFile::copy(QString::fromStdString(path), QString::fromStdString(copy)));
    return copy;
}

INSTANTIATE_TEST_SUITE_P(Ini, SettingsStoreContract,
                         ::testing::Values(StoreFactory{
                             "Ini", [] { return std::make_unique<QtSettingsStore>(FreshIniPath()); }}),
                         testing_support::StoreName);

TEST(QtSettingsStore, IniFileReadsBackEveryValue)
{
    struct Value {
        std::string section;
        std::string key;
        std::string text;
    };
    const Value texts[] = {
        {"Setup", "Autor", "Jiří Černý ~ STROJ"},
        {"Setup", "Ceniky", "CZ-Kč;SK-EUR;A/B;"},
        {"CZ-Kč", "DPH", "20,0"},
        {"CZ-Kč", "CenikUrl", "http://ceniky.example.invalid/belvo/Karno-CZ-Kc.dat"},
        {"A/B", "CenikFileName", "C:\\Ceniky\\Karno.dat"},
        {"Zaokrouhlovani", "Text6", "Belvo rohová 90°"},
        {"General", "Poznámka", "skupina General je obyčejná sekce"},
        {"Setup", "Prazdny", ""},
    };
    const std::string path = FreshIniPath();
    {
        QtSettingsStore store(path);
        for (const Value& v : texts) store.SetString(v.section, v.key, v.text);
        store.SetInt("Setup", "ColorRound", 0xBFBFFF);
        store.SetInt("Zaokrouhlovani", "Skupina1", -1);
        EXPECT_EQ(store.Flush(), "");
    }
    QtSettingsStore reread(CopyOf(path));
    for (const Value& v : texts)
        EXPECT_EQ(reread.GetString(v.section, v.key, "?"), v.text) << v.section << '/' << v.key;
    EXPECT_EQ(reread.GetInt("Setup", "ColorRound", 0), 0xBFBFFF);
    EXPECT_EQ(reread.GetInt("Zaokrouhlovani", "Skupina1", 0), -1);
    std::vector<std::string> sections = reread.SectionNames();
    std::sort(sections.begin(), sections.end());
    EXPECT_EQ(sections,
              (std::vector<std::string>{"A/B", "CZ-Kč", "General", "Setup", "Zaokrouhlovani"}));
}

TEST(QtSettingsStore, IniFileKeepsTheFirstSpellingOfAKey)
{
    const std::string path = FreshIniPath();
    {
        QtSettingsStore store(path);
        store.SetString("Setup", "CenikUrl", "a");
        store.SetString("SETUP", "CENIKURL", "b");
        store.Flush();
    }
    const std::string text = ReadFile(path);
    EXPECT_NE(text.find("[Setup]"), std::string::npos) << text;
    EXPECT_NE(text.find("CenikUrl=b"), std::string::npos) << text;
    EXPECT_EQ(text.find("CENIKURL"), std::string::npos) << text;
    EXPECT_EQ(text.find("SETUP"), std::string::npos) << text;
}

TEST(QtSettingsStore, SlashInASectionNameMakesNoNestedGroup)
{
    const std::string path = FreshIniPath();
    {
        QtSettingsStore store(path);
        store.SetString("A/B", "k", "v");
        store.Flush();
    }
    QSettings raw(QString::fromStdString(CopyOf(path)), QSettings::IniFormat);
    EXPECT_EQ(raw.childGroups().size(), 1);
    EXPECT_FALSE(raw.childGroups().contains(QStringLiteral("A")));
}

TEST(QtSettingsStore, ReadsAHandWrittenIniFile)
{
    const std::string path = FreshIniPath();
    WriteFile(path,
              "[setup]\n"
              "DPH=20,5\n"                  // unquoted comma: QSettings reads a list
              "CENIKURL=http://x/y.dat\n"
              "IdNavrhu=12\n"
              "ColorRound=0xBFBFFF\n"
              "ColorRoundNe=modrá\n"
              "Autor=Jan Novák\n"
              "\n"
              "[CZ-K%U010D]\n"
              "Atyp=\"20\"\n"
              "[sk-eur]\n"
              "Sleva = 5\n");
    QtSettingsStore store(path);
    EXPECT_EQ(store.GetString("Setup", "DPH", ""), "20,5");
    EXPECT_EQ(store.GetString("Setup", "CenikUrl", ""), "http://x/y.dat");
    EXPECT_EQ(store.GetInt("Setup", "IdNavrhu", 0), 12);
    EXPECT_EQ(store.GetInt("Setup", "ColorRound", 0), 0xBFBFFF);
    EXPECT_EQ(store.GetInt("Setup", "ColorRoundNe", 7), 7) << "a text that is no number";
    EXPECT_EQ(store.GetString("Setup", "Autor", ""), "Jan Novák");
    EXPECT_EQ(store.GetString("CZ-Kč", "Atyp", ""), "20");
    EXPECT_EQ(store.GetString("SK-EUR", "Sleva", ""), "5");
    EXPECT_EQ(store.Flush(), "");
}

TEST(QtSettingsStore, SpellingsOfOneKeyInAHandWrittenFileBecomeOne)
{
    const std::string path = FreshIniPath();
    WriteFile(path, "[Setup]\nCenikUrl=a\nCENIKURL=b\nDPH=19\n");
    {
        QtSettingsStore store(path);
        store.SetString("Setup", "cenikurl", "c");
        EXPECT_EQ(store.GetString("Setup", "CenikUrl", ""), "c");
        store.Flush();
    }
    QSettings raw(QString::fromStdString(CopyOf(path)), QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("Setup"));
    EXPECT_EQ(raw.childKeys().size(), 2) << raw.childKeys().join(u' ').toStdString();
    raw.endGroup();

    QtSettingsStore store(path);
    store.Remove("Setup", "CENIKurl");
    EXPECT_FALSE(store.HasKey("Setup", "CenikUrl"));
    EXPECT_EQ(store.GetString("Setup", "DPH", ""), "19");
}

TEST(QtSettingsStore, UsersStoreIsVexaKarno)
{
    // The user's store of this test program lives in its temporary folder (for the rest of the
    // run too: the path is process-wide), never in the real home folder.
    const QString home = TempDir().filePath(QStringLiteral("config"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home);
    {
        QtSettingsStore store;
        store.SetString("Setup", "Version", "2016-05-15");
        EXPECT_EQ(store.Flush(), "");
    }
    const QString file = QDir(home).filePath(QStringLiteral("Vexa/Karno.conf"));
    ASSERT_TRUE(QFile::exists(file));
    QtSettingsStore again;
    EXPECT_EQ(again.GetString("setup", "version", ""), "2016-05-15");
}

TEST(QtSettingsStore, FlushNamesAFileThatCannotBeWritten)
{
    const std::string blocker = TempPath(QStringLiteral("soubor"));
    WriteFile(blocker, "x");
    QtSettingsStore store(blocker + "/nastaveni.ini");  // a folder that is a file
    store.SetString("Setup", "Autor", "x");
    const std::string problem = store.Flush();
    EXPECT_NE(problem.find("nastaveni.ini"), std::string::npos) << problem;
}

}  // namespace
}  // namespace belvo
