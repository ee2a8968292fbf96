#include "platform/qt/qt_settings_store.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace belvo {

namespace {

QString ToQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

bool SameName(const QString& stored, std::string_view name)
{
    return SameSettingName(UnescapeSettingName(FromQt(stored)), name);
}

// A stored variant as the engine sees it. An INI line with unquoted commas reads as a list:
// joined again it is the text that was typed ("20,0").
std::optional<SettingValue> FromVariant(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort: return SettingValue(value.toLongLong());
    case QMetaType::ULongLong: {
        bool ok = false;
        const qlonglong number = value.toLongLong(&ok);
        if (ok) return SettingValue(number);
        return SettingValue(FromQt(value.toString()));
    }
    case QMetaType::QStringList: return SettingValue(FromQt(value.toStringList().join(u',')));
    case QMetaType::QByteArray: return SettingValue(value.toByteArray().toStdString());
    default:
        if (value.canConvert<QString>()) return SettingValue(FromQt(value.toString()));
        return std::nullopt;  // a stored type that holds no text reads as missing
    }
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Vexa"), QStringLiteral("Karno")))
{
    // System-wide files must not supply values: a deleted key has to read as missing.
    m_settings->setFallbacksEnabled(false);
}

QtSettingsStore::QtSettingsStore(const std::string& iniPath)
    : m_settings(std::make_unique<QSettings>(ToQt(iniPath), QSettings::IniFormat))
{
    m_settings->setFallbacksEnabled(false);
}

QtSettingsStore::~QtSettingsStore() = default;

std::string QtSettingsStore::Flush()
{
    m_settings->sync();
    const QString file = m_settings->fileName();
    switch (m_settings->status()) {
    case QSettings::NoError: return {};
    case QSettings::AccessError: return FromQt(file) + ": nelze číst nebo zapsat";
    case QSettings::FormatError: return FromQt(file) + ": chybný formát souboru nastavení";
    }
    return FromQt(file) + ": chyba nastavení";
}

QStringList QtSettingsStore::Groups(std::string_view section) const
{
    QStringList found;
    for (const QString& group : m_settings->childGroups())
        if (SameName(group, section)) found.append(group);
    return found;
}

QStringList QtSettingsStore::Keys(const QString& group, std::string_view key) const
{
    QStringList found;
    m_settings->beginGroup(group);
    for (const QString& stored : m_settings->childKeys())
        if (SameName(stored, key)) found.append(stored);
    m_settings->endGroup();
    return found;
}

std::optional<SettingValue> QtSettingsStore::Find(std::string_view section,
                                                  std::string_view key) const
{
    for (const QString& group : Groups(section))
        for (const QString& stored : Keys(group, key))
            if (auto value = FromVariant(m_settings->value(group + u'/' + stored))) return value;
    return std::nullopt;
}

void QtSettingsStore::Write(std::string_view section, std::string_view key, SettingValue value)
{
    const QStringList groups = Groups(section);
    const QString group = groups.isEmpty() ? ToQt(EscapeSettingName(section)) : groups.front();
    QStringList keys = Keys(group, key);
    const QString stored = keys.isEmpty() ? ToQt(EscapeSettingName(key)) : keys.takeFirst();
    // Other spellings of the same key (a hand-edited file) go, so that one value remains.
    for (const QString& other : keys) m_settings->remove(group + u'/' + other);

    if (const auto* text = std::get_if<std::string>(&value))
        m_settings->setValue(group + u'/' + stored, ToQt(*text));
    else
        m_settings->setValue(group + u'/' + stored,
                             QVariant::fromValue(static_cast<int>(std::get<std::int64_t>(value))));
}

void QtSettingsStore::Erase(std::string_view section, std::string_view key)
{
    for (const QString& group : Groups(section))
        for (const QString& stored : Keys(group, key)) m_settings->remove(group + u'/' + stored);
}

void QtSettingsStore::EraseSection(std::string_view section)
{
    for (const QString& group : Groups(section)) m_settings->remove(group);
}

std::vector<std::string> QtSettingsStore::ListSections() const
{
    std::vector<std::string> names;
    for (const QString& group : m_settings->childGroups())
        names.push_back(UnescapeSettingName(FromQt(group)));
    return names;
}

}  // namespace belvo
