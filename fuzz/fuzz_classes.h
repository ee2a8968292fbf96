// Persistent classes for fuzzing the archive. They cover the shapes the program's classes
// take: an abstract element base, a versionable element with blocks added in later versions,
// a group owning a list of elements, a link to an element owned elsewhere and a chain of
// objects nested in each other. RegisterFuzzClasses is the one place to add more (the
// program's own classes, once they exist).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/archive.h"

namespace belvo::fuzz {

class FuzzElement : public CObject {
public:
    static const CRuntimeClass classInfo;  // abstract
    std::string Nazev;
};

class FuzzWall : public FuzzElement {  // versionable, version 3
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    CCislo Delka;
    std::int32_t Pocet = 1;   // version 2
    bool Nosna = false;       // version 2
    std::string Poznamka;     // version 3
};

class FuzzGroup : public FuzzElement {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::vector<std::unique_ptr<FuzzElement>> Prvky;
};

class FuzzLink : public CObject {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    FuzzElement* target = nullptr;  // not owned
    CCislo Podil;
};

class FuzzNest : public CObject {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::uint16_t Uroven = 0;
    std::unique_ptr<FuzzNest> child;
};

void RegisterFuzzClasses(ClassRegistry& registry);

// The first byte of each step of a fuzz stream: what the step reads.
enum class FuzzStep : std::uint8_t {
    Text,
    Decimal,
    Count,
    AnyObject,
    OwnedObject,
    ElementList,
    Group,
    Primitives,
    TopSchema,
    kCount
};

}  // namespace belvo::fuzz
