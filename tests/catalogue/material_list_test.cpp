#include "catalogue/material_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/catalogue_fixtures.h"

namespace belvo {
namespace {

std::unique_ptr<CMaterial> Row(const std::string& objCislo, CCislo otoceni = CCislo(0), CCislo skupina = CCislo(1),
                               const std::string& nazev = "")
{
    auto m = std::make_unique<CMaterial>();
    m->ObjCislo = objCislo;
    m->Otoceni = otoceni;
    m->Skupina = skupina;
    m->Nazev = nazev.empty() ? objCislo + "/" + otoceni.Format(Separators{}, CCislo::kPoint) : nazev;
    return m;
}

std::vector<std::string> Names(const CMaterialList& list)
{
    std::vector<std::string> names;
    for (const CMaterial& m : list) names.push_back(m.Nazev);
    return names;
}

// A list as a file holds it: a material with its rotated rows, one only rotated, special rows.
class MaterialListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        list.Append(Row("100", 0));
        list.Append(Row("100", 1));
        list.Append(Row("100", 2));
        list.Append(Row("200", 1));  // no row of rotation 0
        list.Append(Row("abc", 0, CCislo(38)));
        list.Append(Row(".", CCislo(), CCislo(-499)));
        list.Append(Row("100", 0, CCislo(1), "duplicate"));  // a later plain row of the same number
    }
    CMaterialList list;
};

TEST_F(MaterialListTest, FindByOrderNumberReturnsTheFirstRow)
{
    ASSERT_NE(list.Find("100"), nullptr);
    EXPECT_EQ(list.Find("100")->Nazev, "100/0");
    EXPECT_EQ(list.Find("200")->Nazev, "200/1");
    EXPECT_EQ(list.Find("abc")->Nazev, "abc/0");
    EXPECT_EQ(list.Find("ABC"), nullptr);  // exact, case included
    EXPECT_EQ(list.Find("10"), nullptr);
    EXPECT_EQ(list.Find(""), nullptr);
    EXPECT_EQ(list.IndexOf("200"), 3u);
    EXPECT_EQ(list.IndexOf("999"), CMaterialList::npos);
}

TEST_F(MaterialListTest, FindByOrderNumberAndRotation)
{
    EXPECT_EQ(list.Find("100", CCislo(0))->Nazev, "100/0");
    EXPECT_EQ(list.Find("100", CCislo(1))->Nazev, "100/1");
    EXPECT_EQ(list.Find("100", CCislo(2))->Nazev, "100/2");
    EXPECT_EQ(list.Find("100", CCislo(10, 1))->Nazev, "100/1");  // decimal comparison
    EXPECT_EQ(list.Find("100", CCislo(3)), nullptr);
    EXPECT_EQ(list.Find("200", CCislo(0)), nullptr);
    EXPECT_EQ(list.Find("200", CCislo(1))->Nazev, "200/1");
    EXPECT_EQ(list.Find(".", CCislo(0))->Skupina, CCislo(-499));  // a null rotation compares as 0
    EXPECT_EQ(list.Find("999", CCislo(0)), nullptr);
}

TEST_F(MaterialListTest, HasGroup)
{
    EXPECT_TRUE(list.HasGroup(1));
    EXPECT_TRUE(list.HasGroup(38));
    EXPECT_TRUE(list.HasGroup(-499));
    EXPECT_FALSE(list.HasGroup(499));
    EXPECT_FALSE(list.HasGroup(0));

    CMaterialList other;
    EXPECT_FALSE(other.HasGroup(0));
    other.Append(Row("1", CCislo(0), CCislo(90, 1)));  // 9.0 is group 9
    other.Append(Row("2", CCislo(0), CCislo(15, 1)));  // 1.5 is no group
    other.Append(Row("3", CCislo(0), CCislo()));       // null counts as 0
    EXPECT_TRUE(other.HasGroup(9));
    EXPECT_FALSE(other.HasGroup(1));
    EXPECT_FALSE(other.HasGroup(2));
    EXPECT_TRUE(other.HasGroup(0));
}

std::vector<std::string> ObjCisla(const CMaterialList::Selection& selection)
{
    std::vector<std::string> numbers;
    for (const CMaterial& m : selection) numbers.push_back(m.ObjCislo);
    return numbers;
}

// The group and family lookups give what a walk over the whole list gives, in list order: groups
// and codes are compared by value, a null group or code counts as 0, a code listed twice in one
// record names the record once.
TEST(MaterialList, GroupAndFamilyLookupsMatchAWalkOverTheList)
{
    struct Record {
        const char* objCislo;
        CCislo skupina;
        const char* zaklMat;
    } const records[] = {
        {"a", CCislo(1), "12"},        {"b", CCislo(90, 1), "12;15"}, {"c", CCislo(15, 1), "15;"},
        {"d", CCislo(), ""},           {"e", CCislo(1), " 12 ; 12"}, {"f", CCislo(-38), "12.50"},
        {"g", CCislo(9), "12.5;0"},    {"h", CCislo(1), "12,5"},      {"i", CCislo(0), "abc"},
    };
    CMaterialList list;
    for (const Record& r : records) {
        auto m = Row(r.objCislo, CCislo(0), r.skupina);
        m->ZaklMat = r.zaklMat;
        list.Append(std::move(m));
    }
    for (const CCislo& group : {CCislo(1), CCislo(9), CCislo(15, 1), CCislo(0), CCislo(-38), CCislo(2)}) {
        std::vector<std::string> walked;
        for (const CMaterial& m : list)
            if (m.Skupina == group) walked.push_back(m.ObjCislo);
        EXPECT_EQ(ObjCisla(list.InGroup(group)), walked) << group.Format(Separators{});
    }
    for (const char* code : {"12", "12,5", "15", "0", "", "1", "12,50"}) {
        std::vector<std::string> walked;
        for (const CMaterial& m : list)
            if (m.PatriDoRodiny(code)) walked.push_back(m.ObjCislo);
        EXPECT_EQ(ObjCisla(list.InFamily(CMaterial::CtiKodRodiny(code))), walked) << '"' << code << '"';
    }
    EXPECT_EQ(ObjCisla(list.InGroup(CCislo(1))), (std::vector<std::string>{"a", "e", "h"}));
    EXPECT_EQ(ObjCisla(list.InFamily(CCislo(12))), (std::vector<std::string>{"a", "b", "e"}));
    EXPECT_EQ(ObjCisla(list.InFamily(CCislo(125, 1))), (std::vector<std::string>{"f", "g", "h"}));
    EXPECT_EQ(ObjCisla(list.InFamily(CCislo(0))), (std::vector<std::string>{"c", "d", "g", "i"}));
}

