// The window's six times equal the timetable's row for the same day, with the system's real
// zone rules, on days with a change of offset and at high latitude.
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

using testing_support::FakeWorld;

// Finds one place, whatever name is asked for.
class OnePlace final : public CityLookup {
  public:
    explicit OnePlace(CityLocation place) : place_(std::move(place)) {}
    bool LookUpCity(CityLocation& city, const MessageFn&) const override {
        city = place_;
        return true;
    }

  private:
    CityLocation place_;
};

class TextList final : public TimeListView {
  public:
    std::vector<std::string> times;
    void DeleteAllRows() override { times.clear(); }
    int InsertRow(int, std::string_view) override {
        times.emplace_back();
        return static_cast<int>(times.size()) - 1;
    }
    bool SetTimeText(int position, std::string_view text) override {
        times.at(static_cast<std::size_t>(position)) = text;
        return true;
    }
    void RepaintWindow() override {}
};

CityLocation Place(double latitude, double longitudeEast, double zoneHours, const char* zone) {
    constexpr double kRadiansPerDegree = 0.017453292519943295;
    CityLocation city;
    city.name = zone;
    city.latitudeRad = latitude * kRadiansPerDegree;
    city.longitudeRad = -longitudeEast * kRadiansPerDegree;
    city.zoneHours = zoneHours;
    city.supportsDst = 1;
    city.zoneName = zone;
    return city;
}

TEST(DailyCommandZones, WindowShowsTheTimetableRowOfTheDay) {
    const struct {
        CityLocation city;
        CivilDate date;
    } rows[] = {
        {Place(64.1814, -51.6941, -2.0, "America/Nuuk"), {2026, 3, 28}},  // Isha after 23:00
        {Place(68.9585, 33.0827, 3.0, "Europe/Moscow"), {2026, 3, 27}},   // Murmansk
        {Place(48.8566, 2.3522, 1.0, "Europe/Paris"), {2026, 3, 29}},
        {Place(48.8566, 2.3522, 1.0, "Europe/Paris"), {2026, 12, 31}},
        {Place(-31.5553, 159.0821, 10.5, "Australia/Lord_Howe"), {2026, 4, 5}},
    };
    for (const auto& row : rows) {
        FakeWorld world;
        world.clock.date = row.date;
        const OnePlace place(row.city);
        const SystemZoneRules zones;
        const Services services{world.clock,
                                place,
                                world.homeCity,
                                world.settings,
                                zones,
                                world.suggestions,
                                world.services.showMessage};
        AppRecords records;
        records.city.name = row.city.name;
        TextList list;
        ASSERT_TRUE(CalculateToday(records, services, &list)) << row.city.name;
        const std::optional<DatedRow> day = ComputeOneDay(row.date, row.city, records.settings);
        ASSERT_TRUE(day && list.times.size() == 6U) << row.city.name;
        for (int s = 0; s < kPrayerCount; ++s) {
            EXPECT_EQ(list.times[s], FormatPrayerTime(static_cast<double>(day->row[s])))
                << row.city.name << " slot " << s;
        }
    }
}

}  // namespace
}  // namespace orvanta
