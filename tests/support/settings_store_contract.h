// Behaviour that every settings store shares, run once per store: each test program instantiates
// SettingsStoreContract with a factory of fresh, empty stores.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "settings/settings_store.h"

namespace belvo::testing_support {

struct StoreFactory {
    std::string name;
    std::function<std::unique_ptr<SettingsStore>()> make;
};

inline void PrintTo(const StoreFactory& factory, std::ostream* out) { *out << factory.name; }

class SettingsStoreContract : public ::testing::TestWithParam<StoreFactory> {
protected:
    void SetUp() override { store = GetParam().make(); }
    std::unique_ptr<SettingsStore> store;
};

inline std::string StoreName(const ::testing::TestParamInfo<StoreFactory>& info)
{
    return info.param.name;
}

}  // namespace belvo::testing_support
