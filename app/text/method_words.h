// The method in force as a person reads it, in the window's language: the authority and its
// angles or intervals, the minutes added to the times, the high-latitude rule, the rounding and
// the Asr school. Used by the timetable window and its printed and PDF pages.
#pragma once

#include <QString>

#include "astro/calculation_inputs.h"
#include "astro/method_choice.h"

namespace orvanta {

// Given the first page's settings and the method choice, returns one line such as
// "Umm al-Qura University, Makkah: Fajr 18.5°, Isha 90 min after Maghrib (120 in Ramadan);
// Shuruq +2 min; high latitudes: twilight angle; Asr Shafi". Classic says its one angle or
// interval. The authority's own minutes follow its angles; the user's adjustments (only those
// not zero) make their own part. Rounding is named only when it is up to the next minute.
QString MethodInWords(const PrayerSettings& settings, const MethodChoice& choice);

}  // namespace orvanta
