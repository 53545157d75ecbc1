#include "app/options/options_dialog.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QStringList>
#include <QStringListModel>
#include <QTabBar>
#include <QTabWidget>

#include "app/options/calendar_page.h"
#include "app/options/companion_page.h"
#include "app/options/display_page.h"
#include "app/options/method_page.h"
#include "app/options/reminder_page.h"
#include "app/text/display_text.h"
#include "app/text/number_field_text.h"
#include "app/widgets/digit_spin_box.h"
#include "app/widgets/fixed_size_dialog.h"
#include "app/widgets/leading_labels.h"
#include "app/widgets/radio_tab_focus.h"
#include "app/widgets/tab_page_keys.h"
#include "cities/city_name.h"
#include "resources/string_table.h"
#include "settings/settings_values.h"
#include "ui_options.h"

namespace orvanta {
namespace {

constexpr std::size_t kCitySuggestionCount = 12;

// The first maxUnits UTF-16 code units of text, without splitting a surrogate pair.
QString CutToUtf16Units(const QString& text, qsizetype maxUnits) {
    qsizetype length = std::min(text.size(), maxUnits);
    if (length > 0 && length < text.size() && text.at(length - 1).isHighSurrogate()) {
        --length;
    }
    return text.left(length);
}

// Makes an open completion pop-up exactly as tall as its visible rows: Qt adds a few pixels
// that show the top of the next row. A pop-up above its field keeps its lower edge there.
void ShowWholeRows(QAbstractItemView& popup, int visibleRows, const QWidget& field) {
    const int rowHeight = popup.sizeHintForRow(0);
    if (!popup.isVisible() || rowHeight <= 0 || visibleRows <= 0) {
        return;
    }
    const int frame = popup.height() - popup.viewport()->height();
    QRect geometry = popup.geometry();
    const bool above = geometry.bottom() < field.mapToGlobal(QPoint(0, 0)).y();
    const int height = visibleRows * rowHeight + frame;
    if (above) {
        geometry.setTop(geometry.bottom() + 1 - height);
    } else {
        geometry.setHeight(height);
    }
    popup.setGeometry(geometry);
}

}  // namespace

OptionsDialog::OptionsDialog(const OptionsContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      ui_(new Ui::OptionsDialog),
      numberField_(nullptr),
      cityModel_(new QStringListModel(this)),
      cityCompleter_(new QCompleter(cityModel_, this)),
      methodPage_(nullptr),
      displayPage_(nullptr) {
    ui_->setupUi(this);
    AddHomeCityRow();
    AddLocationRow();
    AddMethodPage();
    AddReminderPage();
    SetUpKeyboard();
    NameControls();
    numberField_ = ui_->angleOrInterval;
    const PrayerSettings& settings = context_.settings;

    intervalText_ = QString::fromStdString(NumberFieldText(settings.intervalMinutes));
    depressionText_ = QString::fromStdString(NumberFieldText(settings.depressionDegrees));
    if (settings.method == TwilightMethod::kDepressionAngle) {
        ui_->byDepressionAngle->setChecked(true);
        numberField_->SetDigitsText(depressionText_);
    } else {
        ui_->byInterval->setChecked(true);
        numberField_->SetDigitsText(intervalText_);
    }
    if (settings.fiqh == Fiqh::kShafi) {
        ui_->fiqhShafi->setChecked(true);
    } else {
        ui_->fiqhHanafi->setChecked(true);
    }
    // The first stop of the tab order is the method group: the dialog opens on its checked
    // button, so that Space there changes nothing (Qt would focus the group's first button).
    ui_->methodGroup->checkedButton()->setFocus(Qt::OtherFocusReason);
    ui_->cityName->setText(QString::fromStdString(settings.configuredCity));
    SetUpCityCompletion();

    // Connected after the initial checks, so that only the user's switches move the digits. A
    // click on the radio button that is already checked toggles nothing and so does nothing.
    connect(ui_->byDepressionAngle, &QRadioButton::toggled, this,
            &OptionsDialog::OnDepressionToggled);
    connect(ui_->byInterval, &QRadioButton::toggled, this, &OptionsDialog::OnIntervalToggled);
    connect(ui_->okButton, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &OptionsDialog::reject);
    KeepLabelsOnLeadingSide(*this);
    if (isRightToLeft()) {
        // The digits stay beside the arrows, which move to the left; a field aligns by its
        // text's direction, and digits run left to right.
        ui_->angleOrInterval->setAlignment(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
    }
    MakeFixedSize(*this);
}

void OptionsDialog::SetUpCityCompletion() {
    // Completions come from the database in the lookup's own order (folded prefix, most
    // populous first), so the completer must not filter or sort them again. The completer is
    // attached to the field, not installed in it: an installed completer marks the first row
    // whose text literally starts with the typed text, and Return would then replace the typed
    // text by that row ("Koln" by "Kolno", though the lookup finds Köln for "Koln").
    cityCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    cityCompleter_->setModelSorting(QCompleter::UnsortedModel);
    // A name wider than the pop-up ends in "…" rather than adding a scroll bar under the rows.
    cityCompleter_->popup()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    cityCompleter_->setWidget(ui_->cityName);
    // Moving to a row shows it in the field; Return or a click on a row keeps it. Moving off
    // the rows brings back the typed text (the completion prefix).
    connect(cityCompleter_, qOverload<const QString&>(&QCompleter::highlighted), ui_->cityName,
            &QLineEdit::setText);
    connect(cityCompleter_, qOverload<const QString&>(&QCompleter::activated), ui_->cityName,
            &QLineEdit::setText);
    connect(ui_->cityName, &QLineEdit::textEdited, this, &OptionsDialog::OnCityEdited);
}

bool OptionsDialog::focusNextPrevChild(bool next) {
    return MoveTabFocus(*this, next,
                        [this](bool forward) { return QDialog::focusNextPrevChild(forward); });
}

OptionsDialog::~OptionsDialog() {
    delete ui_;
}

void OptionsDialog::AddMethodPage() {
    // The Method page is taller: the first page's controls stay together at the top.
    ui_->grid->setRowStretch(ui_->grid->rowCount(), 1);
    methodPage_ = new MethodPage(context_.method ? context_.method->choice : MethodChoice{});
    methodPage_->setObjectName(QStringLiteral("methodPage"));
    displayPage_ =
        new DisplayPage(context_.display ? *context_.display : DisplaySettings{},
                        context_.method ? context_.method->choice.imsakMinutes : std::nullopt);
    displayPage_->setObjectName(QStringLiteral("displayPage"));
    // The form's first page goes into the tabs; its button row stays under them, for every page.
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("optionsTabs"));
    ui_->outer->insertWidget(0, tabs);
    tabs->addTab(ui_->classicPage, tr("Classic"));
    tabs->addTab(methodPage_, tr("Method"));
    tabs->addTab(displayPage_, tr("Display"));
    if (context_.companion != nullptr) {
        companionPage_ = new CompanionPage(*context_.companion, context_.trayAvailable);
        companionPage_->setObjectName(QStringLiteral("companionPage"));
        tabs->addTab(companionPage_, tr("Companion"));
    }
    if (context_.hijri != nullptr) {
        calendarPage_ = new CalendarPage(context_.hijri->offsetDays);
        calendarPage_->setObjectName(QStringLiteral("calendarPage"));
        tabs->addTab(calendarPage_, tr("Calendar"));
    }
    // While a preset is chosen the classic method's controls are disabled and keep their values.
    const auto showClassic = [this](bool classic) {
        for (QWidget* control :
             {static_cast<QWidget*>(ui_->byDepressionAngle), static_cast<QWidget*>(ui_->byInterval),
              static_cast<QWidget*>(ui_->angleOrInterval)}) {
            control->setEnabled(classic);
        }
    };
    showClassic(methodPage_->ClassicSelected());
    connect(methodPage_, &MethodPage::classicSelected, this, showClassic);
}

void OptionsDialog::NameControls() {
    setWindowTitle(tr("Options"));
    setAccessibleName(tr("Options"));
    ui_->angleOrInterval->setAccessibleName(tr("Angle or interval"));
    ui_->angleOrInterval->setAccessibleDescription(
        tr("Degrees below the horizon for the depression angle, minutes for the interval"));
    ui_->cityCaption->setBuddy(ui_->cityName);
    ui_->cityName->setAccessibleName(tr("City"));
    ui_->cityName->setAccessibleDescription(tr("Type a few letters to see matching cities"));
}

void OptionsDialog::SetUpKeyboard() {
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("optionsTabs"));
    // Tab runs from the tabs through the page shown, in its visual order, to OK and Cancel.
    // The first page keeps its own order: its grid lists the method group before its number.
    QWidget* previous = tabs->tabBar();
    for (QWidget* next :
         {static_cast<QWidget*>(ui_->byDepressionAngle), static_cast<QWidget*>(ui_->byInterval),
          static_cast<QWidget*>(ui_->angleOrInterval), static_cast<QWidget*>(ui_->fiqhShafi),
          static_cast<QWidget*>(ui_->fiqhHanafi), static_cast<QWidget*>(ui_->cityName)}) {
        setTabOrder(previous, next);
        previous = next;
    }
    if (homeCityRow_ != nullptr) {
        previous = homeCityRow_->findChild<QPushButton*>();
        setTabOrder(ui_->cityName, previous);
    }
    if (locationButton_ != nullptr) {
        setTabOrder(previous, locationButton_);
    }
    MoveToEndOfFocusChain(*this, {ui_->okButton, ui_->cancelButton});
    SwitchPagesWithCtrlTab(*tabs);
}

void OptionsDialog::AddReminderPage() {
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("optionsTabs"));
    reminderPage_ =
        new ReminderPage(context_.reminders ? context_.reminders->choice : ReminderChoice{});
    reminderPage_->setObjectName(QStringLiteral("reminderPage"));
    tabs->addTab(reminderPage_, tr("Reminders"));
    connect(reminderPage_, &ReminderPage::playRequested, this, [this](const ReminderChoice& c) {
        if (context_.playSound) {
            context_.playSound(c);
        }
    });
    connect(reminderPage_, &ReminderPage::stopRequested, this, [this] {
        if (context_.stopSound) {
            context_.stopSound();
        }
    });
}

