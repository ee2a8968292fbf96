// Small persistent classes and a fixture for the archive tests. The classes mirror the shapes
// the program's own classes take: an abstract element base, a versionable element with a field
// block added in a later version, a non-versionable group owning a list of elements, a link
// that refers to an element without owning it, and a chain of objects nested in each other.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/archive.h"

namespace belvo::testing {

class TElement : public CObject {
public:
    static const CRuntimeClass classInfo;  // abstract: no factory
    std::string Nazev;
};

// Versionable, current version 5; files of versions below 5 lack Vyska and Pocet.
class TZed : public TElement {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    CCislo Vyska;
    std::int32_t Pocet = 0;
    std::uint32_t seenSchema = 0;    // what GetObjectSchema returned first
    std::uint32_t secondSchema = 0;  // what a second call returned
};

class TSkupina : public TElement {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::vector<std::unique_ptr<TElement>> Prvky;
};

// Refers to an element owned elsewhere.
class TLink : public CObject {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    TElement* target = nullptr;
};

// Owns at most one further TNest: the shape of an arbitrarily deep tree.
class TNest : public CObject {
public:
    static const CRuntimeClass classInfo;
    const CRuntimeClass& GetRuntimeClass() const override { return classInfo; }
    void Serialize(CArchive& ar) override;

    std::unique_ptr<TNest> child;
};

// Bytes from hexadecimal pairs separated by spaces: Bytes("ff 01").
std::string Bytes(std::string_view hex);
// A readable test name from a description: letters and digits kept, the rest '_'.
std::string TestName(std::string_view description);
// A little-endian word or integer as bytes.
std::string Word(std::uint16_t value);
std::string Dword(std::uint32_t value);

class ArchiveTest : public ::testing::Test {
protected:
    ArchiveTest();

    std::string Store(const std::function<void(CArchive&)>& write);
    // Loads `bytes` through `read`; expects the whole stream to be consumed when `whole`.
    void Load(const std::string& bytes, const std::function<void(CArchive&)>& read, bool whole = true);
    // The cause the load fails with, or none when it succeeds.
    std::optional<ArchiveCause> LoadCause(const std::string& bytes, const std::function<void(CArchive&)>& read);

    ClassRegistry registry;
};

}  // namespace belvo::testing
