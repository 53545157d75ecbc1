#include "zones/zone_rules.h"

#include <date/tz.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "zones/zone_posix_rule.h"
#include "zones/zone_tzif.h"

namespace orvanta {
namespace {

// The compiled zone database the date library reads on this system.
constexpr const char* kZoneInfoDir = "/usr/share/zoneinfo";
// Compiled zone files are a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxZoneFileBytes = 1U << 20;
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr double kSecondsPerHour = 3600.0;

// The total offsets at local noon of each day of one year, seconds east positive.
struct YearNoonOffsets {
    std::array<std::int32_t, kDaysInTable> seconds{};
    int dayCount = 0;  // 365 or 366
};

// The date library ends the interval that follows a zone's last listed transition at a bound
// far past year 9999 (it does not read the file's footer rule); an interval that ends beyond
// this instant is that open-ended one.
bool IsOpenEnded(const date::sys_info& info) {
    const date::sys_seconds bound{date::sys_days{date::year{10000} / date::January / 1}};
    return info.end >= bound;
}

// A zone name that the library found came from a walk of the database directory; this check
// keeps the path built from it inside that directory all the same.
bool IsPlainZonePath(const std::string& name) {
    return !name.empty() && name.front() != '/' && name.find("..") == std::string::npos &&
           name.find('\0') == std::string::npos;
}

// Given a zone's name, returns the rule of its file's footer; nothing when the file cannot be
// read or has no usable footer. Each zone's file is read once per process.
std::optional<PosixZoneRule> FooterRule(const std::string& zoneName) {
    static std::mutex mutex;
    static std::map<std::string, std::optional<PosixZoneRule>, std::less<>> cache;
    const std::lock_guard<std::mutex> lock(mutex);
    if (const auto found = cache.find(zoneName); found != cache.end()) {
        return found->second;
    }
    std::optional<PosixZoneRule> rule;
    if (IsPlainZonePath(zoneName)) {
        const std::string path = std::string{kZoneInfoDir} + "/" + zoneName;
        if (const std::optional<std::string> bytes = ReadSmallFile(path, kMaxZoneFileBytes)) {
            if (const std::optional<std::string> footer = TzifFooter(*bytes)) {
                rule = ParsePosixZoneRule(*footer);
            }
        }
    }
    cache.emplace(zoneName, rule);
    return rule;
}

// Given a footer rule and a local wall-clock time (seconds since 1970-01-01 00:00 of the local
// clock), returns the offset in force at the earliest instant showing that time: of the
// standard and alternative offsets, those the rule confirms at the instant they imply, the
// larger (the earlier instant); inside a skipped hour, the offset in force after the skip.
std::int32_t FooterOffsetAtLocal(const PosixZoneRule& rule, std::int64_t localSeconds) {
    const std::int32_t high = std::max(rule.standardOffsetSeconds, rule.alternativeOffsetSeconds);
    const std::int32_t low = std::min(rule.standardOffsetSeconds, rule.alternativeOffsetSeconds);
    if (PosixRuleOffsetAt(rule, localSeconds - high) == high) {
        return high;
    }
    if (PosixRuleOffsetAt(rule, localSeconds - low) == low) {
        return low;
    }
    return PosixRuleOffsetAt(rule, localSeconds - low);
}

// A zone and, once some date needs it, the rule of its file's footer.
struct ZoneReader {
    const date::time_zone& zone;
    bool footerLoaded = false;
    std::optional<PosixZoneRule> footer;

