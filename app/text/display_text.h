// The texts that come from the layers below app/ (prayer names, reports, notices, the method's
// rule names) in the window's language. In English each comes back exactly as written there.
#pragma once

#include <string>
#include <string_view>

#include <QString>

#include "astro/date_row.h"
#include "astro/day_table.h"
#include "common/notices.h"

namespace orvanta {

// "Fajr (Dawn)" .. "Isha (Night)", or the language's usual name of the prayer.
QString PrayerName(PrayerSlot slot);

// PrayerName, but Zuhr on a Friday is "Jumu'ah (Friday)" (the Friday prayer, which takes its
// place), or the language's name of it.
QString PrayerNameOn(PrayerSlot slot, const CivilDate& date);

// "Imsak", "Midnight", "Last third of the night" (index 0 .. 2, kNightFields' order), or the
// language's names.
QString NightName(int index);

// A report's text or caption ("Couldn't find city!", "Error getting data!", "Error", ...).
QString MessageText(std::string_view english);

// A notice as a sentence of the message box: in the window's language, its file names kept; the
// first letter capitalised and the language's full stop added.
QString NoticeSentence(const Notice& notice);

// What a screen reader says for a row of the list: "Asr (Afternoon), 3:29 PM", and ", next
// prayer" after it for the row of the next prayer. time is the shown text (isolates and
// padding are dropped).
QString SpokenRow(const QString& name, const QString& time, bool next);

// A whole number with the language's digits and no group separator ("١٤٤٨" in Arabic); as
// written in English.
QString DisplayNumber(qint64 number);

// A decimal number with the language's digits and decimal sign ("٥٦٫٦" in Arabic); in English
// as QString::number(value, 'f', decimals) writes it (QLocale::FloatingPointShortest: as many
// decimals as the value needs).
QString DisplayDecimal(double value, int decimals);

// A high-latitude rule's or a rounding's id ("middle-of-night", "up") in words, as the Method page
// lists it, in the window's language; an unknown id as it is.
QString MethodWord(std::string_view id);

}  // namespace orvanta