void OptionsDialog::AddHomeCityRow() {
    QGridLayout* grid = ui_->grid;
    CityLocation home;
    if (!context_.services.homeCity.ReadHomeCity(home)) {
        return;
    }
    homeCityRow_ = new QWidget(this);
    homeCityRow_->setObjectName(QStringLiteral("homeCityRow"));
    auto* row = new QHBoxLayout(homeCityRow_);
    row->setContentsMargins(0, 0, 0, 0);
    auto* note = new QLabel(homeCityRow_);
    note->setObjectName(QStringLiteral("homeCityNote"));
    note->setWordWrap(true);
    note->setTextFormat(Qt::PlainText);
    note->setText(tr("Home city %1 is used instead.").arg(QString::fromStdString(home.name)));
    auto* clear = new QPushButton(tr("C&lear home city"), homeCityRow_);
    clear->setObjectName(QStringLiteral("clearHomeCity"));
    clear->setAccessibleName(tr("Clear home city"));
    clear->setAutoDefault(false);
    row->addWidget(note, 1);
    row->addWidget(clear);
    grid->addWidget(homeCityRow_, grid->rowCount(), 0, 1, 2);
    connect(clear, &QPushButton::clicked, this, &OptionsDialog::ClearHomeCity);
}

void OptionsDialog::AddLocationRow() {
    QGridLayout* grid = ui_->grid;
    auto* row = new QWidget(this);
    row->setObjectName(QStringLiteral("locationRow"));
    auto* box = new QHBoxLayout(row);
    box->setContentsMargins(0, 0, 0, 0);
    locationButton_ = new QPushButton(tr("Use &my location"), row);
    locationButton_->setObjectName(QStringLiteral("useMyLocation"));
    locationButton_->setAccessibleDescription(
        tr("Asks the desktop's location service and puts the nearest city in the City field"));
    locationButton_->setAutoDefault(false);
    locationNote_ = new QLabel(row);
    locationNote_->setObjectName(QStringLiteral("locationNote"));
    locationNote_->setWordWrap(true);
    locationNote_->setTextFormat(Qt::PlainText);
    // Room for two lines: the dialog's size is fixed when it opens.
    locationNote_->setMinimumHeight(2 * locationNote_->fontMetrics().lineSpacing());
    locationNote_->setMinimumWidth(locationNote_->fontMetrics().averageCharWidth() * 30);
    box->addWidget(locationButton_, 0, Qt::AlignTop);
    box->addWidget(locationNote_, 1);
    grid->addWidget(row, grid->rowCount(), 0, 1, 2);
    connect(locationButton_, &QPushButton::clicked, this, &OptionsDialog::UseMyLocation);
}

