// The Hijri offset of the settings file: what each stored value reads as, a round trip that
// keeps the other values, and an unreadable value left as it is.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/hijri_settings.h"
#include "settings/settings_memory_file.h"
#include "settings/settings_store.h"

namespace orvanta {
namespace {

const std::string kKey =
    "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Kelvarin\\Orvanta]\n";

struct StoredRow {
    std::string name;
    std::string line;  // the value's line in the key; empty: no value
    int offset;
    bool unreadable;
};

TEST(HijriSettings, StoredValuesReadAsTheirOffsetOrAreIgnored) {
    const std::vector<StoredRow> rows = {
        {"missing", "", 0, false},
        {"minus two", "\"HijriOffset\"=\"-2\"", -2, false},
        {"plus two", "\"HijriOffset\"=\"2\"", 2, false},
        {"zero", "\"HijriOffset\"=\"0\"", 0, false},
        {"three", "\"HijriOffset\"=\"3\"", 0, true},
        {"a fraction", "\"HijriOffset\"=\"1.5\"", 0, true},
        {"a plus sign", "\"HijriOffset\"=\"+1\"", 0, true},
        {"empty", "\"HijriOffset\"=\"\"", 0, true},
        {"a number value", "\"HijriOffset\"=dword:00000001", 0, true},
    };
    for (const StoredRow& row : rows) {
        MemorySettingsFile file;
        file.content = kKey + row.line + "\n";
        const HijriSettings loaded = LoadHijriSettings(file);
        EXPECT_EQ(loaded.offsetDays, row.offset) << row.name;
        EXPECT_EQ(loaded.unreadable, row.unreadable) << row.name;
    }
}

TEST(HijriSettings, SavingKeepsTheOtherValuesAndOtherSavesKeepTheOffset) {
    MemorySettingsFile file;
    file.content = kKey + "\"SunRise\"=dword:00000001\n\"Method\"=\"turkey\"\n";
    ASSERT_TRUE(SaveHijriOffset(file, -1));
    // A string value (type 1) of UTF-16LE "-1" and its terminator.
    EXPECT_NE(file.content->find("\"HijriOffset\"=hex(1):2d,00,31,00,00,00\n"), std::string::npos);
    EXPECT_NE(file.content->find("\"SunRise\"=dword:00000001"), std::string::npos);
    EXPECT_NE(file.content->find("\"Method\"=\"turkey\""), std::string::npos);
    EXPECT_EQ(LoadHijriSettings(file).offsetDays, -1);
    EXPECT_FALSE(SaveHijriOffset(file, 3));
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    EXPECT_EQ(LoadHijriSettings(file).offsetDays, -1);

    file.content = kKey + "\"HijriOffset\"=\"soon\"\n";
    ASSERT_TRUE(SaveSettings(file, PrayerSettings{}));
    EXPECT_NE(file.content->find("\"HijriOffset\"=\"soon\""), std::string::npos);
}

}  // namespace
}  // namespace orvanta
