#include "app/month/timetable_month.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDate>

#include "app/text/bidi_text.h"
#include "app/text/method_words.h"
#include "timetable/civil_time.h"
#include "timetable/hijri_days.h"

namespace orvanta {

std::optional<std::vector<DatedRow>> ComputeMonth(const MonthRequest& request) {
    const QDate first(request.year, request.month, 1);
    if (!first.isValid() || request.year < 1 || request.year > 9999) {
        return std::nullopt;
    }
    const auto civil = [](int year, int month, int day) {
        return CivilDate{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                         static_cast<std::int16_t>(day)};
    };
    const CivilDate firstDay = civil(request.year, request.month, 1);
    const CivilDate lastDay = civil(request.year, request.month, first.daysInMonth());
    const PrintedDays printed =
        request.printed ? request.printed(DaysFromCivil(firstDay), DaysFromCivil(lastDay))
                        : PrintedDays{};
    std::optional<std::vector<DatedRow>> days =
        ComputeDateRange(firstDay, lastDay, request.city, request.settings, request.choice,
                         ZoneYears::kAsGiven, &printed, request.nightTimes);
    if (!days || !AddHijriDates(*days, request.hijriOffsetDays)) {
        return std::nullopt;
    }
    return days;
}

QString MethodOfDays(const PrayerSettings& settings, const MethodChoice& choice,
                     const QString& city, const std::vector<DatedRow>& days) {
    const auto printed = [](const DatedRow& day) { return day.printed; };
    const auto first = std::find_if(days.begin(), days.end(), printed);
    if (first == days.end()) {
        return MethodInWords(settings, choice);
    }
    const QString timetable =
        QCoreApplication::translate("Timetable", "timetable of %1").arg(Isolated(city));
    if (std::all_of(days.begin(), days.end(), printed)) {
        return timetable;
    }
    const auto last = std::find_if(days.rbegin(), days.rend(), printed);
    const auto date = [](const CivilDate& day) {
        return QLocale().toString(QDate(day.year, day.month, day.day), QLocale::ShortFormat);
    };
    return QCoreApplication::translate("Timetable", "%1 from %2 to %3; other days: %4")
        .arg(timetable, date(first->date), date(last->date), MethodInWords(settings, choice));
}

}  // namespace orvanta
