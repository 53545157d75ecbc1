#include "app/digit_spin_box.h"

#include <QLineEdit>

#include "app/number_field_text.h"

namespace orvanta {
namespace {

constexpr int kMaxChars = static_cast<int>(kNumberFieldChars);

bool AllAsciiDigits(const QString& text) {
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    return true;
}

}  // namespace

DigitSpinBox::DigitSpinBox(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 999);
    setAccelerated(true);
    // Empty text stays empty until it is read; OK stores 0 for it.
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QString DigitSpinBox::DigitsText() const {
    return lineEdit()->text();
}

void DigitSpinBox::SetDigitsText(const QString& text) {
    if (text.size() <= kMaxChars && AllAsciiDigits(text)) {
        lineEdit()->setText(text);
    }
}

QValidator::State DigitSpinBox::validate(QString& input, int& pos) const {
    if (!AllAsciiDigits(input)) {
        return QValidator::Invalid;
    }
    if (input.size() > kMaxChars) {
        input.truncate(kMaxChars);
        pos = std::min(pos, kMaxChars);
    }
    return QValidator::Acceptable;
}

int DigitSpinBox::valueFromText(const QString& text) const {
    return NumberFieldValue(text.toStdString());
}

QString DigitSpinBox::textFromValue(int value) const {
    return QString::number(value);
}

void DigitSpinBox::fixup(QString& input) const {
    QString digits;
    for (const QChar c : input) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < kMaxChars) {
            digits.append(c);
        }
    }
    input = digits;
}

}  // namespace orvanta
