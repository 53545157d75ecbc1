#include "app/text/method_words.h"

#include <array>
#include <cstdlib>
#include <optional>

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include "app/text/bidi_text.h"
#include "app/text/display_text.h"
#include "astro/method_presets.h"

namespace orvanta {
namespace {

constexpr const char* kContext = "MethodWords";

QString Words(const char* english) {
    return QCoreApplication::translate(kContext, english);
}

QString Shortest(double value) {
    return DisplayDecimal(value, QLocale::FloatingPointShortest);
}

// "Zuhr +5 min" for each slot whose minutes are not zero, in day-row order.
void AddMinutes(const MinuteOffsets& minutes, QStringList& parts) {
    // The prayers' short names as the Method page's minute fields are captioned.
    static constexpr std::array<const char*, kMethodSlotCount> kShortNames = {
        "Fajr", "Shuruq", "Zuhr", "Asr", "Maghrib", "Isha"};
    for (std::size_t s = 0; s < minutes.size(); ++s) {
        if (minutes[s] == 0) {
            continue;
        }
        const QString sign = minutes[s] > 0 ? QStringLiteral("+") : QStringLiteral("-");
        //: %1: a prayer's short name; %2: signed whole minutes added to its time ("+2", "-3").
        parts.append(Words(QT_TRANSLATE_NOOP("MethodWords", "%1 %2 min"))
                         .arg(QCoreApplication::translate("orvanta::MethodPage", kShortNames[s]),
                              LeftToRight(sign + DisplayNumber(std::abs(minutes[s])))));
    }
}

// The twilights: "Fajr 18°, Isha 17°", an Isha interval, a Maghrib below the horizon, the
// seasonal bound; then the authority's own minutes.
QString TwilightWords(const PrayerMethod& m) {
    QStringList parts = {ArgDegrees(Words(QT_TRANSLATE_NOOP("MethodWords", "Fajr %1\u00B0")),
                                    Shortest(m.fajrAngleDeg))};
    if (m.ishaRule == IshaRule::kAngle) {
        parts.append(ArgDegrees(Words(QT_TRANSLATE_NOOP("MethodWords", "Isha %1\u00B0")),
                                Shortest(m.ishaAngleDeg)));
    } else if (m.ramadanIshaIntervalMinutes > 0.0 &&
               m.ramadanIshaIntervalMinutes != m.ishaIntervalMinutes) {
        parts.append(
            Words(QT_TRANSLATE_NOOP("MethodWords", "Isha %1 min after Maghrib (%2 in Ramadan)"))
                .arg(Shortest(m.ishaIntervalMinutes), Shortest(m.ramadanIshaIntervalMinutes)));
    } else {
        parts.append(Words(QT_TRANSLATE_NOOP("MethodWords", "Isha %1 min after Maghrib"))
                         .arg(Shortest(m.ishaIntervalMinutes)));
    }
    if (m.maghribAngleDeg > 0.0) {
        parts.append(ArgDegrees(Words(QT_TRANSLATE_NOOP("MethodWords", "Maghrib %1\u00B0")),
                                Shortest(m.maghribAngleDeg)));
    }
    if (m.twilightBound == TwilightBound::kMoonsightingSeasonal) {
        parts.append(
            Words(QT_TRANSLATE_NOOP("MethodWords", "Fajr and Isha within the seasonal bound")));
    }
    AddMinutes(m.methodMinutes, parts);
    //: Between the parts of one group of the method's line ("Fajr 18°, Isha 17°").
    return parts.join(Words(QT_TRANSLATE_NOOP("MethodWords", ", ")));
}

QString ClassicWords(const PrayerSettings& settings) {
    // These two keep the timetable's own wording (and translations) from before.
    if (settings.method == TwilightMethod::kDepressionAngle) {
        return ArgDegrees(QCoreApplication::translate(
                              "Timetable", "Fajr and Isha with the sun %1\u00B0 below the horizon"),
                          Shortest(settings.depressionDegrees));
    }
    return QCoreApplication::translate("Timetable",
                                       "Fajr %1 min before sunrise, Isha %1 min after sunset")
        .arg(Shortest(settings.intervalMinutes));
}

QString HighLatitudeWords(const PrayerMethod& m) {
    const QString rule = MethodWord(HighLatitudeRuleName(m.highLatitude));
    if (m.highLatitude != HighLatitudeRule::kNearestLatitude) {
        return Words(QT_TRANSLATE_NOOP("MethodWords", "high latitudes: %1")).arg(rule);
    }
    //: %1: the rule's name ("Nearest latitude"); %2: its latitude in degrees.
    return Words(QT_TRANSLATE_NOOP("MethodWords", "high latitudes: %1 at %2"))
        .arg(rule, LeftToRight(Shortest(m.nearestLatitudeDeg) + QChar(0x00B0)));
}

}  // namespace

QString MethodInWords(const PrayerSettings& settings, const MethodChoice& choice) {
    const MethodPreset* preset = FindMethodPreset(choice.presetId);
    const std::optional<PrayerMethod> method =
        IsClassic(choice) || preset == nullptr ? std::nullopt
                                               : ResolveMethod(choice, settings.asrShadowFactor);
    //: Between the groups of the method's line: twilights; adjustments; high latitudes; Asr.
    const QString groups = Words(QT_TRANSLATE_NOOP("MethodWords", "; "));
    QStringList parts;
    if (!method) {
        parts.append(ClassicWords(settings));
    } else {
        //: %1: the authority's own name (not translated); %2: its angles and intervals.
        parts.append(
            Words(QT_TRANSLATE_NOOP("MethodWords", "%1: %2"))
                .arg(Isolated(QString::fromUtf8(preset->authority.data(),
                                                static_cast<qsizetype>(preset->authority.size()))),
                     TwilightWords(*method)));
        QStringList adjusted;
        AddMinutes(method->adjustmentMinutes, adjusted);
        if (!adjusted.isEmpty()) {
            parts.append(adjusted.join(Words(QT_TRANSLATE_NOOP("MethodWords", ", "))));
        }
        parts.append(HighLatitudeWords(*method));
        if (method->rounding == RoundingRule::kUp) {
            parts.append(Words(QT_TRANSLATE_NOOP("MethodWords", "rounded up to the next minute")));
        }
    }
    parts.append(settings.asrShadowFactor == 1.0
                     ? QCoreApplication::translate("Timetable", "Asr Shafi")
                     : QCoreApplication::translate("Timetable", "Asr Hanafi"));
    return parts.join(groups);
}

}  // namespace orvanta
