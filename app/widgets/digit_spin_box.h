// The Options dialog's number field with its up-down arrows: up to three decimal digits, no
// sign, no group separators, shown with the digits of the window's language ("١٨" in Arabic)
// and typed with those or ASCII digits; stored in ASCII digits.
#pragma once

#include <QSpinBox>
#include <QString>

namespace orvanta {

class DigitSpinBox : public QSpinBox {
    Q_OBJECT

  public:
    explicit DigitSpinBox(QWidget* parent = nullptr);

    // The field's text in ASCII digits (may be empty).
    QString DigitsText() const;
    // Shows text, which must be at most three digits (anything else is refused), in the
    // language's digits.
    void SetDigitsText(const QString& text);

  protected:
    // Accepts empty text and up to three ASCII digits or digits of the language, shown in the
    // language's digits; a longer run of digits (typed or pasted) keeps its first three; any other
    // character is refused.
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    void fixup(QString& input) const override;
};

}  // namespace orvanta
