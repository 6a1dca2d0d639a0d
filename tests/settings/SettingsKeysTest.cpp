#include "settings/SettingsKeys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace desklet;

TEST(SettingValue, AnAbsentOrEmptyValueMeansTheKeysDefault) {
    struct Case {
        const char* name;
        SettingKey key;
        std::optional<std::string> inMap;
        std::string value;
        bool present;
    };
    const Case cases[] = {
        {"an absent port is the default one", SettingKey::SmtpPort, std::nullopt, "25", false},
        {"an empty port, as a save from the window leaves it, is the default one", SettingKey::SmtpPort, "", "25",
         true},
        {"a port of the user's wins", SettingKey::SmtpPort, "2525", "2525", true},
        {"a key without a default reads empty", SettingKey::Logon, std::nullopt, "", false},
        {"a value is read as it is", SettingKey::Logon, " alice ", " alice ", true},
    };
    for (const Case& c : cases) {
        CMapStringToString map;
        if (c.inMap) {
            SetSetting(map, c.key, *c.inMap);
        }
        EXPECT_EQ(SettingValue(map, c.key), c.value) << c.name;
        std::string looked = "untouched";
        EXPECT_EQ(LookupSetting(map, c.key, looked), c.present) << c.name;
        EXPECT_EQ(looked, c.inMap.value_or("untouched")) << c.name << ": no default, and an absent key keeps the value";
        EXPECT_EQ(map.GetCount(), c.inMap ? 1 : 0) << c.name << ": reading adds no entry";
    }
}
