#include "cli/timetable_command.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "cities/printed_timetable_store.h"
#include "cli/error_line.h"
#include "common/regular_file.h"
#include "common/visible_text.h"
#include "timetable/civil_time.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
namespace {

constexpr const char* kNoUserFolder =
    "there is no per-user data folder (set HOME or XDG_DATA_HOME)";

enum class FileRead { kRead, kMissing, kNotRegular, kUnreadable, kTooLarge };

// Reads the whole file, at most kPrintedMaxBytes.
FileRead ReadWholeFile(const std::string& path, std::string& text) {
    const OpenedFile opened = OpenRegularFile(path, O_RDONLY);
    switch (opened.kind) {
        case FileKind::kRegular:
            break;
        case FileKind::kMissing:
            return FileRead::kMissing;
        case FileKind::kNotRegular:
            return FileRead::kNotRegular;
        case FileKind::kUnreadable:
            return FileRead::kUnreadable;
    }
    std::array<char, 65536> block{};
    for (;;) {
        const ssize_t got = read(opened.file.Get(), block.data(), block.size());
        if (got < 0) {
            return FileRead::kUnreadable;
        }
        if (got == 0) {
            return FileRead::kRead;
        }
        text.append(block.data(), static_cast<std::size_t>(got));
        if (text.size() > kPrintedMaxBytes) {
            return FileRead::kTooLarge;
        }
    }
}

std::string SlotName(int slot) {
    return std::string(PrayerShortName(slot));
}

// The city a timetable command names (--city) or the home city, looked up as a times run looks
// it up; 0 or the exit status after the error.
int SettleCity(const TimetableRequest& request, const TimesServices& services, std::ostream& err,
               std::string& city) {
    TimesRequest times;
    if (request.city) {
        times.source = LocationSource::kCityName;
        times.city.name = *request.city;
    }
    RunSetup setup;
    if (const int status = SetUpRun(times, services, 2000, err, setup); status != 0) {
        return status;
    }
    city = setup.city.name;
    return 0;
}

int Import(const TimetableRequest& request, std::ostream& out, std::ostream& err,
           const TimesServices& services) {
    if (!services.userDatabasePath) {
        WriteErrorLine(err, kNoUserFolder);
        return 1;
    }
    std::string city;
    if (const int status = SettleCity(request, services, err, city); status != 0) {
        return status;
    }
    std::string text;
    const std::string shownFile = QuotedValue(request.file);
    switch (ReadWholeFile(request.file, text)) {
        case FileRead::kRead:
            break;
        case FileRead::kMissing:
            WriteErrorLine(err, "there is no file " + shownFile);
            return 1;
        case FileRead::kNotRegular:
            WriteErrorLine(err, shownFile + " is not a regular file");
            return 1;
        case FileRead::kUnreadable:
            WriteErrorLine(err, "cannot read " + shownFile);
            return 1;
        case FileRead::kTooLarge:
            WriteErrorLine(err, VisibleText(request.file) + ": " +
                                    PrintedFaultText({PrintedFault::kTooLarge, 0, -1}));
            WriteErrorLine(err, "nothing was stored");
            return 1;
    }
    const PrintedTimetable parsed = ParsePrintedTimetable(text);
    if (!parsed.faults.empty()) {
        for (const PrintedFaultAt& fault : parsed.faults) {
            const std::string where =
                fault.line == 0 ? request.file : request.file + ":" + std::to_string(fault.line);
            WriteErrorLine(err, VisibleText(where) + ": " + PrintedFaultText(fault));
        }
        if (parsed.moreFaults) {
            WriteErrorLine(err, "more lines are wrong; only the first " +
                                    std::to_string(kPrintedMaxFaults) + " are shown");
        }
        WriteErrorLine(err, "nothing was stored");
        return 1;
    }
    const std::int64_t now = services.nowUtc ? services.nowUtc() : 0;
    if (StorePrintedTimetable(*services.userDatabasePath, city, parsed.days, now,
                              services.notices) != PrintedStoreResult::kDone) {
        WriteErrorLine(err, "cannot write " + services.userDatabasePath->string());
        return 1;
    }
    out << "Stored the timetable of " << VisibleText(city) << ": " << parsed.days.size()
        << (parsed.days.size() == 1 ? " day, " : " days, ")
        << IsoDate(CivilFromDays(parsed.days.front().day)) << " to "
        << IsoDate(CivilFromDays(parsed.days.back().day)) << '\n';
    return WriteOutput(out, err, {});
}

// "2026-12-07 16:30 UTC".
std::string ImportedAtText(std::int64_t utcSeconds) {
    const std::int64_t minutes = FloorDiv(utcSeconds, 60);
    const std::int64_t minuteOfDay = minutes - FloorDiv(minutes, 1440) * 1440;
    std::array<char, 16> clock{};
    std::snprintf(clock.data(), clock.size(), " %02d:%02d UTC", static_cast<int>(minuteOfDay / 60),
                  static_cast<int>(minuteOfDay % 60));
    return IsoDate(CivilFromDays(FloorDiv(minutes, 1440))) + clock.data();
}

int List(std::ostream& out, std::ostream& err, const TimesServices& services) {
    if (!services.userDatabasePath) {
        WriteErrorLine(err, kNoUserFolder);
        return 1;
    }
    const std::optional<std::vector<PrintedTimetableSummary>> list =
        ListPrintedTimetables(*services.userDatabasePath, services.notices);
    if (!list) {
        WriteErrorLine(err, "cannot read " + services.userDatabasePath->string());
        return 1;
    }
    if (list->empty()) {
        out << "No timetable is stored; add one with: orvanta-times timetable import FILE\n";
        return WriteOutput(out, err, {});
    }
    std::size_t width = 4;
    for (const PrintedTimetableSummary& row : *list) {
        width = std::max(width, VisibleText(row.city).size());
    }
    const auto pad = [width](const std::string& text) {
        return text + std::string(width - std::min(width, text.size()) + 2, ' ');
    };
    out << pad("City") << "First       Last         Days  Imported\n";
    for (const PrintedTimetableSummary& row : *list) {
        std::array<char, 8> days{};
        std::snprintf(days.data(), days.size(), "%5lld", static_cast<long long>(row.dayCount));
        out << pad(VisibleText(row.city)) << IsoDate(CivilFromDays(row.firstDay)) << "  "
            << IsoDate(CivilFromDays(row.lastDay)) << "  " << days.data() << "  "
            << ImportedAtText(row.importedAtUtc) << '\n';
    }
    return WriteOutput(out, err, {});
}

int Remove(const TimetableRequest& request, std::ostream& out, std::ostream& err,
           const TimesServices& services) {
    if (!services.userDatabasePath) {
        WriteErrorLine(err, kNoUserFolder);
        return 1;
    }
    // The name as stored first, so that a timetable of a city no longer in the databases can
    // still go; else the city as a run looks it up.
    std::string city = request.city.value_or("");
    PrintedStoreResult result = PrintedStoreResult::kNotFound;
    if (request.city) {
        result = RemovePrintedTimetable(*services.userDatabasePath, city, services.notices);
    }
    if (result == PrintedStoreResult::kNotFound) {
        if (const int status = SettleCity(request, services, err, city); status != 0) {
            return status;
        }
        result = RemovePrintedTimetable(*services.userDatabasePath, city, services.notices);
    }
    switch (result) {
        case PrintedStoreResult::kDone:
            out << "Removed the timetable of " << VisibleText(city) << '\n';
            return WriteOutput(out, err, {});
        case PrintedStoreResult::kNotFound:
            WriteErrorLine(err, "there is no timetable of " + QuotedValue(city));
            return 1;
        case PrintedStoreResult::kFailed:
            break;
    }
    WriteErrorLine(err, "cannot write " + services.userDatabasePath->string());
    return 1;
}

}  // namespace

