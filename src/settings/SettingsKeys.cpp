#include "settings/SettingsKeys.h"

namespace desklet {

std::string SettingValue(const CMapStringToString& settings, SettingKey key) {
    std::string value = settings.LookupOrEmpty(std::string(SettingName(key)));
    if (value.empty()) {
        value = SettingDefault(key);
    }
    return value;
}

bool LookupSetting(const CMapStringToString& settings, SettingKey key, std::string& value) {
    return settings.Lookup(std::string(SettingName(key)), value);
}

void SetSetting(CMapStringToString& settings, SettingKey key, const std::string& value) {
    settings.SetAt(std::string(SettingName(key)), value);
}

} // namespace desklet
