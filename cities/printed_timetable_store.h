// The printed timetables of mosques the user imported, kept in the per-user database user.db:
// per city, the day's six local times in minutes, and when the timetable was imported.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/notices.h"
#include "common/printed_timetable.h"

namespace orvanta {

enum class PrintedStoreResult {
    kDone,
    kNotFound,  // remove: the city has no timetable
    kFailed,    // user.db cannot be created, opened or written
};

// Replaces the city's whole timetable (a city is named as the city databases name it) with
// days, in one transaction: nothing changes when it fails. user.db is created when missing; a
// damaged one is moved aside (with a notice) and the timetable goes into a new one.
[[nodiscard]] PrintedStoreResult StorePrintedTimetable(const std::filesystem::path& userDatabase,
                                                       const std::string& city,
                                                       const std::vector<PrintedDay>& days,
                                                       std::int64_t importedAtUtc,
                                                       NoticeList* notices = nullptr);

// Removes the city's timetable.
[[nodiscard]] PrintedStoreResult RemovePrintedTimetable(const std::filesystem::path& userDatabase,
                                                        const std::string& city,
                                                        NoticeList* notices = nullptr);

struct PrintedTimetableSummary {
    std::string city;
    std::int64_t firstDay = 0;  // days since 1970-01-01
    std::int64_t lastDay = 0;
    std::int64_t dayCount = 0;
    std::int64_t importedAtUtc = 0;  // seconds since 1970 UT
};

// Every stored timetable, by city name; empty when there is no file or none is stored.
// Nothing when the file cannot be read.
std::optional<std::vector<PrintedTimetableSummary>> ListPrintedTimetables(
    const std::filesystem::path& userDatabase, NoticeList* notices = nullptr);

// The city's stored days from firstDay to lastDay (day numbers, both included), by date; rows
// that are not six ordered times are left out (the calculation applies there). Empty when
// there is no file or no timetable; a damaged file is moved aside (with a notice) and reads as
// empty, so the calculation keeps working.
PrintedDays ReadPrintedDays(const std::filesystem::path& userDatabase, const std::string& city,
                            std::int64_t firstDay, std::int64_t lastDay,
                            NoticeList* notices = nullptr);

}  // namespace orvanta
