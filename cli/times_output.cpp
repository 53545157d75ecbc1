#include "cli/times_output.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/qibla.h"
#include "astro/solar_position.h"
#include "astro/time_text.h"
#include "cli/text_columns.h"
#include "common/visible_text.h"
#include "hijri/hijri_text.h"
#include "timetable/civil_time.h"
#include "timetable/night_rows.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
namespace {

constexpr std::size_t kNameColumn = 18;  // the display names are at most 16 characters

// A number as people write it: 18, 17.5, 90.
std::string Number(double value) {
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%g", value);
    return text.data();
}

// Degrees and minutes with the hemisphere letter: 21°25′ N.
std::string Coordinate(std::int16_t degrees, std::int16_t minutes, char hemisphere) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%d\u00B0%02d\u2032 %c", degrees, minutes, hemisphere);
    return text.data();
}

std::string PadRight(std::string text, std::size_t width) {
    const std::size_t shown = TextWidth(text);
    if (shown < width) {
        text.append(width - shown, ' ');
    }
    return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
    const std::size_t shown = TextWidth(text);
    return shown < width ? std::string(width - shown, ' ') + text : text;
}

std::string TimeText(float value, bool clock24) {
    const auto hours = static_cast<double>(value);
    return clock24 ? FormatPrayerTime24(hours) : FormatPrayerTime(hours);
}

// "118.9° clockwise from true north", or what to do where there is no one direction.
std::string QiblaLine(const CityLocation& city) {
    const Qibla qibla = QiblaFrom(city.latitudeRad, city.longitudeRad);
    switch (qibla.kind) {
        case QiblaKind::kAtKaaba:
            return "none: the place is the Kaaba";
        case QiblaKind::kAnyDirection:
            return "every direction: the place is the Kaaba's antipode";
        case QiblaKind::kBearing:
            break;
    }
    std::array<char, 32> text{};
    // Tenths, and 359.96 shown as 0.0 rather than 360.0.
    const double tenths = std::round(qibla.degrees * 10.0);
    std::snprintf(text.data(), text.size(), "%.1f", tenths >= 3600.0 ? 0.0 : tenths / 10.0);
    return std::string(text.data()) + "\u00B0 clockwise from true north";
}

std::string HijriCell(const DatedRow& day) {
    return day.hijri ? HijriDateText(*day.hijri) : std::string();
}

// A night time's text; one on the next date carries the mark (" +1" in a table, the date for a
// single day). "-" where the time does not exist.
std::string NightCell(const DatedRow& day, const NightField& field, bool clock24, bool table) {
    const std::optional<NightTime>& time = (*day.night).*field.member;
    if (!time) {
        return TimeText(static_cast<float>(NO_EVENT_TIME), clock24);
    }
    std::string text = TimeText(static_cast<float>(time->hours), clock24);
    const std::int64_t minutes = NightMinutes(*time);
    if (minutes >= 24 * 60) {
        text += table
                    ? " +1"
                    : " (" + IsoDate(CivilFromDays(DaysFromCivil(day.date) + minutes / (24 * 60))) +
                          ")";
    }
    return text;
}

// A column after the six times, with a cell per day.
struct TrailingColumn {
    std::string header;
    std::vector<std::string> cells;
    std::size_t width = 0;
};

// The columns after the six, each only ever added at the end so that the columns before stay
// where they were: the Hijri date (left out only when no day has one; a day before 1 AH has an
// empty cell), then the night's times of days computed with them.
std::vector<TrailingColumn> TrailingColumns(const std::vector<DatedRow>& days, bool clock24) {
    std::vector<TrailingColumn> columns;
    const auto add = [&columns, &days](std::string header, const auto& cellOf) {
        TrailingColumn column{std::move(header), {}, 0};
        column.width = TextWidth(column.header);
        for (const DatedRow& day : days) {
            column.cells.push_back(cellOf(day));
            column.width = std::max(column.width, TextWidth(column.cells.back()));
        }
        columns.push_back(std::move(column));
    };
    if (std::any_of(days.begin(), days.end(),
                    [](const DatedRow& day) { return day.hijri.has_value(); })) {
        add("Hijri", HijriCell);
    }
    if (std::any_of(days.begin(), days.end(),
                    [](const DatedRow& day) { return day.night.has_value(); })) {
        for (const NightField& field : kNightFields) {
            add(std::string(field.displayName), [&field, clock24](const DatedRow& day) {
                return day.night ? NightCell(day, field, clock24, true) : std::string();
            });
        }
    }
    return columns;
}

// The night's rows of a single day: its Imsak and the night that begins at its sunset.
void WriteNightLines(std::ostream& out, const DatedRow& day, bool clock24) {
    if (!day.night) {
        return;
    }
    for (const NightField& field : kNightFields) {
        out << PadRight(std::string(field.displayName), kNameColumn)
            << NightCell(day, field, clock24, false) << '\n';
    }
}

// The method line of days some of which are printed: "timetable of CITY" when all are, else
// the printed dates first and the calculation after them.
std::string MethodLineWithPrinted(const CityLocation& city, const std::vector<DatedRow>& days,
                                  const std::string& computedLine) {
    const auto first =
        std::find_if(days.begin(), days.end(), [](const DatedRow& day) { return day.printed; });
    if (first == days.end()) {
        return computedLine;
    }
    const std::string label = "Method:   ";
    if (std::all_of(first, days.end(), [](const DatedRow& day) { return day.printed; }) &&
        first == days.begin()) {
        return label + PrintedMethodText(city);
    }
    const auto last =
        std::find_if(days.rbegin(), days.rend(), [](const DatedRow& day) { return day.printed; });
    return label + PrintedMethodText(city) + " (" + IsoDate(first->date) + " to " +
           IsoDate(last->date) + "); other days: " + computedLine.substr(label.size());
}

}  // namespace

