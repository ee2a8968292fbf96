#include "settings/memory_settings_store.h"

#include <gtest/gtest.h>

#include "support/settings_store_contract.h"

namespace belvo {
namespace {

using testing_support::SettingsStoreContract;
using testing_support::StoreFactory;

INSTANTIATE_TEST_SUITE_P(Memory, SettingsStoreContract,
                         ::testing::Values(StoreFactory{
                             "Memory", [] { return std::make_unique<MemorySettingsStore>(); }}),
                         testing_support::StoreName);

TEST(MemorySettingsStore, KeepsTheFirstSpellingOfAKey)
{
    MemorySettingsStore store;
    store.SetString("Setup", "CenikUrl", "a");
    store.SetString("Setup", "CENIKURL", "b");
    EXPECT_EQ(store.KeyNames("setup"), std::vector<std::string>{"CenikUrl"});
}

}  // namespace
}  // namespace belvo