int RunTimetableCommand(const TimetableRequest& request, std::ostream& out, std::ostream& err,
                        const TimesServices& services) {
    switch (request.action) {
        case TimetableRequest::Action::kImport:
            return Import(request, out, err, services);
        case TimetableRequest::Action::kList:
            return List(out, err, services);
        case TimetableRequest::Action::kRemove:
            break;
    }
    return Remove(request, out, err, services);
}

std::string PrintedFaultText(const PrintedFaultAt& fault) {
    const std::string slot = fault.slot >= 0 ? SlotName(fault.slot) : std::string();
    switch (fault.fault) {
        case PrintedFault::kEmpty:
            return "the file is empty";
        case PrintedFault::kTooLarge:
            return "the file is larger than " + std::to_string(kPrintedMaxBytes / (1024 * 1024)) +
                   " MiB";
        case PrintedFault::kNotText:
            return "not UTF-8 text (a NUL byte or bytes of no character)";
        case PrintedFault::kBadHeader:
            return "the first line must be date,fajr,shuruq,zuhr,asr,maghrib,isha (or "
                   "date,prayer,hours,time,... as --format csv writes)";
        case PrintedFault::kFieldCount:
            return "the line does not have the header's fields";
        case PrintedFault::kBadDate:
            return "not a date YYYY-MM-DD";
        case PrintedFault::kDateTwice:
            return "the date is given twice";
        case PrintedFault::kTimeTwice:
            return slot + " is given twice for the date";
        case PrintedFault::kMissingTime:
            return slot + " has no time";
        case PrintedFault::kBadTime:
            return slot + " is not a time HH:MM";
        case PrintedFault::kOutOfOrder:
            return slot + " is not after " + SlotName(fault.slot - 1);
        case PrintedFault::kTooManyDays:
            return "more than " + std::to_string(kPrintedMaxDays) + " days (ten years)";
        case PrintedFault::kNoDays:
            return "there is no day after the header";
    }
    return "the line is wrong";
}

PrintedDays PrintedDaysOfRun(const TimesServices& services, const RunSetup& setup,
                             LocationSource source, std::int64_t firstDay, std::int64_t lastDay) {
    if (source == LocationSource::kCoordinates || !services.userDatabasePath ||
        setup.city.name.empty()) {
        return PrintedDays{};
    }
    return ReadPrintedDays(*services.userDatabasePath, setup.city.name, firstDay, lastDay,
                           services.notices);
}

}  // namespace orvanta
