// Copies a persistent object the way the program copies items and pallet rows: stores it into a
// memory archive and loads a new object of the same class from it, so the copy holds exactly
// what a file would keep.
#pragma once

#include <memory>

#include "foundation/archive.h"

namespace belvo {

// `classes` must know every class that the object's Serialize writes as an object reference;
// without it, a registry of the object's own class is used.
std::unique_ptr<CObject> CopyThroughArchive(const CObject& object, const ClassRegistry* classes = nullptr);

template <class T>
std::unique_ptr<T> CopyThroughArchive(const T& object, const ClassRegistry* classes = nullptr)
{
    std::unique_ptr<CObject> copy = CopyThroughArchive(static_cast<const CObject&>(object), classes);
    return std::unique_ptr<T>(static_cast<T*>(copy.release()));
}

}  // namespace belvo
