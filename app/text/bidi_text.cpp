#include "app/text/bidi_text.h"

#include <QGuiApplication>

#include "app/text/ui_language.h"

namespace orvanta {
namespace {

constexpr QChar kLeftToRightIsolate(0x2066);
constexpr QChar kFirstStrongIsolate(0x2068);
constexpr QChar kPopDirectionalIsolate(0x2069);

bool RightToLeft() {
    return QGuiApplication::layoutDirection() == Qt::RightToLeft;
}

}  // namespace

QString LeftToRight(const QString& text) {
    return RightToLeft() ? kLeftToRightIsolate + text + kPopDirectionalIsolate : text;
}

QString Isolated(const QString& text) {
    return RightToLeft() ? kFirstStrongIsolate + text + kPopDirectionalIsolate : text;
}

QString RightToLeftLines(const QString& text) {
    return RightToLeft() ? QChar(0x200F) + QString(text).replace(u'\n', QStringLiteral("\n\u200F"))
                         : text;
}

QString ArgDegrees(const QString& pattern, const QString& number) {
    const QString placeholder = QStringLiteral("%1\u00B0");
    if (!pattern.contains(placeholder)) {
        return pattern.arg(number);
    }
    QString text = pattern;
    return text.replace(placeholder, QStringLiteral("%1")).arg(LeftToRight(number + QChar(0x00B0)));
}

QString DateSeparator() {
    const std::optional<QLocale>& language = CurrentLanguage();
    if (language && language->script() == QLocale::ArabicScript) {
        return QStringLiteral("\u2013 ");
    }
    return QStringLiteral("\u00B7 ");
}

}  // namespace orvanta
