#include "app/text/display_text.h"

#include <array>

#include <QCoreApplication>

#include "app/text/time_display.h"
#include "app/text/ui_language.h"
#include "astro/time_text.h"
#include "timetable/civil_time.h"

namespace orvanta {
namespace {

// The English texts as the layers below app/ write them; lupdate collects them from here.
constexpr const char* kPrayerContext = "PrayerNames";
constexpr std::array<const char*, kPrayerCount> kPrayerNames = {
    QT_TRANSLATE_NOOP("PrayerNames", "Fajr (Dawn)"),
    QT_TRANSLATE_NOOP("PrayerNames", "Shuruq (Sunrise)"),
    QT_TRANSLATE_NOOP("PrayerNames", "Zuhr (Noon)"),
    QT_TRANSLATE_NOOP("PrayerNames", "Asr (Afternoon)"),
    QT_TRANSLATE_NOOP("PrayerNames", "Maghrib (Sunset)"),
    QT_TRANSLATE_NOOP("PrayerNames", "Isha (Night)"),
};

constexpr const char* kJumuahName = QT_TRANSLATE_NOOP("PrayerNames", "Jumu'ah (Friday)");

constexpr std::array<const char*, 3> kNightNames = {
    QT_TRANSLATE_NOOP("PrayerNames", "Imsak"),
    QT_TRANSLATE_NOOP("PrayerNames", "Midnight"),
    QT_TRANSLATE_NOOP("PrayerNames", "Last third of the night"),
};

constexpr const char* kMessageContext = "Messages";
[[maybe_unused]] constexpr std::array<const char*, 7> kMessages = {
    QT_TRANSLATE_NOOP("Messages", "Couldn't find city!"),
    QT_TRANSLATE_NOOP("Messages", "Error"),
    QT_TRANSLATE_NOOP("Messages", "Error getting data!"),
    QT_TRANSLATE_NOOP("Messages", "Error!"),
    QT_TRANSLATE_NOOP("Messages", "Settings could not be saved."),
    QT_TRANSLATE_NOOP("Messages", "??? (Can't determine)"),
    QT_TRANSLATE_NOOP("Messages", "The city database cities.db was not found. Paths tried:"),
};

// The wording of each kind of notice, %1 standing for the file and %2 for where it went.
constexpr const char* kNoticeContext = "Notices";
const char* NoticeForm(NoticeKind kind) {
    switch (kind) {
        case NoticeKind::kSettingsMovedAside:
            return QT_TRANSLATE_NOOP("Notices",
                                     "the settings file %1 was damaged and has been moved to %2; "
                                     "the settings are saved in a new file");
        case NoticeKind::kUserDatabaseMovedAside:
            return QT_TRANSLATE_NOOP("Notices",
                                     "%1 was damaged and has been moved to %2; your home city and "
                                     "your own cities in it are no longer used");
        case NoticeKind::kSettingsUnreadable:
            return QT_TRANSLATE_NOOP("Notices",
                                     "cannot read the settings file %1 (it is not a regular file, "
                                     "or not readable); the default settings are used and the "
                                     "file is left as it is");
        case NoticeKind::kSettingsDamaged:
            return QT_TRANSLATE_NOOP("Notices",
                                     "the settings file %1 is damaged; the default settings are "
                                     "used, and saving the settings moves it aside");
        case NoticeKind::kSettingsTooLarge:
            return QT_TRANSLATE_NOOP("Notices",
                                     "the settings file %1 is too large to be a settings file "
                                     "(over 16 MiB); the default settings are used and the file "
                                     "is left as it is");
        case NoticeKind::kUserDatabaseNotRegular:
            return QT_TRANSLATE_NOOP("Notices",
                                     "%1 is not a regular file and is left alone; your home city "
                                     "and your own cities cannot be used");
        case NoticeKind::kWorded:
            break;
    }
    return nullptr;
}

constexpr const char* kMethodContext = "MethodWords";
// The ids of the high-latitude and rounding rules (settings file, command line, JSON) and the
// words a person reads for them.
struct MethodLabel {
    std::string_view id;
    const char* label;
};
constexpr std::array<MethodLabel, 8> kMethodLabels = {{
    {"none", QT_TRANSLATE_NOOP("MethodWords", "None")},
    {"middle-of-night", QT_TRANSLATE_NOOP("MethodWords", "Middle of the night")},
    {"seventh-of-night", QT_TRANSLATE_NOOP("MethodWords", "One seventh of the night")},
    {"twilight-angle", QT_TRANSLATE_NOOP("MethodWords", "Twilight angle")},
    {"nearest-day", QT_TRANSLATE_NOOP("MethodWords", "Nearest day")},
    {"nearest-latitude", QT_TRANSLATE_NOOP("MethodWords", "Nearest latitude")},
    {"nearest", QT_TRANSLATE_NOOP("MethodWords", "To the nearest minute")},
    {"up", QT_TRANSLATE_NOOP("MethodWords", "Up to the next minute")},
}};

QString Translate(const char* context, std::string_view english) {
    const std::string text(english);
    return QCoreApplication::translate(context, text.c_str());
}

// The notice in the window's language, its file names kept as they are.
QString TranslatedNotice(const Notice& notice) {
    const char* form = NoticeForm(notice.kind);
    if (form == nullptr) {
        return QString::fromStdString(notice.text);  // worded by the window already
    }
    const QString translated = QCoreApplication::translate(kNoticeContext, form);
    const QString file = QString::fromStdString(notice.file);
    // One pass over the places, so that a "%2" inside a file name stays as it is.
    const bool moved = notice.kind == NoticeKind::kSettingsMovedAside ||
                       notice.kind == NoticeKind::kUserDatabaseMovedAside;
    return moved ? translated.arg(file, QString::fromStdString(notice.movedTo))
                 : translated.arg(file);
}

}  // namespace

QString PrayerName(PrayerSlot slot) {
    const std::size_t index = SlotIndex(slot);
    return QCoreApplication::translate(kPrayerContext, kPrayerNames.at(index));
}

QString PrayerNameOn(PrayerSlot slot, const CivilDate& date) {
    if (slot == PrayerSlot::kZuhr && IsFridayDate(date)) {
        return QCoreApplication::translate(kPrayerContext, kJumuahName);
    }
    return PrayerName(slot);
}

QString NightName(int index) {
    return QCoreApplication::translate(kPrayerContext,
                                       kNightNames.at(static_cast<std::size_t>(index)));
}

QString MessageText(std::string_view english) {
    return Translate(kMessageContext, english);
}

QString NoticeSentence(const Notice& notice) {
    QString sentence = TranslatedNotice(notice);
    if (!sentence.isEmpty() && sentence.front() >= QLatin1Char('a') &&
        sentence.front() <= QLatin1Char('z')) {
        sentence.front() = sentence.front().toUpper();
    }
    //: The end of a sentence: the language's full stop after %1.
    return QCoreApplication::translate("Notices", "%1.").arg(sentence);
}

QString SpokenRow(const QString& name, const QString& time, bool next) {
    const QString row =
        QCoreApplication::translate("orvanta::MainWindow", "%1, %2").arg(name, SpokenTime(time));
    return next ? QCoreApplication::translate("orvanta::MainWindow", "%1, next prayer").arg(row)
                : row;
}

QString DisplayNumber(qint64 number) {
    std::optional<QLocale> language = CurrentLanguage();
    if (!language) {
        return QString::number(number);
    }
    language->setNumberOptions(QLocale::OmitGroupSeparator);  // a year reads "1448"
    return language->toString(number);
}

QString DisplayDecimal(double value, int decimals) {
    const std::optional<QLocale>& language = CurrentLanguage();
    return language ? language->toString(value, 'f', decimals)
                    : QString::number(value, 'f', decimals);
}

QString MethodWord(std::string_view id) {
    for (const MethodLabel& word : kMethodLabels) {
        if (word.id == id) {
            return QCoreApplication::translate(kMethodContext, word.label);
        }
    }
    return QString::fromUtf8(id.data(), static_cast<qsizetype>(id.size()));
}

}  // namespace orvanta
