#include "cli/next_output.h"

#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>

#include "common/visible_text.h"
#include "hijri/hijri_text.h"
#include "timetable/civil_time.h"
#include "timetable/event_instants.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
namespace {

constexpr std::int64_t kSecondsPerMinute = 60;
constexpr std::int64_t kSecondsPerDay = 86400;

using Json = nlohmann::ordered_json;

// "in 1 h 12 min", "in 45 min", "in 2 h": the minutes left rounded up, so 1 second is 1 min.
std::string TimeLeftText(std::int64_t seconds) {
    const std::int64_t minutes = (seconds + kSecondsPerMinute - 1) / kSecondsPerMinute;
    std::string text = "in ";
    if (minutes >= 60) {
        text.append(std::to_string(minutes / 60)).append(" h");
        if (minutes % 60 == 0) {
            return text;
        }
        text.push_back(' ');
    }
    return text.append(std::to_string(minutes % 60)).append(" min");
}

// The event's clock time as the times command writes it ("3:17 PM", or "15:17").
std::string ClockText(const PrayerEvent& event, bool clock24) {
    return TimeField(static_cast<double>(event.day->row[static_cast<std::size_t>(event.slot)]),
                     clock24);
}

// "2026-03-20T15:53:00+03:00": the instant on the clock the event is shown on.
std::string InstantText(const PrayerEvent& event) {
    const double offsetHours = event.day->eventOffsetHours[static_cast<std::size_t>(event.slot)];
    const std::int64_t local = event.instantUtc + std::lround(offsetHours * 3600.0);
    const std::int64_t day = FloorDiv(local, kSecondsPerDay);
    const std::int64_t second = local - day * kSecondsPerDay;
    char clock[16];
    std::snprintf(clock, sizeof clock, "T%02d:%02d:%02d", static_cast<int>(second / 3600),
                  static_cast<int>(second / 60 % 60), static_cast<int>(second % 60));
    return IsoDate(CivilFromDays(day)) + clock + OffsetText(offsetHours);
}

// The name people read: a Friday's Zuhr is the Friday prayer. The machine fields (json's name
// and key, waybar's class) keep the six names.
std::string ShownName(int slot, const CivilDate& date) {
    const bool jumuah = slot == SlotIndex(PrayerSlot::kZuhr) && IsFridayDate(date);
    return std::string(jumuah ? "Jumu'ah" : PrayerShortName(slot));
}

std::string OneLine(const NextPrayer& next, const NextRequest& request) {
    std::string line = ShownName(next.next.slot, next.next.day->date) + " " +
                       ClockText(next.next, request.times.clock24);
    if (!request.shortText) {
        line += " (" + TimeLeftText(next.next.instantUtc - next.nowUtc) + ")";
    }
    return line;
}

Json EventJson(const PrayerEvent& event, bool clock24) {
    return Json{{"name", PrayerShortName(event.slot)},
                {"key", kPrayerKeys[static_cast<std::size_t>(event.slot)]},
                {"time", InstantText(event)},
                {"text", ClockText(event, clock24)}};
}

// Pango markup shows '&', '<' and '>' only as entities.
std::string MarkupEscaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// The place, then the next event's day with its Hijri date, then its six times.
std::string Tooltip(const NextPrayer& next, const CityLocation& city, bool clock24) {
    const DatedRow& day = *next.next.day;
    std::string tooltip = MarkupEscaped(VisibleText(city.name));
    tooltip.append(tooltip.empty() ? "" : "\n").append(IsoDate(day.date));
    if (day.hijri) {
        tooltip.append(" \u00B7 ").append(HijriDateText(*day.hijri));
    }
    const auto instants = EventInstants(day);
    for (int s = 0; s < kPrayerCount; ++s) {
        const auto& at = instants[static_cast<std::size_t>(s)];
        const char* mark = "  ";
        if (s == next.next.slot) {
            mark = "\u25B6 ";
        } else if (at && *at <= next.nowUtc) {
            mark = "\u2713 ";
        }
        tooltip.append("\n").append(mark).append(ShownName(s, day.date)).append(" ");
        tooltip.append(
            TimeField(static_cast<double>(day.row[static_cast<std::size_t>(s)]), clock24));
    }
    return tooltip;
}

// Percent of the way from the previous event to the next, 0 .. 100 (0 without a previous one).
int Percentage(const NextPrayer& next) {
    if (!next.previous) {
        return 0;
    }
    const std::int64_t span = next.next.instantUtc - next.previous->instantUtc;
    const std::int64_t gone = next.nowUtc - next.previous->instantUtc;
    return span > 0 ? static_cast<int>(std::clamp<std::int64_t>(gone * 100 / span, 0, 100)) : 0;
}

}  // namespace

std::optional<NextPrayer> FindNextPrayer(const std::vector<DatedRow>& days, std::int64_t nowUtc) {
    std::vector<PrayerEvent> events;
    for (const DatedRow& day : days) {
        const auto instants = EventInstants(day);
        for (int s = 0; s < kPrayerCount; ++s) {
            if (const auto& at = instants[static_cast<std::size_t>(s)]) {
                events.push_back({&day, s, *at});
            }
        }
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const auto& a, const auto& b) { return a.instantUtc < b.instantUtc; });
    const auto next = std::upper_bound(
        events.begin(), events.end(), nowUtc,
        [](std::int64_t now, const PrayerEvent& event) { return now < event.instantUtc; });
    if (next == events.end()) {
        return std::nullopt;
    }
    NextPrayer found{nowUtc, std::nullopt, *next, std::nullopt};
    if (next != events.begin()) {
        found.previous = *(next - 1);
    }
    if (next + 1 != events.end()) {
        found.after = *(next + 1);
    }
    return found;
}

void WriteNextPrayer(std::ostream& out, const NextPrayer& next, const NextRequest& request,
                     const CityLocation& city) {
    const bool clock24 = request.times.clock24;
    Json json;
    switch (request.format) {
        case NextRequest::Format::kText:
            out << OneLine(next, request) << '\n';
            return;
        case NextRequest::Format::kJson:
            json = EventJson(next.next, clock24);
            json["secondsLeft"] = next.next.instantUtc - next.nowUtc;
            json["after"] = next.after ? EventJson(*next.after, clock24) : Json();
            break;
        case NextRequest::Format::kWaybar: {
            Json classes = Json::array({kPrayerKeys[static_cast<std::size_t>(next.next.slot)]});
            if (next.next.instantUtc - next.nowUtc <= request.soonMinutes * kSecondsPerMinute) {
                classes.push_back("soon");
            }
            json = Json{{"text", OneLine(next, request)},
                        {"tooltip", Tooltip(next, city, clock24)},
                        {"class", classes},
                        {"percentage", Percentage(next)}};
            break;
        }
    }
    out << json.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace orvanta
