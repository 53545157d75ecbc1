// The Options dialog: the Fajr and Isha method with its number, the Asr school and the city on
// the first page; the method of an authority on the second.
#pragma once

#include <functional>
#include <string>

#include <QDialog>
#include <QString>

#include "app/services.h"
#include "astro/calculation_inputs.h"
#include "settings/display_settings.h"
#include "settings/method_settings.h"

class QCompleter;
class QStringListModel;

namespace Ui {
class OptionsDialog;
}

namespace orvanta {

class DigitSpinBox;
class DisplayPage;
class MethodPage;

// What the dialog reads and changes outside itself.
struct OptionsContext {
    PrayerSettings& settings;
    CityLocation& city;
    const Services& services;
    // Shows a city name in the main window's city display.
    std::function<void(const std::string&)> showCity;
    // The method in force, shown on the Method page and replaced on OK; without it the page
    // shows classic and OK saves the first page's settings alone.
    MethodSettings* method = nullptr;
    // The display settings, shown on the Display page and replaced on OK; without them the page
    // shows the language's clock and OK does not store it.
    DisplaySettings* display = nullptr;
};

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Fills the controls from context.settings. Nothing is stored before OK.
    OptionsDialog(const OptionsContext& context, QWidget* parent = nullptr);
    ~OptionsDialog() override;

    // OK: stores the Method page's choice (when the context has one), the method, the selected
    // method's number (the field's first three characters),
    // the Asr school with its shadow factor and the city; makes the lookup name follow the
    // typed city when there is no home city; shows the lookup name in the city display; saves
    // (a failed save is reported once); closes with Accepted.
    void accept() override;

  protected:
    // Tab and Shift+Tab stop once at each group of radio buttons, on its checked button.
    bool focusNextPrevChild(bool next) override;

  private:
    void OnDepressionToggled(bool checked);
    void OnIntervalToggled(bool checked);
    void OnCityEdited(const QString& text);
    // Puts the first page into a tab beside the Method page, keeping its controls and order.
    void AddMethodPage();
    void SetUpCityCompletion();
    // A tab's page: the page above its own OK and Cancel buttons (named prefix + "Ok" and
    // prefix + "Cancel"), which act as the first page's.
    QWidget* WithButtons(QWidget* page, const QString& prefix);
    // Names the controls whose label does not say what they hold, for screen readers.
    void NameControls();

    OptionsContext context_;
    Ui::OptionsDialog* ui_;
    DigitSpinBox* numberField_;
    // Each method's digits while the dialog is open, so the one field can show either.
    QString intervalText_;
    QString depressionText_;
    QStringListModel* cityModel_;
    QCompleter* cityCompleter_;
    MethodPage* methodPage_;
    DisplayPage* displayPage_;
};

}  // namespace orvanta
