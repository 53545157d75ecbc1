#include "app/text/count_text.h"

#include <algorithm>
#include <cstdlib>

#include <QCoreApplication>
#include <QSpinBox>

#include "app/text/display_text.h"
#include "app/text/ui_language.h"

namespace orvanta {
namespace {

constexpr const char* kContext = "Counts";

// The numerus translation of source for count, with count in the language's digits at %1.
QString Counted(const char* source, qint64 count) {
    const int form = static_cast<int>(std::min<qint64>(std::llabs(count), 1'000'000));
    return QCoreApplication::translate(kContext, source, nullptr, form).arg(DisplayNumber(count));
}

}  // namespace

QString MinutesText(qint64 minutes) {
    //: A number of minutes, abbreviated as in "Fajr in 12 min".
    return Counted(QT_TRANSLATE_N_NOOP("Counts", "%1 min"), minutes);
}

QString HoursAndMinutesText(qint64 hours, qint64 minutes) {
    //: A number of hours, abbreviated as in "Fajr in 2 h".
    const QString h = Counted(QT_TRANSLATE_N_NOOP("Counts", "%1 h"), hours);
    if (hours == 0) {
        return MinutesText(minutes);
    }
    if (minutes == 0) {
        return h;
    }
    //: Hours, then minutes, of the time left: "1 h 12 min".
    return QCoreApplication::translate("Counts", "%1 %2").arg(h, MinutesText(minutes));
}

void FollowValueWithSuffix(QSpinBox& box, const char* context, const char* source,
                           const char* englishOne) {
    const auto follow = [&box, context, source, englishOne](int value) {
        // English has no translation file: its singular is picked here.
        const bool one = std::abs(value) == 1 && englishOne != nullptr && !CurrentLanguage();
        box.setSuffix(one ? QString::fromLatin1(englishOne)
                          : QCoreApplication::translate(context, source, nullptr, std::abs(value)));
    };
    follow(box.value());
    QObject::connect(&box, &QSpinBox::valueChanged, &box, follow);
}

}  // namespace orvanta
