#include "app/options/options_dialog.h"

#include <algorithm>
#include <array>

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
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/options/calendar_page.h"
#include "app/options/companion_page.h"
#include "app/options/display_page.h"
#include "app/options/method_page.h"
#include "app/options/reminder_page.h"
#include "app/text/number_field_text.h"
#include "app/widgets/digit_spin_box.h"
#include "app/widgets/fixed_size_dialog.h"
#include "app/widgets/leading_labels.h"
#include "app/widgets/radio_tab_focus.h"
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

// A page of the tabs with its own OK and Cancel under it (named okName and cancelName).
QWidget* PageWithButtons(QWidget* page, const QString& okName, const QString& cancelName,
                         QDialog* dialog) {
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QCoreApplication::translate("OptionsDialog", "OK"));
    auto* cancel = new QPushButton(QCoreApplication::translate("OptionsDialog", "Cancel"));
    ok->setObjectName(okName);
    cancel->setObjectName(cancelName);
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(page);
    layout->addLayout(buttons);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return tab;
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
    AddMethodPage();
    AddReminderPage();
    FollowTabWithDefaultButton();
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
    auto* classicPage = new QWidget;
    classicPage->setObjectName(QStringLiteral("classicPage"));
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (grid != nullptr) {
        // The Method page is taller: the first page's controls stay together at the top.
        grid->setRowStretch(grid->rowCount(), 1);
    }
    classicPage->setLayout(layout());  // the first page's grid, with its controls
    // The grid moved its widgets in layout order; the first page keeps its own tab order.
    const std::array<QWidget*, 8> order = {
        ui_->byDepressionAngle, ui_->byInterval, ui_->angleOrInterval, ui_->fiqhShafi,
        ui_->fiqhHanafi,        ui_->okButton,   ui_->cancelButton,    ui_->cityName};
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    if (homeCityRow_ != nullptr) {
        setTabOrder(ui_->cityName, homeCityRow_->findChild<QPushButton*>());
    }
    methodPage_ = new MethodPage(context_.method ? context_.method->choice : MethodChoice{});
    methodPage_->setObjectName(QStringLiteral("methodPage"));
    displayPage_ =
        new DisplayPage(context_.display ? *context_.display : DisplaySettings{},
                        context_.method ? context_.method->choice.imsakMinutes : std::nullopt);
    displayPage_->setObjectName(QStringLiteral("displayPage"));
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("optionsTabs"));
    tabs->addTab(classicPage, tr("Classic"));
    tabs->addTab(PageWithButtons(methodPage_, QStringLiteral("methodOk"),
                                 QStringLiteral("methodCancel"), this),
                 tr("Method"));
    tabs->addTab(PageWithButtons(displayPage_, QStringLiteral("displayOk"),
                                 QStringLiteral("displayCancel"), this),
                 tr("Display"));
    if (context_.companion != nullptr) {
        companionPage_ = new CompanionPage(*context_.companion, context_.trayAvailable);
        companionPage_->setObjectName(QStringLiteral("companionPage"));
        tabs->addTab(PageWithButtons(companionPage_, QStringLiteral("companionOk"),
                                     QStringLiteral("companionCancel"), this),
                     tr("Companion"));
    }
    if (context_.hijri != nullptr) {
        calendarPage_ = new CalendarPage(context_.hijri->offsetDays);
        calendarPage_->setObjectName(QStringLiteral("calendarPage"));
        tabs->addTab(PageWithButtons(calendarPage_, QStringLiteral("calendarOk"),
                                     QStringLiteral("calendarCancel"), this),
                     tr("Calendar"));
    }
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(tabs);
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

void OptionsDialog::FollowTabWithDefaultButton() {
    // Return presses the dialog's default button only while it is visible, so the default is
    // the OK of the page shown: the first page's in its form, another page's the first button
    // of its tab (the page itself holds that page's own buttons).
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("optionsTabs"));
    const auto makeDefault = [this, tabs](int index) {
        QPushButton* ok = index == 0 ? ui_->okButton
                                     : tabs->widget(index)->findChild<QPushButton*>(
                                           QString(), Qt::FindDirectChildrenOnly);
        if (ok != nullptr) {
            ok->setDefault(true);
        }
    };
    connect(tabs, &QTabWidget::currentChanged, this, makeDefault);
    makeDefault(tabs->currentIndex());
}

void OptionsDialog::AddReminderPage() {
    auto* tabs = findChild<QTabWidget*>(QStringLiteral("optionsTabs"));
    reminderPage_ =
        new ReminderPage(context_.reminders ? context_.reminders->choice : ReminderChoice{});
    reminderPage_->setObjectName(QStringLiteral("reminderPage"));
    tabs->addTab(PageWithButtons(reminderPage_, QStringLiteral("reminderOk"),
                                 QStringLiteral("reminderCancel"), this),
                 tr("Reminders"));
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
    auto* grid = qobject_cast<QGridLayout*>(layout());
    CityLocation home;
    if (grid == nullptr || !context_.services.homeCity.ReadHomeCity(home)) {
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