void OptionsDialog::UseMyLocation() {
    if (locationRequest_ != nullptr) {
        return;  // one question at a time
    }
    locationButton_->setEnabled(false);
    locationNote_->setText(tr("Asking the desktop for your location\u2026"));
    locationRequest_ = new LocationRequest(
        context_.locationBus ? context_.locationBus() : QDBusConnection::systemBus(), this);
    connect(locationRequest_, &LocationRequest::located, this, &OptionsDialog::OnLocated);
    connect(locationRequest_, &LocationRequest::failed, this, &OptionsDialog::OnLocationFailed);
    locationRequest_->Start(context_.locationTimeoutMs);
}

void OptionsDialog::OnLocated(double latitudeDeg, double longitudeDeg) {
    locationRequest_->deleteLater();
    locationRequest_ = nullptr;
    locationButton_->setEnabled(true);
    const std::optional<CitySuggestions::NearestCity> city =
        context_.services.suggestions.Nearest(latitudeDeg, longitudeDeg);
    if (!city) {
        locationNote_->setText(tr("Your location is known, but the city database cannot be read."));
        return;
    }
    const QString name = QString::fromStdString(city->name);
    ui_->cityName->setText(name);
    //: %1 city name, %2 distance in kilometres (whole number).
    locationNote_->setText(tr("Nearest city: %1, %2 km away. Press OK to use it.")
                               .arg(name, DisplayNumber(static_cast<int>(city->distanceKm + 0.5))));
}

