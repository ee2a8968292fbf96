// The item order and the merge index against their plain definitions: a stable insertion sort
// and a walk from the front of the list.
#include <gtest/gtest.h>

#include <random>

#include "foundation/cp1250.h"
#include "proposal/navrh.h"

namespace belvo {
namespace {

// Item a sorts after item b: the keys in turn, the first that differs decides.
bool SortsAfter(const CPolozka& a, const CPolozka& b)
{
    if (const int byLabel = CompareCp1250(a.NazevSkupiny, b.NazevSkupiny); byLabel != 0) return byLabel > 0;
    if (const int byGroup = CCislo::Compare(a.Skupina, b.Skupina); byGroup != 0) return byGroup > 0;
    if (const int byWidth = CCislo::Compare(a.Sirka, b.Sirka); byWidth != 0) return byWidth < 0;
    return CCislo::Compare(a.Typ, b.Typ) > 0;
}

// Each item moves in front of the preceding items that compare greater.
std::vector<const CPolozka*> InsertionSorted(const std::vector<std::unique_ptr<CPolozka>>& items)
{
    std::vector<const CPolozka*> sorted;
    for (const auto& item : items) {
        auto at = sorted.end();
        while (at != sorted.begin() && SortsAfter(**(at - 1), *item)) --at;
        sorted.insert(at, item.get());
    }
    return sorted;
}

TEST(ItemOrder, MatchesTheStableInsertionSort)
{
    // "A?" and "AΩ" are the same bytes in Windows-1250 (Ω has no place there and becomes '?').
    const char* const labels[] = {"", " ", "Přízemí", "Patro", "Žumpa", "Čistírna", "patro", "A?", "AΩ", "Pat"};
    const CCislo widths[] = {CCislo(0), CCislo(300), CCislo(3000, 1), CCislo(440), CCislo(115)};
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        CNavrh navrh;
        for (int i = 0; i < 300; ++i) {
            auto item = std::make_unique<CPolozka>();
            item->ObjCislo = std::to_string(i);
            item->NazevSkupiny = labels[random() % std::size(labels)];
            item->Skupina = CCislo(static_cast<std::int64_t>(random() % 4));
            item->Sirka = widths[random() % std::size(widths)];
            item->Typ = random() % 5 == 0 ? CCislo() : CCislo(static_cast<std::int64_t>(random() % 3));
            navrh.Polozky.push_back(std::move(item));
        }
        const std::vector<const CPolozka*> expected = InsertionSorted(navrh.Polozky);
        navrh.SeradPolozky();
        ASSERT_EQ(navrh.Polozky.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(navrh.Polozky[i].get(), expected[i]) << "round " << round << ", position " << i;
    }
}

CPolozka* FirstFromTheFront(const CNavrh& navrh, const std::string& objCislo, const std::string& label)
{
    for (const auto& item : navrh.Polozky)
        if (item->ObjCislo == objCislo && item->NazevSkupiny == label) return item.get();
    return nullptr;
}

TEST(ItemIndexTest, AnswersAsAWalkFromTheFront)
{
    std::mt19937 random(11);
    CNavrh navrh;
    const auto key = [&] { return std::to_string(random() % 60); };
    const auto label = [&] { return std::string(random() % 2 ? "G" : "") + std::to_string(random() % 3); };
    for (int step = 0; step < 5000; ++step) {
        const std::string objCislo = key();
        const std::string group = label();
        switch (random() % 10) {
        case 0:  // reorder behind the index's back
            if (navrh.Polozky.size() > 1)
                std::swap(navrh.Polozky[random() % navrh.Polozky.size()], navrh.Polozky[random() % navrh.Polozky.size()]);
            break;
        case 1:  // shorten
            if (!navrh.Polozky.empty()) navrh.Polozky.pop_back();
            break;
        case 2:
            navrh.SeradPolozky();
            break;
        default: {
            CPolozka* found = navrh.NajdiPolozku(objCislo, group);
            ASSERT_EQ(found, FirstFromTheFront(navrh, objCislo, group)) << "step " << step;
            if (!found) {
                navrh.Polozky.push_back(std::make_unique<CPolozka>());
                navrh.Polozky.back()->ObjCislo = objCislo;
                navrh.Polozky.back()->NazevSkupiny = group;
            }
        }
        }
    }
    EXPECT_GT(navrh.Polozky.size(), 50u);
}

TEST(ItemIndexTest, FirstOfEqualItemsWinsBeforeAndAfterSorting)
{
    CNavrh navrh;
    for (const char* objCislo : {"B", "A", "A", "C", "A"}) {
        navrh.Polozky.push_back(std::make_unique<CPolozka>());
        navrh.Polozky.back()->ObjCislo = objCislo;
        navrh.Polozky.back()->Skupina = CCislo(objCislo[0] == 'A' ? 2 : 1);
    }
    EXPECT_EQ(navrh.NajdiPolozku("A", ""), navrh.Polozky[1].get());
    navrh.Polozky[3]->Skupina = CCislo(3);
    navrh.Polozky[4]->Skupina = CCislo(0);  // the last A moves to the front
    navrh.SeradPolozky();
    EXPECT_EQ(navrh.Polozky[0]->ObjCislo, "A");
    EXPECT_EQ(navrh.NajdiPolozku("A", ""), navrh.Polozky[0].get());
    EXPECT_EQ(navrh.NajdiPolozku("A", " "), nullptr);
}

}  // namespace
}  // namespace belvo
