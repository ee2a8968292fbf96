// A settings store held in memory: the store of the tests, and of batch runs that are given no
// settings file. Nothing is kept after it is destroyed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "settings/settings_store.h"

namespace belvo {

class MemorySettingsStore : public SettingsStore {
public:
    // The spellings of the keys of a section as they were first written, in ASCII-case-folded
    // order (for tests and listings).
    std::vector<std::string> KeyNames(std::string_view section) const;

protected:
    std::optional<SettingValue> Find(std::string_view section, std::string_view key) const override;
    void Write(std::string_view section, std::string_view key, SettingValue value) override;
    void Erase(std::string_view section, std::string_view key) override;
    void EraseSection(std::string_view section) override;
    std::vector<std::string> ListSections() const override;

private:
    struct Entry {
        std::string name;  // spelling as first written
        SettingValue value;
    };
    struct Section {
        std::string name;
        std::map<std::string, Entry> entries;  // by folded key name
    };
    std::map<std::string, Section> m_sections;  // by folded section name
};

}  // namespace belvo
