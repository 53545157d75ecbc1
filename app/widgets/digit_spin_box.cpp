#include "app/widgets/digit_spin_box.h"

#include <QLineEdit>

#include "app/text/display_text.h"
#include "app/text/number_field_text.h"

namespace orvanta {
namespace {

constexpr int kMaxChars = static_cast<int>(kNumberFieldChars);

// An ASCII digit or a digit of the window's language ("٥" in Arabic, "۵" in Persian).
bool IsFieldDigit(QChar c) {
    return c.isDigit() && (c.unicode() < 0x80 || DisplayNumber(c.digitValue()) == QString(c));
}

bool AllDigits(const QString& text) {
    for (const QChar c : text) {
        if (!IsFieldDigit(c)) {
            return false;
        }
    }
    return true;
}

// Every decimal digit of any script as its ASCII digit ("٤٥" is "45").
QString AsciiDigits(const QString& digits) {
    QString ascii;
    for (const QChar c : digits) {
        ascii.append(c.isDigit() ? QChar(u'0' + c.digitValue()) : c);
    }
    return ascii;
}

// Every decimal digit as the window's language writes it, leading zeros kept.
QString LanguageDigits(const QString& digits) {
    QString shown;
    for (const QChar c : digits) {
        shown.append(c.isDigit() ? DisplayNumber(c.digitValue()) : QString(c));
    }
    return shown;
}

}  // namespace

DigitSpinBox::DigitSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 999);
    setAccelerated(true);
    // Empty text stays empty until it is read; OK stores 0 for it.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QString DigitSpinBox::DigitsText() const {
    return AsciiDigits(lineEdit()->text());
}

void DigitSpinBox::SetDigitsText(const QString& text) {
    if (text.size() <= kMaxChars && AllDigits(text)) {
        lineEdit()->setText(LanguageDigits(text));
    }
}

QValidator::State DigitSpinBox::validate(QString& input, int& pos) const {
    if (!AllDigits(input)) {
        return QValidator::Invalid;
    }
    if (input.size() > kMaxChars) {
        input.truncate(kMaxChars);
        pos = std::min(pos, kMaxChars);
    }
    input = LanguageDigits(input);
    return QValidator::Acceptable;
}

int DigitSpinBox::valueFromText(const QString& text) const {
    return NumberFieldValue(AsciiDigits(text).toStdString());
}

QString DigitSpinBox::textFromValue(int value) const {
    return DisplayNumber(value);
}

void DigitSpinBox::fixup(QString& input) const {
    QString digits;
    for (const QChar c : input) {
        if (IsFieldDigit(c) && digits.size() < kMaxChars) {
            digits.append(c);
        }
    }
    input = LanguageDigits(digits);
}

}  // namespace orvanta
