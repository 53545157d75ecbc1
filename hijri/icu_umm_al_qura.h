// ICU's "islamic-umalqura" calendar in Universal Time: the two conversions the program asks of
// it, for the run-time path and for the build-time month table alike. ICU's i18n library is
// loaded (dlopen) the first time a calendar is made, not at the program's start: most runs
// never need it (the month table covers their dates), and loading and relocating ICU's
// libraries costs a short run about a third of its time.
#pragma once

#include <unicode/ucal.h>

#include <cstdint>
#include <optional>

#include "hijri/hijri_date.h"

namespace orvanta {

inline constexpr double kMillisPerDay = 86'400'000.0;

class IcuUmmAlQura {
  public:
    IcuUmmAlQura();
    ~IcuUmmAlQura();
    IcuUmmAlQura(const IcuUmmAlQura&) = delete;
    IcuUmmAlQura& operator=(const IcuUmmAlQura&) = delete;

    // False when ICU could not be loaded or could not create the calendar; then nothing else
    // may be called.
    bool Ok() const { return calendar_ != nullptr; }

    // Given a moment in ICU milliseconds (since 1970-01-01 00:00 UT), returns its Hijri date;
    // nothing when ICU fails.
    std::optional<HijriDate> HijriAt(UDate moment);

    // Given a Hijri year and month (1 .. 12), returns the day number (days since 1970-01-01) on
    // which the month begins: ICU's conversion from Hijri fields to a moment, which finds the
    // year's start from its table at once. Nothing when ICU fails.
    std::optional<std::int64_t> MonthStartDay(int year, int month);

  private:
    UCalendar* calendar_ = nullptr;
};

}  // namespace orvanta