void OptionsDialog::OnLocationFailed(LocationFailure why) {
    locationRequest_->deleteLater();
    locationRequest_ = nullptr;
    locationButton_->setEnabled(true);
    switch (why) {
        case LocationFailure::kUnavailable:
            locationNote_->setText(tr("This desktop has no location service."));
            break;
        case LocationFailure::kRefused:
            locationNote_->setText(tr("The location service did not allow Orvanta your location."));
            break;
        case LocationFailure::kTimedOut:
            locationNote_->setText(tr("The location service did not answer in time."));
            break;
    }
}

void OptionsDialog::ClearHomeCity() {
    if (!context_.services.homeCity.ClearHomeCity()) {
        if (context_.services.showMessage) {
            context_.services.showMessage(tr("Couldn't clear the home city.").toStdString(),
                                          strings::kTitle);
        }
        return;
    }
    // The City field's saved city is the one to compute from now on, even after Cancel.
    context_.city.name = context_.settings.configuredCity;
    if (context_.showCity) {
        context_.showCity(context_.city.name);
    }
    homeCityRow_->hide();
}

void OptionsDialog::OnDepressionToggled(bool checked) {
    if (checked) {  // switched from the interval
        intervalText_ = numberField_->DigitsText().left(static_cast<int>(kNumberFieldChars));
        numberField_->SetDigitsText(depressionText_);
    }
}

void OptionsDialog::OnIntervalToggled(bool checked) {
    if (checked) {  // switched from the depression angle
        depressionText_ = numberField_->DigitsText().left(static_cast<int>(kNumberFieldChars));
        numberField_->SetDigitsText(intervalText_);
    }
}

