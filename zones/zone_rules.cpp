#include "zones/zone_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "astro/civil_days.h"
#include "zones/zone_file.h"
#include "zones/zone_tzif.h"

namespace orvanta {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr double kSecondsPerHour = 3600.0;
constexpr std::int64_t kSecondsPerDay = 86400;
// Seconds from 1970-01-01 to 0001-01-01 and to 10000-01-01, the instants the rules answer for.
constexpr std::int64_t kFirstInstant = -62135596800;
constexpr std::int64_t kEndInstant = 253402300800;
// Every offset lies within 26 hours of Universal Time: the instants that can show a local
// time lie within this many seconds of it.
constexpr std::int64_t kLocalSearchSeconds = 27 * 3600;

// The total offsets at local noon of each day of one year, seconds east positive.
struct YearNoonOffsets {
    std::array<std::int32_t, kDaysInTable> seconds{};
    int dayCount = 0;  // 365 or 366
};

// Given a zone and a local wall-clock time (seconds since 1970-01-01 00:00 of the local clock),
// returns the offset in force at the earliest instant that shows that time: of the offsets in
// force near it, those confirmed at the instant they imply, the largest (the earliest
// instant); inside a skipped hour, the offset in force after the skip.
std::int32_t OffsetAtLocal(const ZoneFile& zone, std::int64_t localSeconds) {
    const std::int64_t from = localSeconds - kLocalSearchSeconds;
    std::array<std::int32_t, 8> candidates{};
    std::size_t count = 0;
    candidates[count++] = ZoneFileOffsetAt(zone, from);
    for (const ZoneTransition& change :
         ZoneFileChangesBetween(zone, from, localSeconds + kLocalSearchSeconds)) {
        if (count < candidates.size()) {
            candidates[count++] = change.offsetAfter;
        }
    }
    std::optional<std::int32_t> best;
    std::int32_t lowest = candidates[0];
    for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t c = candidates[i];
        lowest = std::min(lowest, c);
        if (ZoneFileOffsetAt(zone, localSeconds - c) == c && (!best || c > *best)) {
            best = c;
        }
    }
    return best ? *best : ZoneFileOffsetAt(zone, localSeconds - lowest);
}

// Given a zone name and a year, returns the offsets at local noon of each day of the year;
// nothing for an empty or unknown name or a year outside 1 .. 9999.
std::optional<YearNoonOffsets> NoonOffsetsOfYear(std::string_view ianaName, std::int16_t year) {
    if (year < kFirstYear || year > kLastYear) {
        return std::nullopt;
    }
    const std::shared_ptr<const ZoneFile> zone = SystemZoneFile(ianaName);
    if (!zone) {
        return std::nullopt;
    }
    YearNoonOffsets offsets;
    offsets.dayCount = civil::IsLeapYear(year) ? 366 : 365;
    const std::int64_t firstDay = civil::DaysFromCivil(year, 1, 1);
    for (int j = 0; j < offsets.dayCount; ++j) {
        offsets.seconds[j] = OffsetAtLocal(*zone, (firstDay + j) * kSecondsPerDay + 43200);
    }
    return offsets;
}

}  // namespace

std::optional<DaylightShiftTable> ZoneDaylightShifts(std::string_view ianaName, std::int16_t year,
                                                     double zoneHours) {
    if (!std::isfinite(zoneHours)) {
        return std::nullopt;
    }
    const std::optional<YearNoonOffsets> offsets = NoonOffsetsOfYear(ianaName, year);
    if (!offsets) {
        return std::nullopt;
    }
    DaylightShiftTable shifts{};
    for (int j = 0; j < offsets->dayCount; ++j) {
        shifts[j] = offsets->seconds[j] / kSecondsPerHour - zoneHours;
    }
    return shifts;
}

std::optional<ZoneSummary> SummarizeZone(std::string_view ianaName, std::int16_t year) {
    const std::optional<YearNoonOffsets> offsets = NoonOffsetsOfYear(ianaName, year);
    if (!offsets) {
        return std::nullopt;
    }
    const auto begin = offsets->seconds.begin();
    const auto end = begin + offsets->dayCount;
    const std::int32_t smallest = *std::min_element(begin, end);
    ZoneSummary summary;
    summary.zoneHours = smallest / kSecondsPerHour;
    summary.biasMinutes = -static_cast<std::int32_t>(std::lround(smallest / 60.0));
    summary.observesDst = std::any_of(begin, end, [&](std::int32_t s) { return s != smallest; });
    return summary;
}

bool IsKnownZone(std::string_view ianaName) {
    return SystemZoneFile(ianaName) != nullptr;
}

std::optional<std::int32_t> ZoneOffsetAtInstant(std::string_view ianaName,
                                                std::int64_t utcSeconds) {
    if (utcSeconds < kFirstInstant || utcSeconds >= kEndInstant) {
        return std::nullopt;
    }
    const std::shared_ptr<const ZoneFile> zone = SystemZoneFile(ianaName);
    if (!zone) {
        return std::nullopt;
    }
    return ZoneFileOffsetAt(*zone, utcSeconds);
}

std::optional<std::vector<ZoneTransition>> ZoneTransitionsBetween(std::string_view ianaName,
                                                                  std::int64_t fromUtc,
                                                                  std::int64_t toUtc) {
    if (fromUtc < kFirstInstant || toUtc > kEndInstant || fromUtc > toUtc) {
        return std::nullopt;
    }
    const std::shared_ptr<const ZoneFile> zone = SystemZoneFile(ianaName);
    if (!zone) {
        return std::nullopt;
    }
    return ZoneFileChangesBetween(*zone, fromUtc, toUtc);
}

}  // namespace orvanta
