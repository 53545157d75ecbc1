// Shared helpers of the astronomy tests.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "astro/angles.h"
#include "astro/calculation_inputs.h"
#include "astro/date_row.h"
#include "astro/day_table.h"

namespace orvanta::testing {

inline constexpr int kFajr = SlotIndex(PrayerSlot::kFajr);
inline constexpr int kShuruq = SlotIndex(PrayerSlot::kShuruq);
inline constexpr int kZuhr = SlotIndex(PrayerSlot::kZuhr);
inline constexpr int kMaghrib = SlotIndex(PrayerSlot::kMaghrib);
inline constexpr int kIsha = SlotIndex(PrayerSlot::kIsha);

// A slot value that stands for "no such event that day" (NO_EVENT_TIME, maybe shifted).
inline bool IsNoEvent(float hours) {
    return static_cast<double>(hours) > 360.0;
}

// A place given in degrees, latitude north positive and longitude EAST positive, with its zone
// in hours east of Universal Time (the record keeps radians with longitude WEST positive).
inline CityLocation Place(double latitudeDeg, double longitudeEastDeg, double zoneHours) {
    CityLocation city;
    city.latitudeRad = DegreesToRadians(latitudeDeg);
    city.longitudeRad = -DegreesToRadians(longitudeEastDeg);
    city.zoneHours = zoneHours;
    return city;
}

// The rows of a text table: one row a line, fields separated by '|' and trimmed; blank lines
// are skipped.
inline std::vector<std::vector<std::string>> TableRows(std::string_view text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (line.find_first_not_of(' ') == std::string::npos) {
            continue;
        }
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, '|');) {
            field.erase(field.find_last_not_of(' ') + 1);  // npos + 1 == 0: all spaces
            row.push_back(field.substr(std::min(field.find_first_not_of(' '), field.size())));
        }
    }
    return rows;
}

// The numbers of one field, separated by spaces.
inline std::vector<double> Numbers(const std::string& field) {
    std::istringstream in(field);
    std::vector<double> numbers;
    for (std::string token; in >> token;) {
        numbers.push_back(std::strtod(token.c_str(), nullptr));  // also "nan" and "inf"
    }
    return numbers;
}

// A field "year month day".
inline CivilDate DateField(const std::string& field) {
    const std::vector<double> n = Numbers(field);
    return {static_cast<std::int16_t>(n[0]), static_cast<std::int16_t>(n[1]),
            static_cast<std::int16_t>(n[2])};
}

}  // namespace orvanta::testing
