// The settings store over QSettings: the user's store (organisation "Vexa", application
// "Karno": the registry key HKEY_CURRENT_USER\Software\Vexa\Karno on Windows,
// ~/.config/Vexa/Karno.conf on Linux), or an INI file named by the caller.
//
// QSettings compares names with case on Unix and nests groups at '/' and '\'. This store looks
// section and key names up among the stored ones without regard to ASCII case, so a value keeps
// the spelling it was first written with and the file stays readable; names are stored escaped
// (EscapeSettingName) so that no name nests. Texts are UTF-8 on both sides; integers are stored
// as integers (a REG_DWORD in the registry, plain digits in an INI file).
#pragma once

#include <memory>
#include <string>

#include <QStringList>

#include "settings/settings_store.h"

class QSettings;

namespace belvo {

class QtSettingsStore : public SettingsStore {
public:
    // The user's store.
    QtSettingsStore();
    // An INI file (read when it exists, created on the first write).
    explicit QtSettingsStore(const std::string& iniPath);
    ~QtSettingsStore() override;
    QtSettingsStore(const QtSettingsStore&) = delete;
    QtSettingsStore& operator=(const QtSettingsStore&) = delete;

    // Writes pending changes now (they are written at destruction anyway). Returns an empty text
    // when the store is fine, otherwise what went wrong with its file: it could not be read or
    // written, or it is no INI file.
    std::string Flush();

protected:
    std::optional<SettingValue> Find(std::string_view section, std::string_view key) const override;
    void Write(std::string_view section, std::string_view key, SettingValue value) override;
    void Erase(std::string_view section, std::string_view key) override;
    void EraseSection(std::string_view section) override;
    std::vector<std::string> ListSections() const override;

private:
    // The stored group names that spell the section (normally one).
    QStringList Groups(std::string_view section) const;
    // The stored keys of the group that spell the key (normally one).
    QStringList Keys(const QString& group, std::string_view key) const;

    std::unique_ptr<QSettings> m_settings;
};

}  // namespace belvo
