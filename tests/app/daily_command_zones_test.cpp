// The window's six times equal the timetable's row for the same day, with the system's real
// zone rules: after an evening change of clock (Nuuk) and at high latitude (Murmansk).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/daily_command.h"
#include "app/real_services.h"
#include "astro/time_text.h"
#include "fakes.h"
#include "timetable/timetable.h"

namespace orvanta {
namespace {

// Finds one place, whatever name is asked for.
struct OnePlace final : CityLookup {
    CityLocation place;
    bool LookUpCity(CityLocation& city, const MessageFn&) const override {
        city = place;
        return true;
    }
};

struct TextList final : TimeListView {
    std::vector<std::string> times;
    void DeleteAllRows() override { times.clear(); }
    int InsertRow(int, std::string_view) override {
        times.emplace_back();
        return static_cast<int>(times.size()) - 1;
    }
    bool SetTimeText(int at, std::string_view text) override {
        times.at(static_cast<std::size_t>(at)) = text;
        return true;
    }
    void RepaintWindow() override {}
};

TEST(DailyCommandZones, WindowShowsTheTimetableRowOfTheDay) {
    constexpr double kRad = 0.017453292519943295;
    const struct {
        double latitude, longitudeEast, zoneHours;
        const char* zone;
        CivilDate date;
    } rows[] = {
        {64.1814, -51.6941, -2.0, "America/Nuuk", {2026, 3, 28}},
        {68.9585, 33.0827, 3.0, "Europe/Moscow", {2026, 3, 27}},
        {48.8566, 2.3522, 1.0, "Europe/Paris", {2026, 3, 29}},
    };
    for (const auto& row : rows) {
        testing_support::FakeWorld world;
        world.clock.date = row.date;
        OnePlace lookup;
        lookup.place = {.name = row.zone,
                        .latitudeRad = row.latitude * kRad,
                        .longitudeRad = -row.longitudeEast * kRad,
                        .zoneHours = row.zoneHours,
                        .supportsDst = 1,
                        .zoneName = row.zone};
        const SystemZoneRules zones;
        const Services services{world.clock,
                                lookup,
                                world.homeCity,
                                world.settings,
                                zones,
                                world.suggestions,
                                world.services.showMessage};
        AppRecords records;
        TextList list;
        ASSERT_TRUE(CalculateToday(records, services, &list)) << row.zone;
        const auto day = ComputeOneDay(row.date, lookup.place, records.settings);
        ASSERT_TRUE(day && list.times.size() == 6U) << row.zone;
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_EQ(list.times[s], FormatPrayerTime(static_cast<double>(day->row[s])))
                << row.zone << " slot " << s;
        }
    }
}

}  // namespace
}  // namespace orvanta
