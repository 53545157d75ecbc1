#include "app/text/time_display.h"

#include <optional>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTime>

#include "app/text/display_text.h"
#include "app/text/ui_language.h"
#include "astro/time_text.h"

namespace orvanta {
namespace {

ClockStyle& ClockInUse() {
    static ClockStyle clock = ClockStyle::kLanguage;
    return clock;
}

constexpr QChar kLeftToRightIsolate(0x2066);
constexpr QChar kPopDirectionalIsolate(0x2069);

QString LocaleTime(const QTime& time, ClockStyle clock, const QLocale& locale) {
    switch (clock) {
        case ClockStyle::kTwelveHour:
            //: The 12-hour clock as a QTime format: h hour, mm minutes, AP the locale's AM/PM
            //: text; digits follow the language. Put AP where the language puts it.
            return locale.toString(time, QCoreApplication::translate("TimeFormat", "h:mm AP"));
        case ClockStyle::kTwentyFourHour:
            //: The 24-hour clock as a QTime format: HH hours 00-23, mm minutes.
            return locale.toString(time, QCoreApplication::translate("TimeFormat", "HH:mm"));
        case ClockStyle::kLanguage:
            break;
    }
    return locale.toString(time, QLocale::ShortFormat);
}

}  // namespace

QString DisplayTime(double hours, ClockStyle clock, const std::optional<QLocale>& language,
                    Qt::LayoutDirection direction) {
    const std::optional<int> minute = PrayerMinuteOfDay(hours);
    if (!minute) {
        return MessageText(kCantDetermineText);
    }
    QString text;
    if (!language && clock != ClockStyle::kTwentyFourHour) {
        text = QString::fromStdString(FormatPrayerTime(hours));
    } else {
        const QTime time(*minute / 60, *minute % 60);
        text = LocaleTime(time, clock, language.value_or(QLocale(QLocale::English)));
    }
    if (direction == Qt::RightToLeft) {
        // Padding would only push a right-aligned time off its column.
        return kLeftToRightIsolate + text.trimmed() + kPopDirectionalIsolate;
    }
    return text;
}

QString DisplayTime(double hours, ClockStyle clock) {
    return DisplayTime(hours, clock, CurrentLanguage(), QGuiApplication::layoutDirection());
}

QString DisplayTime(double hours) {
    return DisplayTime(hours, ClockInUse());
}

void UseClockStyle(ClockStyle clock) {
    ClockInUse() = clock;
}

QString SpokenTime(const QString& shown) {
    QString text = shown;
    text.remove(kLeftToRightIsolate);
    text.remove(kPopDirectionalIsolate);
    return text.trimmed();
}

}  // namespace orvanta
