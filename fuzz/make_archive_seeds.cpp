// Writes the seed corpus of fuzz_archive: a few small valid streams, one file each, into the
// folder given as the only argument.
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "foundation/archive.h"
#include "fuzz_classes.h"

using namespace belvo;
using namespace belvo::fuzz;

namespace {

void Seed(const std::string& folder, const std::string& name, const std::function<void(CArchive&)>& write)
{
    ClassRegistry registry;
    RegisterFuzzClasses(registry);
    std::ostringstream bytes(std::ios::binary);
    {
        CArchive ar(bytes, name, registry);
        write(ar);
        ar.Flush();
    }
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out << bytes.str();
}

void Step(CArchive& ar, FuzzStep step) { ar << static_cast<std::uint8_t>(step); }

std::unique_ptr<FuzzWall> Wall(const char* name, std::int64_t length)
{
    auto wall = std::make_unique<FuzzWall>();
    wall->Nazev = name;
    wall->Delka = CCislo(length, 1);
    wall->Pocet = 2;
    wall->Poznamka = "obvodová";
    return wall;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_archive_seeds FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];

    Seed(folder, "values", [](CArchive& ar) {
        Step(ar, FuzzStep::Text);
        ar << std::string("Příliš žluťoučký kůň");
        Step(ar, FuzzStep::Decimal);
        ar << CCislo(-2755, 2);
        Step(ar, FuzzStep::Decimal);
        ar << CCislo();
        Step(ar, FuzzStep::Count);
        ar.WriteCount(0);
        Step(ar, FuzzStep::Primitives);
        ar << std::uint16_t{7} << std::int32_t{-1} << true;
        Step(ar, FuzzStep::TopSchema);
    });

    Seed(folder, "wide_text", [](CArchive& ar) {
        Step(ar, FuzzStep::Text);
        // The wide form of old files: 0xFF, 0xFFFE, then the length and UTF-16LE characters.
        ar << std::uint8_t{0xFF} << std::uint16_t{0xFFFE} << std::uint8_t{3};
        for (const char16_t c : std::u16string(u"Zeď")) ar << static_cast<std::uint16_t>(c);
    });

    Seed(folder, "group", [](CArchive& ar) {
        FuzzGroup group;
        group.Nazev = "Přízemí";
        group.Prvky.push_back(Wall("A", 60255));
        group.Prvky.push_back(Wall("B", 1200));
        auto inner = std::make_unique<FuzzGroup>();
        inner->Nazev = "Patro";
        inner->Prvky.push_back(Wall("C", 300));
        group.Prvky.push_back(std::move(inner));
        FuzzLink link;
        link.target = group.Prvky[1].get();
        link.Podil = CCislo(5, 1);
        Step(ar, FuzzStep::Group);
        ar.WriteObject(&group);
        Step(ar, FuzzStep::AnyObject);
        ar.WriteObject(&link);
        Step(ar, FuzzStep::OwnedObject);
        ar.WriteObject(nullptr);
    });

    Seed(folder, "list", [](CArchive& ar) {
        std::vector<std::unique_ptr<FuzzElement>> walls;
        walls.push_back(Wall("A", 10));
        walls.push_back(Wall("B", 20));
        walls.push_back(Wall("C", 30));
        Step(ar, FuzzStep::ElementList);
        ar.SerializeList(walls);
    });

    Seed(folder, "nest", [](CArchive& ar) {
        FuzzNest outer;
        outer.child = std::make_unique<FuzzNest>();
        outer.child->Uroven = 1;
        outer.child->child = std::make_unique<FuzzNest>();
        outer.child->child->Uroven = 2;
        Step(ar, FuzzStep::OwnedObject);
        ar.WriteObject(&outer);
    });
    return 0;
}