std::vector<std::string> DescribePlaceAndSettings(const CityLocation& city,
                                                  const PrayerSettings& settings,
                                                  const MethodChoice* choice) {
    std::vector<std::string> lines;
    lines.push_back("City:     " + (city.name.empty() ? std::string("(given by coordinates)")
                                                      : VisibleText(city.name)));
    lines.push_back(
        "Position: " +
        Coordinate(city.latitudeDegrees, city.latitudeMinutes, city.isSouth != 0 ? 'S' : 'N') +
        " " +
        Coordinate(city.longitudeDegrees, city.longitudeMinutes, city.isWest != 0 ? 'W' : 'E'));
    std::string zone = "UTC" + OffsetText(city.zoneHours);
    if (!city.zoneName.empty()) {
        zone = VisibleText(city.zoneName) + " (standard time " + zone +
               (city.supportsDst != 0 ? ", daylight saving by the zone's rules)"
                                      : ", no daylight saving)");
    } else if (city.supportsDst != 0) {
        zone += ", daylight saving from the first Sunday of April to the last Sunday of October";
    } else {
        zone += ", no daylight saving";
    }
    lines.push_back("Zone:     " + zone);
    lines.push_back("Qibla:    " + QiblaLine(city));
    std::string method;
    if (settings.method == TwilightMethod::kDepressionAngle) {
        method = "Fajr and Isha with the sun " + Number(settings.depressionDegrees) +
                 "\u00B0 below the horizon";
    } else {
        method = "Fajr " + Number(settings.intervalMinutes) + " min before sunrise, Isha " +
                 Number(settings.intervalMinutes) + " min after sunset";
    }
    if (choice != nullptr && !IsClassic(*choice)) {
        method = DescribeMethod(*choice);
    }
    method += settings.asrShadowFactor == 1.0
                  ? "; Asr Shafi (shadow factor 1)"
                  : "; Asr Hanafi (shadow factor " + Number(settings.asrShadowFactor) + ")";
    lines.push_back("Method:   " + method);
    return lines;
}

void WriteTimetableAsText(std::ostream& out, const CityLocation& city,
                          const PrayerSettings& settings, const std::vector<DatedRow>& days,
                          bool clock24, const MethodChoice* choice) {
    std::vector<std::string> lines = DescribePlaceAndSettings(city, settings, choice);
    lines.back() = MethodLineWithPrinted(city, days, lines.back());
    for (const std::string& line : lines) {
        out << line << '\n';
    }
    if (days.size() == 1) {
        const std::string hijri = HijriCell(days.front());
        out << "Date:     " << IsoDate(days.front().date)
            << (hijri.empty() ? std::string() : " (" + hijri + ")") << "\n\n";
        for (int s = 0; s < kPrayerCount; ++s) {
            // A Friday's Zuhr is the Friday prayer.
            const bool jumuah =
                s == SlotIndex(PrayerSlot::kZuhr) && IsFridayDate(days.front().date);
            const std::string name(jumuah ? "Jumu'ah (Friday)"
                                          : PrayerDisplayName(static_cast<PrayerSlot>(s)));
            out << PadRight(name, kNameColumn) << TimeText(days.front().row[s], clock24) << '\n';
        }
        WriteNightLines(out, days.front(), clock24);
        return;
    }
    if (days.empty()) {
        return;
    }
    out << "Dates:    " << IsoDate(days.front().date) << " to " << IsoDate(days.back().date)
        << "\n\n";
    // Every cell is built first so that each column is as wide as its widest cell.
    std::vector<std::array<std::string, kPrayerCount>> cells(days.size());
    std::array<std::size_t, kPrayerCount> widths{};
    for (std::size_t d = 0; d < days.size(); ++d) {
        for (int s = 0; s < kPrayerCount; ++s) {
            cells[d][s] = TimeText(days[d].row[s], clock24);
            widths[s] =
                std::max({widths[s], TextWidth(cells[d][s]), TextWidth(PrayerShortName(s))});
        }
    }
    std::string header = "Date      ";
    for (int s = 0; s < kPrayerCount; ++s) {
        header += "  " + PadLeft(std::string(PrayerShortName(s)), widths[s]);
    }
    const std::vector<TrailingColumn> trailing = TrailingColumns(days, clock24);
    for (const TrailingColumn& column : trailing) {
        header += "  " + PadLeft(column.header, column.width);
    }
    out << header << '\n';
    for (std::size_t d = 0; d < days.size(); ++d) {
        std::string line = IsoDate(days[d].date);
        for (int s = 0; s < kPrayerCount; ++s) {
            line += "  " + PadLeft(cells[d][s], widths[s]);
        }
        for (const TrailingColumn& column : trailing) {
            line += "  " + PadLeft(column.cells[d], column.width);
        }
        out << line << '\n';
    }
    if (std::any_of(trailing.begin(), trailing.end(), [](const TrailingColumn& column) {
            return std::any_of(column.cells.begin(), column.cells.end(),
                               [](const std::string& cell) { return cell.ends_with(" +1"); });
        })) {
        out << "\n+1: after midnight, on the next date\n";
    }
}

}  // namespace orvanta
