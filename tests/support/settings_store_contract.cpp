#include "support/settings_store_contract.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace belvo::testing_support {
namespace {

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

TEST_P(SettingsStoreContract, MissingValuesYieldTheCallersDefault)
{
    EXPECT_EQ(store->GetString("Setup", "Autor", "nikdo"), "nikdo");
    EXPECT_EQ(store->GetInt("Setup", "IdNavrhu", 7), 7);
    EXPECT_FALSE(store->HasKey("Setup", "Autor"));
    store->SetString("Setup", "Autor", "");
    EXPECT_TRUE(store->HasKey("Setup", "Autor"));
    EXPECT_EQ(store->GetString("Setup", "Autor", "nikdo"), "") << "an empty text is a value";
}

TEST_P(SettingsStoreContract, KeyNamesIgnoreCase)
{
    store->SetString("CZ-Kč", "CenikUrl", "http://a/");
    EXPECT_EQ(store->GetString("CZ-Kč", "CenikURL", ""), "http://a/");
    EXPECT_EQ(store->GetString("CZ-Kč", "cenikurl", ""), "http://a/");

    // Writing under another spelling replaces the value instead of adding a second one.
    store->SetString("CZ-Kč", "CENIKURL", "http://b/");
    EXPECT_EQ(store->GetString("CZ-Kč", "CenikUrl", ""), "http://b/");
    store->Remove("CZ-Kč", "cenikUrl");
    EXPECT_FALSE(store->HasKey("CZ-Kč", "CenikUrl"));
    EXPECT_FALSE(store->HasKey("CZ-Kč", "CENIKURL"));
}

TEST_P(SettingsStoreContract, SectionNamesIgnoreCase)
{
    store->SetString("Setup", "Autor", "Jan");
    EXPECT_EQ(store->GetString("SETUP", "autor", ""), "Jan");
    store->RemoveSection("setup");
    EXPECT_FALSE(store->HasKey("Setup", "Autor"));
}

TEST_P(SettingsStoreContract, NullTextDeletesTheKey)
{
    store->SetString("Setup", "CenikVychozi", "CZ-Kč");
    store->SetString("Setup", "Ceniky", "CZ-Kč;");
    store->SetString("Setup", "CenikVychozi", std::nullopt);
    EXPECT_FALSE(store->HasKey("Setup", "CenikVychozi"));
    EXPECT_EQ(store->GetString("Setup", "CenikVychozi", "výchozí"), "výchozí");
    EXPECT_EQ(store->GetString("Setup", "Ceniky", ""), "CZ-Kč;") << "other keys stay";
    store->SetString("Setup", "Nic", std::nullopt);  // deleting a missing key is harmless
    EXPECT_FALSE(store->HasKey("Setup", "Nic"));
}

TEST_P(SettingsStoreContract, TextReadAsInteger)
{
    struct Case {
        const char* stored;
        int expected;  // the default -1 when the text is no integer
    };
    const Case cases[] = {
        {"12", 12},           {" 12 ", 12},
        {"+12", 12},          {"-5", -5},
        {"0", 0},             {"0xEFFFEF", 0xEFFFEF},
        {"0Xbfbfff", 0xBFBFFF}, {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN}, {"2147483648", -1},
        {"99999999999999999999", -1}, {"12abc", -1},
        {"1 2", -1},          {"12,5", -1},
        {"", -1},             {"-", -1},
        {"0x", -1},           {"abc", -1},
    };
    for (const Case& c : cases) {
        store->SetString("Setup", "IdNavrhu", c.stored);
        EXPECT_EQ(store->GetInt("Setup", "IdNavrhu", -1), c.expected) << '"' << c.stored << '"';
    }
}

TEST_P(SettingsStoreContract, IntegerReadAsText)
{
    for (const int value : {0, 42, -3, INT_MAX, INT_MIN}) {
        store->SetInt("Setup", "IdNavrhu", value);
        EXPECT_EQ(store->GetInt("Setup", "IdNavrhu", 1), value);
        EXPECT_EQ(store->GetString("Setup", "IdNavrhu", ""), std::to_string(value));
    }
}

TEST_P(SettingsStoreContract, TextsKeepEveryCharacter)
{
    const std::string texts[] = {
        "Belvo rohová 90°", "CZ-Kč;SK-EUR;", "20,0", "a=b", "@začátek", "  mezery  ",
        "řádek 1\r\nřádek 2", "\"uvozovky\"", "x\\y/z", "#;[]",
    };
    for (const std::string& text : texts) {
        store->SetString("Setup", "Autor", text);
        EXPECT_EQ(store->GetString("Setup", "Autor", "?"), text);
    }
}

TEST_P(SettingsStoreContract, SectionNamesWithSlashesDoNotNest)
{
    store->SetString("A/B", "k", "flat");
    store->SetString("A\\C", "k", "flat too");
    store->SetString("A", "B/k", "key with a slash");
    store->SetString("A", "x", "plain");

    EXPECT_EQ(store->GetString("A/B", "k", ""), "flat");
    EXPECT_EQ(store->GetString("A\\C", "k", ""), "flat too");
    EXPECT_EQ(store->GetString("A", "B/k", ""), "key with a slash");
    EXPECT_FALSE(store->HasKey("A", "k"));
    EXPECT_FALSE(store->HasKey("A/C", "k")) << "a slash and a backslash are different names";

    const std::vector<std::string> sections = store->SectionNames();
    EXPECT_TRUE(Contains(sections, "A/B"));
    EXPECT_TRUE(Contains(sections, "A\\C"));
    EXPECT_TRUE(Contains(sections, "A"));
    EXPECT_EQ(sections.size(), 3u);

    store->RemoveSection("A/B");
    EXPECT_FALSE(store->HasKey("A/B", "k"));
    EXPECT_EQ(store->GetString("A", "B/k", ""), "key with a slash");
    EXPECT_EQ(store->GetString("A\\C", "k", ""), "flat too");
    store->RemoveSection("A");
    EXPECT_EQ(store->GetString("A\\C", "k", ""), "flat too") << "not a subsection of A";
}

TEST_P(SettingsStoreContract, OddSectionNamesStayApart)
{
    const std::string names[] = {"", "%", "%2F", "General", "CZ-Kč", "SK-EUR", "a b", "[x]"};
    for (const std::string& name : names) store->SetString(name, "Sekce", name);
    for (const std::string& name : names) EXPECT_EQ(store->GetString(name, "Sekce", "?"), name);
    const std::vector<std::string> sections = store->SectionNames();
    for (const std::string& name : names) EXPECT_TRUE(Contains(sections, name)) << '"' << name << '"';
}

TEST_P(SettingsStoreContract, RemovingASectionKeepsTheOthers)
{
    store->SetString("CZ-Kč", "DPH", "20,0");
    store->SetInt("CZ-Kč", "Pocet", 3);
    store->SetString("SK-EUR", "DPH", "20");
    store->RemoveSection("CZ-Kč");
    EXPECT_FALSE(store->HasKey("CZ-Kč", "DPH"));
    EXPECT_FALSE(store->HasKey("CZ-Kč", "Pocet"));
    EXPECT_FALSE(Contains(store->SectionNames(), "CZ-Kč"));
    EXPECT_EQ(store->GetString("SK-EUR", "DPH", ""), "20");
    store->RemoveSection("Nikde");  // harmless

    store->Remove("SK-EUR", "DPH");
    EXPECT_FALSE(Contains(store->SectionNames(), "SK-EUR")) << "a section without values is gone";
}

}  // namespace
}  // namespace belvo::testing_support
