#include "app/month/timetable_month.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "app/text/bidi_text.h"
#include "app/text/display_text.h"
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
    std::optional<std::vector<DatedRow>> days =
        ComputeDateRange(civil(request.year, request.month, 1),
                         civil(request.year, request.month, first.daysInMonth()), request.city,
                         request.settings, request.choice, ZoneYears::kAsGiven, request.nightTimes);
    if (!days || !AddHijriDates(*days, request.hijriOffsetDays)) {
        return std::nullopt;
    }
    return days;
}

QString MethodDescription(const PrayerSettings& settings, const MethodChoice& choice) {
    QString method;
    if (!IsClassic(choice)) {
        method = QString::fromStdString(DescribeMethod(choice));
    } else if (settings.method == TwilightMethod::kDepressionAngle) {
        method =
            ArgDegrees(QCoreApplication::translate(
                           "Timetable", "Fajr and Isha with the sun %1\u00B0 below the horizon"),
                       DisplayDecimal(settings.depressionDegrees, QLocale::FloatingPointShortest));
    } else {
        method = QCoreApplication::translate("Timetable",
                                             "Fajr %1 min before sunrise, Isha %1 min after sunset")
                     .arg(DisplayDecimal(settings.intervalMinutes, QLocale::FloatingPointShortest));
    }
    const QString asr = settings.asrShadowFactor == 1.0
                            ? QCoreApplication::translate("Timetable", "Asr Shafi")
                            : QCoreApplication::translate("Timetable", "Asr Hanafi");
    return method + QStringLiteral("; ") + asr;
}

}  // namespace orvanta