    const std::optional<PosixZoneRule>& Footer() {
        if (!footerLoaded) {
            footer = FooterRule(zone.name());
            footerLoaded = true;
        }
        return footer;
    }
};

// Given a zone and a local date, returns the total offset in force at local noon, seconds east.
std::int32_t NoonOffset(ZoneReader& reader, date::local_days day) {
    const date::local_seconds noon{day + std::chrono::hours{12}};
    const date::local_info info = reader.zone.get_info(noon);
    // Ambiguous: `first` is the earlier instant. Skipped: the earliest mapping is the moment
    // of the transition, when `second` is in force.
    const date::sys_info& inForce =
        info.result == date::local_info::nonexistent ? info.second : info.first;
    if (IsOpenEnded(inForce)) {
        if (const std::optional<PosixZoneRule>& footer = reader.Footer();
            footer && footer->hasAlternative) {
            return FooterOffsetAtLocal(*footer, noon.time_since_epoch().count());
        }
    }
    return static_cast<std::int32_t>(inForce.offset.count());
}

// Runs read(zone, reader) on the named zone and returns what it returns (an optional). Nothing
// for an unknown name; every exception of the date library (an unknown name throws, a missing
// database throws) ends as nothing too, so none crosses the layer boundary.
template <typename Read>
auto ReadZone(std::string_view ianaName, Read read)
    -> decltype(read(std::declval<const date::time_zone&>(), std::declval<ZoneReader&>())) {
    try {
        const date::time_zone* zone = date::locate_zone(std::string{ianaName});
        if (zone == nullptr) {
            return std::nullopt;
        }
        ZoneReader reader{*zone, false, std::nullopt};
        return read(*zone, reader);
    } catch (...) {
        return std::nullopt;
    }
}

// Given a zone name and a year, returns the offsets at local noon of each day of the year;
// nothing for an empty or unknown name or a year outside 1 .. 9999.
std::optional<YearNoonOffsets> NoonOffsetsOfYear(std::string_view ianaName, std::int16_t year) {
    if (ianaName.empty() || year < kFirstYear || year > kLastYear) {
        return std::nullopt;
    }
    return ReadZone(
        ianaName,
        [year](const date::time_zone&, ZoneReader& reader) -> std::optional<YearNoonOffsets> {
            const date::year civilYear{year};
            const date::local_days firstDay{civilYear / date::January / 1};
            YearNoonOffsets offsets;
            offsets.dayCount = civilYear.is_leap() ? 366 : 365;
            for (int j = 0; j < offsets.dayCount; ++j) {
                offsets.seconds[j] = NoonOffset(reader, firstDay + date::days{j});
            }
            return offsets;
        });
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

std::string TzdbVersion() {
    try {
        const date::tzdb& db = date::get_tzdb();
        if (!db.version.empty() && db.version != "unknown") {
            return db.version;
        }
    } catch (...) {
        // The library could not load the database; its version file may still be readable.
    }
    try {
        return ReadTzdbVersion(kZoneInfoDir);
    } catch (...) {
        return {};
    }
}

bool IsKnownZone(std::string_view ianaName) {
    if (ianaName.empty()) {
        return false;
    }
    try {
        return date::locate_zone(std::string{ianaName}) != nullptr;
    } catch (...) {
        return false;
    }
}

}  // namespace orvanta

namespace orvanta {
namespace {

constexpr std::int64_t kFooterScanStep = 6 * 3600;  // seconds

// The offset the footer rule or the interval itself gives at a UT instant, seconds east.
std::int32_t OffsetAtInstant(ZoneReader& reader, const date::sys_info& info, std::int64_t utc) {
    if (IsOpenEnded(info)) {
        if (const std::optional<PosixZoneRule>& footer = reader.Footer();
            footer && footer->hasAlternative) {
            return PosixRuleOffsetAt(*footer, utc);
        }
    }
    return static_cast<std::int32_t>(info.offset.count());
}

date::sys_info InfoAt(const date::time_zone& zone, std::int64_t utc) {
    return zone.get_info(date::sys_seconds{std::chrono::seconds{utc}});
}

// The first second after `before` (whose offset is known) at which the offset differs, given
// that it differs at `after`: bisection of the footer rule's offsets.
std::int64_t NarrowChange(ZoneReader& reader, const date::sys_info& info, std::int64_t before,
                          std::int64_t after) {
    const std::int32_t start = OffsetAtInstant(reader, info, before);
    while (after - before > 1) {
        const std::int64_t middle = before + (after - before) / 2;
        if (OffsetAtInstant(reader, info, middle) == start) {
            before = middle;
        } else {
            after = middle;
        }
    }
    return after;
}

// Seconds from 1970-01-01 to 0001-01-01 and to 10000-01-01, the instants the rules cover.
constexpr std::int64_t kFirstInstant = -62135596800;
constexpr std::int64_t kEndInstant = 253402300800;

}  // namespace

std::optional<std::int32_t> ZoneOffsetAtInstant(std::string_view ianaName,
                                                std::int64_t utcSeconds) {
    if (ianaName.empty() || utcSeconds < kFirstInstant || utcSeconds >= kEndInstant) {
        return std::nullopt;
    }
    return ReadZone(ianaName,
                    [utcSeconds](const date::time_zone& zone,
                                 ZoneReader& reader) -> std::optional<std::int32_t> {
                        return OffsetAtInstant(reader, InfoAt(zone, utcSeconds), utcSeconds);
                    });
}

std::optional<std::vector<ZoneTransition>> ZoneTransitionsBetween(std::string_view ianaName,
                                                                  std::int64_t fromUtc,
                                                                  std::int64_t toUtc) {
    if (ianaName.empty() || fromUtc < kFirstInstant || toUtc > kEndInstant || fromUtc > toUtc) {
        return std::nullopt;
    }
    return ReadZone(
        ianaName,
        [fromUtc, toUtc](const date::time_zone& zone,
                         ZoneReader& reader) -> std::optional<std::vector<ZoneTransition>> {
            std::vector<ZoneTransition> changes;
            std::int64_t t = fromUtc;
            while (t < toUtc) {
                const date::sys_info info = InfoAt(zone, t);
                const std::int64_t intervalEnd =
                    std::chrono::duration_cast<std::chrono::seconds>(info.end.time_since_epoch())
                        .count();
                if (IsOpenEnded(info)) {
                    // After the last listed change the footer rule holds: scan it on a grid and
                    // narrow each change to the second.
                    std::int32_t current = OffsetAtInstant(reader, info, t);
                    for (std::int64_t next = t + kFooterScanStep;; next += kFooterScanStep) {
                        const std::int64_t probe = std::min(next, toUtc);
                        const std::int32_t offset = OffsetAtInstant(reader, info, probe);
                        if (offset != current) {
                            const std::int64_t at = NarrowChange(
                                reader, info,
                                probe - kFooterScanStep > t ? probe - kFooterScanStep : t, probe);
                            if (at < toUtc) {
                                changes.push_back({at, current, offset});
                            }
                            current = offset;
                        }
                        if (probe >= toUtc) {
                            break;
                        }
                    }
                    break;
                }
                if (intervalEnd >= toUtc) {
                    break;
                }
                const date::sys_info after = InfoAt(zone, intervalEnd);
                const auto before = static_cast<std::int32_t>(info.offset.count());
                const std::int32_t offsetAfter = OffsetAtInstant(reader, after, intervalEnd);
                if (offsetAfter != before) {  // a change of name alone is no change of clock
                    changes.push_back({intervalEnd, before, offsetAfter});
                }
                t = intervalEnd;
            }
            return changes;
        });
}

}  // namespace orvanta
