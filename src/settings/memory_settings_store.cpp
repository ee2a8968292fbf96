#include "settings/memory_settings_store.h"

namespace belvo {

std::vector<std::string> MemorySettingsStore::KeyNames(std::string_view section) const
{
    std::vector<std::string> names;
    if (const auto found = m_sections.find(FoldSettingName(section)); found != m_sections.end())
        for (const auto& [folded, entry] : found->second.entries) names.push_back(entry.name);
    return names;
}

std::optional<SettingValue> MemorySettingsStore::Find(std::string_view section,
                                                      std::string_view key) const
{
    const auto s = m_sections.find(FoldSettingName(section));
    if (s == m_sections.end()) return std::nullopt;
    const auto e = s->second.entries.find(FoldSettingName(key));
    if (e == s->second.entries.end()) return std::nullopt;
    return e->second.value;
}

void MemorySettingsStore::Write(std::string_view section, std::string_view key, SettingValue value)
{
    auto [s, newSection] = m_sections.try_emplace(FoldSettingName(section));
    if (newSection) s->second.name = std::string(section);
    auto [e, newEntry] = s->second.entries.try_emplace(FoldSettingName(key));
    if (newEntry) e->second.name = std::string(key);
    e->second.value = std::move(value);
}

void MemorySettingsStore::Erase(std::string_view section, std::string_view key)
{
    const auto s = m_sections.find(FoldSettingName(section));
    if (s == m_sections.end()) return;
    s->second.entries.erase(FoldSettingName(key));
    if (s->second.entries.empty()) m_sections.erase(s);
}

void MemorySettingsStore::EraseSection(std::string_view section) { m_sections.erase(FoldSettingName(section)); }

std::vector<std::string> MemorySettingsStore::ListSections() const
{
    std::vector<std::string> names;
    for (const auto& [folded, s] : m_sections) names.push_back(s.name);
    return names;
}

}  // namespace belvo
