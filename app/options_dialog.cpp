#include "app/options_dialog.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStringListModel>

#include "app/digit_spin_box.h"
#include "app/number_field_text.h"
#include "cities/city_name.h"
#include "resources/string_table.h"
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

}  // namespace

OptionsDialog::OptionsDialog(const OptionsContext& context, QWidget* parent)
    : QDialog(parent),
      context_(context),
      ui_(new Ui::OptionsDialog),
      numberField_(nullptr),
      cityModel_(new QStringListModel(this)),
      cityCompleter_(new QCompleter(cityModel_, this)) {
    ui_->setupUi(this);
    numberField_ = ui_->id1003;
    const PrayerSettings& settings = context_.settings;

    intervalText_ = QString::fromStdString(NumberFieldText(settings.intervalMinutes));
    depressionText_ = QString::fromStdString(NumberFieldText(settings.depressionDegrees));
    if (settings.method == 0) {
        ui_->id1001->setChecked(true);
        numberField_->SetDigitsText(depressionText_);
    } else {
        ui_->id1002->setChecked(true);
        numberField_->SetDigitsText(intervalText_);
    }
    if (settings.fiqh == 0) {
        ui_->id1005->setChecked(true);
    } else {
        ui_->id1006->setChecked(true);
    }
    ui_->id1008->setText(QString::fromStdString(settings.configuredCity));

    // Completions come from the database in its own order (folded prefix, most populous first),
    // so the completer must not filter them again by its own rules.
    cityCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    cityCompleter_->setCaseSensitivity(Qt::CaseInsensitive);
    ui_->id1008->setCompleter(cityCompleter_);
    connect(ui_->id1008, &QLineEdit::textEdited, this, &OptionsDialog::OnCityEdited);

    // Connected after the initial checks, so that only the user's switches move the digits. A
    // click on the radio button that is already checked toggles nothing and so does nothing.
    connect(ui_->id1001, &QRadioButton::toggled, this, &OptionsDialog::OnDepressionToggled);
    connect(ui_->id1002, &QRadioButton::toggled, this, &OptionsDialog::OnIntervalToggled);
    connect(ui_->id1, &QPushButton::clicked, this, &OptionsDialog::accept);
    connect(ui_->id2, &QPushButton::clicked, this, &OptionsDialog::reject);
}

OptionsDialog::~OptionsDialog() {
    delete ui_;
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
    if (list.isEmpty()) {
        cityCompleter_->popup()->hide();
    } else {
        cityCompleter_->setCompletionPrefix(text);
        cityCompleter_->complete();
    }
}

void OptionsDialog::accept() {
    PrayerSettings& settings = context_.settings;
    const std::string digits =
        numberField_->DigitsText().left(static_cast<int>(kNumberFieldChars)).toStdString();
    settings.method = ui_->id1001->isChecked() ? 0 : 1;
    const double number = static_cast<double>(NumberFieldValue(digits));
    if (settings.method == 0) {
        settings.depressionDegrees = number;
    } else {
        settings.intervalMinutes = number;
    }
    settings.fiqh = ui_->id1005->isChecked() ? 0 : 1;
    // The school takes effect at the next calculation, like the method and its number.
    settings.asrShadowFactor = settings.fiqh == 0 ? 1.0 : 2.0;
    settings.configuredCity =
        CutToUtf16Units(ui_->id1008->text(), static_cast<qsizetype>(kMaxCityNameUtf16Units))
            .toStdString();

    // Without a home city the typed city is the one to compute, so the display and the next
    // calculation name the same city.
    if (!context_.services.homeCity.ReadHomeCity(context_.city)) {
        context_.city.name = settings.configuredCity;
    }
    if (context_.showCity) {
        context_.showCity(context_.city.name);
    }
    if (!context_.services.settings.Save(settings) && context_.services.showMessage) {
        context_.services.showMessage(strings::kSettingsNotSaved,
                                      strings::kSettingsNotSavedCaption);
    }
    QDialog::accept();
}

}  // namespace orvanta
