// The Options dialog: the Fajr and Isha method with its number, the Asr school and the city on
// the first page; the method of an authority on the second.
#pragma once

#include <functional>
#include <string>

#include <QDBusConnection>
#include <QDialog>
#include <QString>

#include "app/system/location_request.h"
#include "app/system/services.h"
#include "astro/calculation_inputs.h"
#include "settings/companion_settings.h"
#include "settings/display_settings.h"
#include "settings/hijri_settings.h"
#include "settings/method_settings.h"
#include "settings/reminder_settings.h"

class QCompleter;
class QLabel;
class QPushButton;
class QStringListModel;

namespace Ui {
class OptionsDialog;
}

namespace orvanta {

class CalendarPage;
class DigitSpinBox;
class CompanionPage;
class DisplayPage;
class MethodPage;
class ReminderPage;

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
    // The reminders in force, shown on the Reminders page and replaced and saved on OK; without
    // them the page shows every reminder off and OK leaves the reminders alone.
    ReminderSettings* reminders = nullptr;
    // The page's Play and Stop buttons; either may be empty.
    std::function<void(const ReminderChoice&)> playSound{};
    std::function<void()> stopSound{};
    // The companion values, shown on the Companion page and replaced on OK; without them the
    // page is not there.
    CompanionSettings* companion = nullptr;
    // Whether this desktop has a tray (the Companion page says so when it has none).
    bool trayAvailable = false;
    // The Hijri offset in force, shown on the Calendar page and stored on OK when changed;
    // without it the page is not shown.
    HijriSettings* hijri = nullptr;
    // The display settings, shown on the Display page and replaced on OK; without them the page
    // shows the language's clock and OK does not store it.
    DisplaySettings* display = nullptr;
    // The bus of the location service that "Use my location" asks (default: the system bus),
    // and how long it waits for an answer.
    std::function<QDBusConnection()> locationBus{};
    int locationTimeoutMs = 30000;
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
    // Puts the first page into a tab beside the Method, Display and Companion pages, keeping
    // its controls; the form's OK and Cancel stay under the tabs.
    void AddMethodPage();
    // Adds the Reminders page as the last tab.
    void AddReminderPage();
    // The tab order of every page and the keys that switch pages. Return presses OK (the
    // default button, under the tabs) and Escape cancels on every page.
    void SetUpKeyboard();
    // Under the City field: a note that the home city is used instead, with a button that
    // clears it; hidden without a home city.
    void AddHomeCityRow();
    void ClearHomeCity();
    // Under the City field: "Use my location", which asks the desktop's location service and
    // puts the nearest city in the field, with a line that says how it went.
    void AddLocationRow();
    void UseMyLocation();
    void OnLocated(double latitudeDeg, double longitudeDeg);
    void OnLocationFailed(LocationFailure why);
    void SetUpCityCompletion();
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
    CalendarPage* calendarPage_ = nullptr;
    ReminderPage* reminderPage_ = nullptr;
    CompanionPage* companionPage_ = nullptr;
    QWidget* homeCityRow_ = nullptr;
    QPushButton* locationButton_ = nullptr;
    QLabel* locationNote_ = nullptr;
    LocationRequest* locationRequest_ = nullptr;  // while a question is out
    DisplayPage* displayPage_;
};

}  // namespace orvanta
