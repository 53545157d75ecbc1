// The Options dialog: the Fajr and Isha method with its number, the Asr school and the city.
#pragma once

#include <functional>
#include <string>

#include <QDialog>
#include <QString>

#include "app/services.h"
#include "astro/calculation_inputs.h"

class QCompleter;
class QStringListModel;

namespace Ui {
class OptionsDialog;
}

namespace orvanta {

class DigitSpinBox;

// What the dialog reads and changes outside itself.
struct OptionsContext {
    PrayerSettings& settings;
    CityLocation& city;
    const Services& services;
    // Shows a city name in the main window's city display.
    std::function<void(const std::string&)> showCity;
};

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Fills the controls from context.settings. Nothing is stored before OK.
    OptionsDialog(const OptionsContext& context, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // OK: stores the method, the selected method's number (the field's first three characters),
    // the Asr school with its shadow factor and the city; makes the lookup name follow the
    // typed city when there is no home city; shows the lookup name in the city display; saves
    // (a failed save is reported once); closes with Accepted.
    void accept() override;

  private:
    void OnDepressionToggled(bool checked);
    void OnIntervalToggled(bool checked);
    void OnCityEdited(const QString& text);

    OptionsContext context_;
    Ui::OptionsDialog* ui_;
    DigitSpinBox* numberField_;
    // Each method's digits while the dialog is open, so the one field can show either.
    QString intervalText_;
    QString depressionText_;
    QStringListModel* cityModel_;
    QCompleter* cityCompleter_;
};

}  // namespace orvanta
