#include "app/text/calendar_texts.h"

#include <array>
#include <cmath>

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include "app/text/bidi_text.h"
#include "app/text/display_text.h"
#include "app/text/time_display.h"
#include "app/text/ui_language.h"
#include "astro/solar_position.h"
#include "astro/time_text.h"
#include "timetable/civil_time.h"
#include "timetable/night_rows.h"

namespace orvanta {
namespace {

constexpr std::array<const char*, 12> kHijriMonths = {
    QT_TRANSLATE_NOOP("Hijri", "Muharram"),      QT_TRANSLATE_NOOP("Hijri", "Safar"),
    QT_TRANSLATE_NOOP("Hijri", "Rabi I"),        QT_TRANSLATE_NOOP("Hijri", "Rabi II"),
    QT_TRANSLATE_NOOP("Hijri", "Jumada I"),      QT_TRANSLATE_NOOP("Hijri", "Jumada II"),
    QT_TRANSLATE_NOOP("Hijri", "Rajab"),         QT_TRANSLATE_NOOP("Hijri", "Sha'ban"),
    QT_TRANSLATE_NOOP("Hijri", "Ramadan"),       QT_TRANSLATE_NOOP("Hijri", "Shawwal"),
    QT_TRANSLATE_NOOP("Hijri", "Dhu al-Qi'dah"), QT_TRANSLATE_NOOP("Hijri", "Dhu al-Hijjah")};

// In the order of HijriHoliday.
constexpr std::array<const char*, kHijriHolidayCount> kHolidays = {
    QT_TRANSLATE_NOOP("Holiday", "Islamic New Year"),
    QT_TRANSLATE_NOOP("Holiday", "Ashura"),
    QT_TRANSLATE_NOOP("Holiday", "Mawlid"),
    QT_TRANSLATE_NOOP("Holiday", "Isra and Mi'raj"),
    QT_TRANSLATE_NOOP("Holiday", "Mid-Sha'ban"),
    QT_TRANSLATE_NOOP("Holiday", "First of Ramadan"),
    QT_TRANSLATE_NOOP("Holiday", "Laylat al-Qadr"),
    QT_TRANSLATE_NOOP("Holiday", "Eid al-Fitr"),
    QT_TRANSLATE_NOOP("Holiday", "Day of Arafah"),
    QT_TRANSLATE_NOOP("Holiday", "Eid al-Adha")};

constexpr std::array<const char*, 12> kMonths = {
    QT_TRANSLATE_NOOP("Timetable", "January"),   QT_TRANSLATE_NOOP("Timetable", "February"),
    QT_TRANSLATE_NOOP("Timetable", "March"),     QT_TRANSLATE_NOOP("Timetable", "April"),
    QT_TRANSLATE_NOOP("Timetable", "May"),       QT_TRANSLATE_NOOP("Timetable", "June"),
    QT_TRANSLATE_NOOP("Timetable", "July"),      QT_TRANSLATE_NOOP("Timetable", "August"),
    QT_TRANSLATE_NOOP("Timetable", "September"), QT_TRANSLATE_NOOP("Timetable", "October"),
    QT_TRANSLATE_NOOP("Timetable", "November"),  QT_TRANSLATE_NOOP("Timetable", "December")};

constexpr std::array<const char*, kPrayerCount> kPrayers = {
    QT_TRANSLATE_NOOP("Timetable", "Fajr"),    QT_TRANSLATE_NOOP("Timetable", "Shuruq"),
    QT_TRANSLATE_NOOP("Timetable", "Zuhr"),    QT_TRANSLATE_NOOP("Timetable", "Asr"),
    QT_TRANSLATE_NOOP("Timetable", "Maghrib"), QT_TRANSLATE_NOOP("Timetable", "Isha")};

constexpr std::array<const char*, 3> kNightColumns = {QT_TRANSLATE_NOOP("Timetable", "Imsak"),
                                                      QT_TRANSLATE_NOOP("Timetable", "Midnight"),
                                                      QT_TRANSLATE_NOOP("Timetable", "Last third")};

QString Translated(const char* context, const std::array<const char*, 12>& names, int month) {
    if (month < 1 || month > 12) {
        return {};
    }
    return QCoreApplication::translate(context, names[static_cast<std::size_t>(month - 1)]);
}

}  // namespace

QString HijriDisplay(const HijriDate& date) {
    //: Hijri date: %1 day, %2 month name, %3 year ("26 Jumada II 1448").
    return QCoreApplication::translate("Hijri", "%1 %2 %3")
        .arg(DisplayNumber(date.day), Translated("Hijri", kHijriMonths, date.month),
             DisplayNumber(date.year));
}

QString HolidayDisplay(HijriHoliday holiday) {
    const auto index = static_cast<std::size_t>(holiday);
    return index < kHolidays.size() ? QCoreApplication::translate("Holiday", kHolidays[index])
                                    : QString();
}

QString HijriWithHoliday(const HijriDate& date) {
    const std::optional<HijriHoliday> holiday = HolidayOf(date);
    return holiday
               ? HijriDisplay(date) + QLatin1Char(' ') + DateSeparator() + HolidayDisplay(*holiday)
               : HijriDisplay(date);
}

QString QiblaDisplay(const Qibla& qibla) {
    switch (qibla.kind) {
        case QiblaKind::kAtKaaba:
            return QCoreApplication::translate("Qibla", "Qibla: none, this is the Kaaba");
        case QiblaKind::kAnyDirection:
            return QCoreApplication::translate("Qibla", "Qibla: every direction");
        case QiblaKind::kBearing:
            break;
    }
    const double tenths = std::round(qibla.degrees * 10.0);
    //: %1: degrees clockwise from true north, one decimal.
    return ArgDegrees(QCoreApplication::translate("Qibla", "Qibla %1\u00B0"),
                      DisplayDecimal(tenths >= 3600.0 ? 0.0 : tenths / 10.0, 1));
}

QString MonthTitle(int year, int month) {
    //: Timetable title: %1 month name, %2 year.
    return QCoreApplication::translate("Timetable", "%1 %2")
        .arg(Translated("Timetable", kMonths, month), DisplayNumber(year));
}

QString PrayerColumnName(int slot) {
    if (slot >= kPrayerCount && slot < kPrayerCount + static_cast<int>(kNightColumns.size())) {
        return QCoreApplication::translate(
            "Timetable", kNightColumns[static_cast<std::size_t>(slot - kPrayerCount)]);
    }
    return slot >= 0 && slot < kPrayerCount
               ? QCoreApplication::translate("Timetable", kPrayers[static_cast<std::size_t>(slot)])
               : QString();
}

QStringList TimetableHeaderTexts(bool night) {
    QStringList texts = {QCoreApplication::translate("Timetable", "Date"),
                         QCoreApplication::translate("Timetable", "Hijri")};
    const int columns = kPrayerCount + (night ? static_cast<int>(kNightColumns.size()) : 0);
    for (int s = 0; s < columns; ++s) {
        texts.append(PrayerColumnName(s));
    }
    return texts;
}

QStringList MonthNames() {
    QStringList names;
    for (int month = 1; month <= 12; ++month) {
        names.append(Translated("Timetable", kMonths, month));
    }
    return names;
}

QStringList RowTexts(const DatedRow& day) {
    const QDate date(day.date.year, day.date.month, day.date.day);
    QStringList cells;
    // The day's name in the window's language (English: as the C locale writes it).
    const QLocale language = CurrentLanguage().value_or(QLocale::c());
    cells.append(QCoreApplication::translate("Timetable", "%1 %2")
                     .arg(language.dayName(date.dayOfWeek(), QLocale::ShortFormat),
                          DisplayNumber(date.day())));
    cells.append(day.hijri ? HijriWithHoliday(*day.hijri) : QString());
    for (int s = 0; s < kPrayerCount; ++s) {
        cells.append(DisplayTime(static_cast<double>(day.row[s])).trimmed());
    }
    if (IsFridayDate(day.date)) {
        //: A Friday's Zuhr cell: %1 the time of the Friday prayer, Jumu'ah.
        cells[2 + SlotIndex(PrayerSlot::kZuhr)] =
            QCoreApplication::translate("Timetable", "Jumu'ah %1")
                .arg(cells[2 + SlotIndex(PrayerSlot::kZuhr)]);
    }
    if (day.night) {
        for (const NightField& field : kNightFields) {
            const std::optional<NightTime>& time = (*day.night).*field.member;
            cells.append(DisplayTime(time ? time->hours : NO_EVENT_TIME).trimmed());
        }
    }
    return cells;
}

}  // namespace orvanta
