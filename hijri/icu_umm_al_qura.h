// ICU's "islamic-umalqura" calendar in Universal Time: the two conversions the program asks of
// it, for the run-time path and for the build-time month table alike.
#pragma once

#include <unicode/calendar.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "hijri/hijri_date.h"

namespace orvanta {

inline constexpr double kMillisPerDay = 86'400'000.0;

class IcuUmmAlQura {
  public:
    IcuUmmAlQura();

    // False when ICU could not create the calendar; then nothing else may be called.
    bool Ok() const { return calendar_ != nullptr; }

    // Given a moment in ICU milliseconds (since 1970-01-01 00:00 UT), returns its Hijri date;
    // nothing when ICU fails.
    std::optional<HijriDate> HijriAt(UDate moment);

    // Given a Hijri year and month (1 .. 12), returns the day number (days since 1970-01-01) on
    // which the month begins: ICU's conversion from Hijri fields to a moment, which finds the
    // year's start from its table at once. Nothing when ICU fails.
    std::optional<std::int64_t> MonthStartDay(int year, int month);

  private:
    std::unique_ptr<icu::Calendar> calendar_;
};

}  // namespace orvanta
