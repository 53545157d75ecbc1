#include "timetable/csv_output.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "hijri/hijri_holidays.h"
#include "hijri/hijri_text.h"
#include "timetable/civil_time.h"
#include "timetable/hours_text.h"
#include "timetable/night_rows.h"
#include "timetable/prayer_fields.h"

namespace orvanta {
namespace {

// A part of a line whose bytes may be copied 16 at a time: its text, padded, and its length.
struct Part {
    std::array<char, 16> chars{};
    std::size_t length = 0;
};

Part PartOf(std::string_view text) {
    Part part;
    part.length = text.copy(part.chars.data(), part.chars.size());
    return part;
}

// One line of the table built in a buffer and appended whole: a year has 2,190 lines, and
// appending each of their seven pieces to the text cost more than computing the times.
class CsvLine {
  public:
    // Copies the part's 16 bytes and keeps its length: the fixed-size copy needs no call.
    void Put(const Part& part) {
        std::memcpy(chars_.data() + length_, part.chars.data(), part.chars.size());
        length_ += part.length;
    }
    void Put(const HoursText& hours) {
        std::memcpy(chars_.data() + length_, hours.chars.data(), hours.chars.size());
        length_ += hours.length;
    }
    void Put(std::string_view text) { length_ += text.copy(chars_.data() + length_, 32); }
    void Put(char c) { chars_[length_++] = c; }
    void AppendTo(std::string& text) const { text.append(chars_.data(), length_); }

  private:
    // Date, name, hours and Hijri parts of 16 bytes each, time text and separators below 40.
    std::array<char, 128> chars_{};
    std::size_t length_ = 0;
};

// The night's lines of a day that has its night: Imsak, Midnight, LastThird, their hours after
// the date's local midnight (above 24 on the next date) and time text; none for a time that
// does not exist. holiday: the day's ",holiday\n" column with extras, else empty.
void AppendNightLines(std::string& text, const DatedRow& day, const Part& date, const Part& hijri,
                      std::string_view holiday, bool clock24) {
    if (!day.night) {
        return;
    }
    for (const NightField& field : kNightFields) {
        const std::optional<NightTime>& time = (*day.night).*field.member;
        if (!time) {
            continue;
        }
        CsvLine line;
        line.Put(date);
        line.Put(field.shortName);
        line.Put(',');
        line.Put(FormatHoursText(static_cast<float>(time->hours)));
        line.Put(',');
        line.Put(TimeField(time->hours, clock24));
        line.Put(hijri);
        if (!holiday.empty()) {
            line.Put(holiday);
        }
        line.AppendTo(text);
    }
}

}  // namespace

void WriteTimetableAsCsv(std::ostream& out, const std::vector<DatedRow>& days, bool clock24,
                         bool extras) {
    std::array<Part, kPrayerCount> names;
    for (int s = 0; s < kPrayerCount; ++s) {
        names[static_cast<std::size_t>(s)] = PartOf(std::string(PrayerShortName(s)) + ',');
    }
    // The lines go out in blocks of about 16 KiB, so that one small buffer serves the table.
    constexpr std::size_t kBlockBytes = 16384;
    std::string text =
        extras ? "date,prayer,hours,time,hijri,holiday\n" : "date,prayer,hours,time,hijri\n";
    text.reserve(kBlockBytes + 512);
    for (const DatedRow& day : days) {
        // The parts every line of the day shares: "date," and ",hijri\n".
        const Part date = PartOf(IsoDate(day.date) + ',');
        const Part hijri = PartOf(',' + (day.hijri ? HijriIsoText(*day.hijri) : std::string()) +
                                  (extras ? "" : "\n"));
        // ",eid-al-fitr\n": at most 16 bytes, within what CsvLine::Put copies.
        std::string holiday;
        if (extras) {
            const auto kind = day.hijri ? HolidayOf(*day.hijri) : std::nullopt;
            holiday = ',' + std::string(kind ? HolidayId(*kind) : std::string_view()) + '\n';
        }
        for (int s = 0; s < kPrayerCount; ++s) {
            CsvLine line;
            line.Put(date);
            line.Put(names[static_cast<std::size_t>(s)]);
            line.Put(FormatHoursText(day.row[s]));
            line.Put(',');
            line.Put(TimeField(static_cast<double>(day.row[s]), clock24));
            line.Put(hijri);
            if (extras) {
                line.Put(std::string_view(holiday));
            }
            line.AppendTo(text);
        }
        AppendNightLines(text, day, date, hijri, holiday, clock24);
        if (text.size() >= kBlockBytes) {
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            text.clear();
        }
    }
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace orvanta