void OptionsDialog::OnCityEdited(const QString& text) {
    const std::vector<std::string> names =
        context_.services.suggestions.Suggest(text.toStdString(), kCitySuggestionCount);
    QStringList list;
    list.reserve(static_cast<qsizetype>(names.size()));
    for (const std::string& name : names) {
        list.append(QString::fromStdString(name));
    }
    cityModel_->setStringList(list);
    QAbstractItemView* popup = cityCompleter_->popup();
    if (list.isEmpty()) {
        popup->hide();
        return;
    }
    cityCompleter_->setCompletionPrefix(text);
    cityCompleter_->complete();
    // No row is chosen until the person moves to one: Return keeps the typed text.
    popup->selectionModel()->clearCurrentIndex();
    popup->clearSelection();
    ShowWholeRows(*popup,
                  std::min(cityCompleter_->maxVisibleItems(), static_cast<int>(list.size())),
                  *ui_->cityName);
}

void OptionsDialog::accept() {
    PrayerSettings& settings = context_.settings;
    const std::string digits =
        numberField_->DigitsText().left(static_cast<int>(kNumberFieldChars)).toStdString();
    settings.method = ui_->byDepressionAngle->isChecked() ? TwilightMethod::kDepressionAngle
                                                          : TwilightMethod::kInterval;
    const double number = static_cast<double>(NumberFieldValue(digits));
    if (settings.method == TwilightMethod::kDepressionAngle) {
        settings.depressionDegrees = number;
    } else {
        settings.intervalMinutes = number;
    }
    settings.fiqh = ui_->fiqhShafi->isChecked() ? Fiqh::kShafi : Fiqh::kHanafi;
    // The school takes effect at the next calculation, like the method and its number.
    settings.asrShadowFactor = AsrShadowFactorForFiqh(settings.fiqh);
    settings.configuredCity =
        CutToUtf16Units(ui_->cityName->text(), static_cast<qsizetype>(kMaxCityNameUtf16Units))
            .toStdString();

    // Without a home city the typed city is the one to compute, so the display and the next
    // calculation name the same city.
    if (!context_.services.homeCity.ReadHomeCity(context_.city)) {
        context_.city.name = settings.configuredCity;
    }
    if (context_.showCity) {
        context_.showCity(context_.city.name);
    }
    SettingsGroups groups;
    if (context_.method != nullptr) {
        context_.method->choice = methodPage_->Choice();
        context_.method->choice.imsakMinutes = displayPage_->ImsakMinutes();
        groups.method = context_.method;
    }
    // An offset left as it was is not stored: an unreadable stored value stays as it is.
    if (context_.hijri != nullptr && calendarPage_ != nullptr &&
        calendarPage_->OffsetDays() != context_.hijri->offsetDays) {
        groups.hijriOffsetDays = calendarPage_->OffsetDays();
    }
    if (context_.display != nullptr) {
        context_.display->clock = displayPage_->Clock();
        context_.display->nightTimes = displayPage_->NightTimes();
        groups.display = context_.display;
    }
    if (context_.reminders != nullptr) {
        context_.reminders->choice = reminderPage_->Choice();
        groups.reminders = context_.reminders;
    }
    if (context_.companion != nullptr && companionPage_ != nullptr) {
        CompanionSettings& companion = *context_.companion;
        const bool keepInTray = companionPage_->KeepInTray();
        const bool startAtLogin = companionPage_->StartAtLogin();
        // A switch the person changed is their choice now, also one that could not be read
        // before; an unreadable one left as shown stays in the file as it is.
        std::erase_if(companion.unreadable, [&](const std::string& name) {
            return (name == kKeepInTrayValueName && keepInTray != companion.keepInTray) ||
                   (name == kStartAtLoginValueName && startAtLogin != companion.startAtLogin);
        });
        companion.keepInTray = keepInTray;
        companion.startAtLogin = startAtLogin;
        groups.companion = &companion;
    }
    // Every page's values in one update of the file.
    const bool saved = context_.services.settings.SaveAll(settings, groups);
    if (saved && groups.hijriOffsetDays) {
        context_.hijri->offsetDays = *groups.hijriOffsetDays;
        context_.hijri->unreadable = false;
    }
    if (!saved && context_.services.showMessage) {
        context_.services.showMessage(strings::kSettingsNotSaved,
                                      strings::kSettingsNotSavedCaption);
    }
    QDialog::accept();
}

}  // namespace orvanta