// Every change is seen by the next lookup.
TEST_F(MaterialListTest, LookupsFollowChanges)
{
    EXPECT_EQ(list.Find("100")->Nazev, "100/0");
    list.Remove(0);
    EXPECT_EQ(list.Find("100")->Nazev, "100/1");
    EXPECT_EQ(list.Find("100", CCislo(0))->Nazev, "duplicate");

    list.Insert(0, Row("100", 0, CCislo(1), "new first"));
    EXPECT_EQ(list.Find("100")->Nazev, "new first");

    auto old = list.Replace(4, Row("xyz", 0, CCislo(81)));
    EXPECT_EQ(old->ObjCislo, "abc");
    EXPECT_EQ(list.Find("abc"), nullptr);
    EXPECT_NE(list.Find("xyz"), nullptr);
    EXPECT_FALSE(list.HasGroup(38));
    EXPECT_TRUE(list.HasGroup(81));

    list.Append(Row("new", 0, CCislo(600)));
    EXPECT_TRUE(list.HasGroup(600));
    EXPECT_EQ(list.IndexOf("new"), list.size() - 1);

    auto family = Row("fam", 0, CCislo(1));
    family->ZaklMat = "7";
    list.Append(std::move(family));
    EXPECT_EQ(ObjCisla(list.InFamily(CCislo(7))), std::vector<std::string>{"fam"});
    EXPECT_EQ(ObjCisla(list.InGroup(CCislo(600))), std::vector<std::string>{"new"});
    list.Remove(list.size() - 1);
    EXPECT_TRUE(list.InFamily(CCislo(7)).empty());

    list.Clear();
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.Find("100"), nullptr);
    EXPECT_FALSE(list.HasGroup(1));
    EXPECT_TRUE(list.InGroup(CCislo(1)).empty());
}

TEST_F(MaterialListTest, CopyIsDeepAndIndexedOnItsOwn)
{
    CMaterialList copy(list);
    list.Clear();
    ASSERT_EQ(copy.size(), 7u);
    EXPECT_EQ(copy.Find("100", CCislo(2))->Nazev, "100/2");
    CMaterialList moved(std::move(copy));
    EXPECT_EQ(moved.Find("200")->Nazev, "200/1");
}

TEST(MaterialList, RefusesNullRecordsAndBadPositions)
{
    CMaterialList list;
    EXPECT_THROW(list.Append(nullptr), std::invalid_argument);
    EXPECT_THROW(list.Insert(1, Row("1")), std::out_of_range);
    EXPECT_THROW(list.Remove(0), std::out_of_range);
    EXPECT_TRUE(list.empty());
}

// Sorted insertion orders by Windows-1250 bytes and keeps equal numbers in insertion order.
TEST(MaterialList, InsertSortedOrdersByCodePageBytes)
{
    CMaterialList list;
    for (const auto& [objCislo, nazev] : std::vector<std::pair<std::string, std::string>>{
             {"200", "200 a"}, {"123sb", "123sb"}, {"123", "123 a"}, {"Á1", "Á1"}, {"€1", "€1"},
             {"123", "123 b"}, {"1230", "1230"}, {"200", "200 b"}, {"", "empty"}})
        list.InsertSorted(Row(objCislo, 0, CCislo(1), nazev));
    // '€' is 0x80 and 'Á' 0xC1 in Windows-1250 (in UTF-8 the order would be the other way).
    const std::vector<std::string> expected{"empty", "123 a", "123 b", "1230", "123sb", "200 a", "200 b", "€1", "Á1"};
    EXPECT_EQ(Names(list), expected);
    EXPECT_EQ(list.Find("123")->Nazev, "123 a");
}

TEST(MaterialList, ListRoundTripsThroughArchiveAndLoadingAppends)
{
    CMaterialList list;
    list.Append(std::make_unique<CMaterial>(test::SampleMaterial()));
    list.Append(Row("2"));
    list.Append(Row("3", 1));
    const std::string bytes = test::StoreBytes([&](CArchive& ar) { list.Store(ar); });

    CMaterialList loaded;
    loaded.Append(Row("already there"));
    ASSERT_NE(loaded.Find("already there"), nullptr);
    test::LoadBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(loaded.size(), 4u);
    EXPECT_EQ(loaded[0].ObjCislo, "already there");
    for (std::size_t i = 0; i < list.size(); ++i) EXPECT_TRUE(loaded[i + 1].StejnyZaznam(list[i])) << i;
    EXPECT_EQ(loaded.Find("3", CCislo(1))->ObjCislo, "3");
}

}  // namespace
}  // namespace belvo
