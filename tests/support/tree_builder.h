// Building project trees in tests.
#pragma once

#include <memory>
#include <string>

#include "model/skupina.h"

namespace belvo::test {

// Appends `child` to `parent`'s children and returns it.
template <class T>
T& AddChild(CPrvek& parent, std::unique_ptr<T> child)
{
    T& added = *child;
    parent.Prvky.push_back(std::move(child));
    return added;
}

inline std::unique_ptr<CSkupina> Group(std::string name)
{
    auto group = std::make_unique<CSkupina>();
    group->Nazev = std::move(name);
    return group;
}

}  // namespace belvo::test
