#include "app/options/method_page.h"

#include <optional>
#include <tuple>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpression>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/text/count_text.h"
#include "app/text/display_text.h"
#include "astro/method_presets.h"

namespace orvanta {
namespace {

constexpr std::array<const char*, kMethodSlotCount> kPrayerLabels = {
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Fajr"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Shuruq"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Zuhr"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Asr"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Maghrib"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Isha")};
// The captions of the six adjustment fields, each with its own Alt key on the page.
constexpr std::array<const char*, kMethodSlotCount> kAdjustmentCaptions = {
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Fa&jr"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "&Shuruq"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "&Zuhr"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "As&r"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Maghri&b"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "Is&ha")};
constexpr std::array<HighLatitudeRule, 6> kRules = {
    HighLatitudeRule::kNone,           HighLatitudeRule::kMiddleOfNight,
    HighLatitudeRule::kSeventhOfNight, HighLatitudeRule::kTwilightAngle,
    HighLatitudeRule::kNearestDay,     HighLatitudeRule::kNearestLatitude};
// The High latitudes list's item of nearest-latitude (item 0 is the method's own rule).
constexpr int kNearestLatitudeItem = 6;
static_assert(kRules[kNearestLatitudeItem - 1] == HighLatitudeRule::kNearestLatitude);

// Why each preset has its own high-latitude rule, as the presets state it.
[[maybe_unused]] constexpr std::array<const char*, 3> kRuleReasons = {
    QT_TRANSLATE_NOOP("orvanta::MethodPage",
                      "the authority prescribes none; it gives Fajr and Isha wherever the sun "
                      "rises and sets"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage",
                      "its Fiqh Council's decree: Fajr and Isha by analogy with the nearest "
                      "latitude where they are distinct"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage",
                      "the Committee's own: one seventh of the night at and above 55°"),
};

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The words of the presets' summaries ("Fajr 18.5°, Isha 90 min after Maghrib (120 in
// Ramadan)"), longest first, so that a phrase wins over the words inside it.
constexpr std::array<const char*, 12> kSummaryWords = {
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "within the seasonal bound"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "min after Maghrib"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "rounded up"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "in Ramadan"),
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "temkin"),
    kPrayerLabels[0],
    kPrayerLabels[1],
    kPrayerLabels[2],
    kPrayerLabels[3],
    kPrayerLabels[4],
    kPrayerLabels[5],
    QT_TRANSLATE_NOOP("orvanta::MethodPage", "min"),
};

QDoubleSpinBox* NumberBox(QWidget* parent, double low, double high, const char* name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(low, high);
    box->setDecimals(2);
    box->setSingleStep(0.5);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

}  // namespace

MethodPage::MethodPage(const MethodChoice& choice, QWidget* parent)
    : QWidget(parent),
      preset_(new QComboBox(this)),
      parameters_(new QLabel(this)),
      controls_(new QWidget(this)),
      fajrOverride_(new QCheckBox(tr("&Fajr angle"), controls_)),
      fajrAngle_(NumberBox(controls_, 0.1, kMaxTwilightAngleDeg, "methodFajrAngle")),
      ishaAngleOverride_(new QCheckBox(tr("&Isha angle"), controls_)),
      ishaAngle_(NumberBox(controls_, 0.1, kMaxTwilightAngleDeg, "methodIshaAngle")),
      ishaIntervalOverride_(new QCheckBox(tr("Isha minutes &after Maghrib"), controls_)),
      ishaInterval_(NumberBox(controls_, 1.0, kMaxIshaIntervalMinutes, "methodIshaInterval")),
      maghribOverride_(new QCheckBox(tr("Ma&ghrib angle"), controls_)),
      maghribAngle_(NumberBox(controls_, 0.0, kMaxMaghribAngleDeg, "methodMaghribAngle")),
      adjustments_{},
      highLatitude_(new QComboBox(controls_)),
      rounding_(new QComboBox(controls_)),
      nearestLatitude_(NumberBox(controls_, 0.1, kMaxNearestLatitudeDeg, "methodNearestLatitude")) {
    preset_->setObjectName(QStringLiteral("methodPreset"));
    preset_->addItem(tr("Classic (the first page)"), Text(kClassicMethodId));
    for (const MethodPreset& p : MethodPresets()) {
        preset_->addItem(Text(p.authority), Text(p.id));
    }
    parameters_->setObjectName(QStringLiteral("methodParameters"));
    parameters_->setWordWrap(true);
    fajrOverride_->setObjectName(QStringLiteral("methodFajrOverride"));
    ishaAngleOverride_->setObjectName(QStringLiteral("methodIshaAngleOverride"));
    ishaIntervalOverride_->setObjectName(QStringLiteral("methodIshaIntervalOverride"));
    maghribOverride_->setObjectName(QStringLiteral("methodMaghribOverride"));
    highLatitude_->setObjectName(QStringLiteral("methodHighLatitude"));
    rounding_->setObjectName(QStringLiteral("methodRounding"));
    highLatitude_->addItem(tr("The method's own"));
    for (const HighLatitudeRule rule : kRules) {
        highLatitude_->addItem(MethodWord(HighLatitudeRuleName(rule)));
    }
    nearestLatitude_->setDecimals(1);
    nearestLatitude_->setSuffix(QStringLiteral("°"));
    rounding_->addItem(tr("The method's own"));
    rounding_->addItem(MethodWord("nearest"));
    rounding_->addItem(MethodWord("up"));

    auto* overrides = new QGridLayout;
    const std::array<std::pair<QCheckBox*, QDoubleSpinBox*>, 4> rows = {
        std::pair{fajrOverride_, fajrAngle_}, std::pair{ishaAngleOverride_, ishaAngle_},
        std::pair{ishaIntervalOverride_, ishaInterval_},
        std::pair{maghribOverride_, maghribAngle_}};
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        overrides->addWidget(rows[r].first, r, 0);
        overrides->addWidget(rows[r].second, r, 1);
        QDoubleSpinBox* box = rows[r].second;
        connect(rows[r].first, &QCheckBox::toggled, this, [this, box](bool on) {
            box->setEnabled(on);
            if (on) {
                box->setSpecialValueText(QString());  // the person's own value, whatever it is
            } else {
                ShowPresetValues();
            }
        });
    }
    auto* minutes = new QGridLayout;
    for (int s = 0; s < kMethodSlotCount; ++s) {
        adjustments_[s] = new QSpinBox(controls_);
        adjustments_[s]->setRange(-kMaxAdjustmentMinutes, kMaxAdjustmentMinutes);
        //: After the number of minutes in a spin box; keep the leading space.
        FollowValueWithSuffix(*adjustments_[s], "orvanta::MethodPage",
                              QT_TRANSLATE_N_NOOP("orvanta::MethodPage", " min"));
        adjustments_[s]->setObjectName(QStringLiteral("methodAdjust%1").arg(s));
        const QString prayer = tr(kPrayerLabels[s]);
        adjustments_[s]->setAccessibleName(tr("%1 adjustment in minutes").arg(prayer));
        auto* label = new QLabel(tr(kAdjustmentCaptions[s]), controls_);
        label->setBuddy(adjustments_[s]);
        minutes->addWidget(label, s / 3, (s % 3) * 2);
        minutes->addWidget(adjustments_[s], s / 3, (s % 3) * 2 + 1);
    }
    auto* form = new QFormLayout(controls_);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("Override"), overrides);
    form->addRow(tr("Minutes"), minutes);
    form->addRow(tr("High &latitudes"), highLatitude_);
    form->addRow(tr("&Nearest latitude"), nearestLatitude_);
    form->addRow(tr("R&ounding"), rounding_);
    NameControls();
    FollowLayoutWithTab();
    auto* presetRow = new QHBoxLayout;
    auto* presetCaption = new QLabel(tr("&Method:"), this);
    presetCaption->setBuddy(preset_);
    presetRow->addWidget(presetCaption);
    presetRow->addWidget(preset_, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(presetRow);
    page->addWidget(parameters_);
    page->addWidget(controls_);
    page->addStretch();

    // An angle and an interval for Isha exclude each other.
    connect(ishaAngleOverride_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            ishaIntervalOverride_->setChecked(false);
        }
    });
    connect(ishaIntervalOverride_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) {
            ishaAngleOverride_->setChecked(false);
        }
    });

    const int index = preset_->findData(Text(choice.presetId));
    preset_->setCurrentIndex(index < 0 ? 0 : index);
    ShowPresetValues();
    const auto set = [](QCheckBox* check, QDoubleSpinBox* box, const std::optional<double>& v) {
        check->setChecked(v.has_value());
        box->setEnabled(v.has_value());
        if (v) {
            box->setValue(*v);
        }
    };
    set(fajrOverride_, fajrAngle_, choice.fajrAngleDeg);
    set(ishaAngleOverride_, ishaAngle_, choice.ishaAngleDeg);
    set(ishaIntervalOverride_, ishaInterval_, choice.ishaIntervalMinutes);
    set(maghribOverride_, maghribAngle_, choice.maghribAngleDeg);
    for (int s = 0; s < kMethodSlotCount; ++s) {
        adjustments_[s]->setValue(choice.adjustments[s]);
    }
    highLatitude_->setCurrentIndex(choice.highLatitude ? static_cast<int>(*choice.highLatitude) + 1
                                                       : 0);
    rounding_->setCurrentIndex(choice.rounding ? static_cast<int>(*choice.rounding) + 1 : 0);
    nearestLatitudeDeg_ = choice.nearestLatitudeDeg;
    nearestLatitude_->setValue(nearestLatitudeDeg_.value_or(PrayerMethod{}.nearestLatitudeDeg));
    const auto nearestLatitudeShown = [this] {
        nearestLatitude_->setEnabled(highLatitude_->currentIndex() == kNearestLatitudeItem);
    };
    nearestLatitudeShown();
    connect(highLatitude_, &QComboBox::currentIndexChanged, this, nearestLatitudeShown);
    // Connected after the stored value is shown, so that an untouched field keeps it as stored.
    connect(nearestLatitude_, &QDoubleSpinBox::valueChanged, this,
            [this](double deg) { nearestLatitudeDeg_ = deg; });
    controls_->setEnabled(!ClassicSelected());
    connect(preset_, &QComboBox::currentIndexChanged, this, &MethodPage::OnPresetChanged);
}

void MethodPage::NameControls() {
    preset_->setAccessibleName(tr("Method"));
    preset_->setAccessibleDescription(tr("The authority whose method computes the times"));
    fajrAngle_->setAccessibleName(tr("Fajr angle in degrees"));
    ishaAngle_->setAccessibleName(tr("Isha angle in degrees"));
    ishaInterval_->setAccessibleName(tr("Isha minutes after Maghrib"));
    maghribAngle_->setAccessibleName(tr("Maghrib angle in degrees"));
    highLatitude_->setAccessibleName(tr("High latitudes"));
    highLatitude_->setAccessibleDescription(
        tr("How Fajr and Isha are found where twilight lasts all night"));
    rounding_->setAccessibleName(tr("Rounding"));
    nearestLatitude_->setAccessibleName(tr("Latitude in degrees at which the day is computed"));
}

void MethodPage::FollowLayoutWithTab() {
    // Row by row as the page shows them: the list, the overrides (each box before its field),
    // the six adjustments (three to a row), the lists and the latitude under them.
    QWidget* previous = preset_;
    const auto follow = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (const auto& [check, box] :
         {std::pair<QCheckBox*, QDoubleSpinBox*>{fajrOverride_, fajrAngle_},
          {ishaAngleOverride_, ishaAngle_},
          {ishaIntervalOverride_, ishaInterval_},
          {maghribOverride_, maghribAngle_}}) {
        follow(check);
        follow(box);
    }
    for (QSpinBox* adjustment : adjustments_) {
        follow(adjustment);
    }
    follow(highLatitude_);
    follow(nearestLatitude_);
    follow(rounding_);
}

bool MethodPage::ClassicSelected() const {
    return preset_->currentIndex() <= 0;
}

void MethodPage::OnPresetChanged() {
    ShowPresetValues();
    controls_->setEnabled(!ClassicSelected());
    emit classicSelected(ClassicSelected());
}

// The selected preset's parameters in words, and its values in the boxes not overridden.
void MethodPage::ShowPresetValues() {
    const MethodPreset* p = FindMethodPreset(preset_->currentData().toString().toStdString());
    ShowPresetParameters(p);
    if (p == nullptr) {
        parameters_->setText(
            tr("One angle or one interval for Fajr and Isha, as the first page sets it."));
        return;
    }
    parameters_->setText(SummaryText(p->summary) + QLatin1Char('\n') +
                         tr("Source: %1").arg(Text(p->source)) + QLatin1Char('\n') +
                         tr("High latitudes: %1 (%2)")
                             .arg(MethodWord(HighLatitudeRuleName(p->method.highLatitude)),
                                  tr(std::string(p->ruleReason).c_str())));
}

void MethodPage::ShowPresetParameters(const MethodPreset* p) {
    // The preset's own value in each field not overridden; blank where it has none: classic,
    // the Isha rule it does not use, Maghrib at sunset.
    using Shown = std::optional<double>;
    const PrayerMethod* m = p != nullptr ? &p->method : nullptr;
    const bool byAngle = m != nullptr && m->ishaRule == IshaRule::kAngle;
    const bool byInterval = m != nullptr && m->ishaRule == IshaRule::kInterval;
    const std::array<std::tuple<QCheckBox*, QDoubleSpinBox*, Shown>, 4> fields = {{
        {fajrOverride_, fajrAngle_, m != nullptr ? Shown(m->fajrAngleDeg) : Shown()},
        {ishaAngleOverride_, ishaAngle_, byAngle ? Shown(m->ishaAngleDeg) : Shown()},
        {ishaIntervalOverride_, ishaInterval_,
         byInterval ? Shown(m->ishaIntervalMinutes) : Shown()},
        {maghribOverride_, maghribAngle_,
         m != nullptr && m->maghribAngleDeg > 0.0 ? Shown(m->maghribAngleDeg) : Shown()},
    }};
    for (const auto& [check, box, value] : fields) {
        if (check->isChecked()) {
            continue;
        }
        // A spin box shows its special text at its minimum: one space, so the field is blank.
        box->setSpecialValueText(value ? QString() : QStringLiteral(" "));
        box->setValue(value.value_or(box->minimum()));
    }
}

QString MethodPage::SummaryText(std::string_view summary) {
    // One pass over the words, so that no translation is translated again; the numbers and
    // the order stay as the summary writes them.
    static const QRegularExpression words = [] {
        QStringList alternatives;
        for (const char* word : kSummaryWords) {
            alternatives.append(QRegularExpression::escape(QString::fromLatin1(word)));
        }
        return QRegularExpression(QStringLiteral("\\b(") + alternatives.join(u'|') +
                                  QStringLiteral(")\\b"));
    }();
    const QString text = Text(summary);
    QString translated;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& match : words.globalMatch(text)) {
        translated += text.mid(from, match.capturedStart() - from) +
                      tr(match.captured(1).toLatin1().constData());
        from = match.capturedEnd();
    }
    return translated + text.mid(from);
}

MethodChoice MethodPage::Choice() const {
    MethodChoice choice;
    if (ClassicSelected()) {
        return choice;  // classic has no parameters of its own here
    }
    choice.presetId = preset_->currentData().toString().toStdString();
    const auto value = [](const QCheckBox* check, const QDoubleSpinBox* box) {
        return check->isChecked() ? std::optional<double>(box->value()) : std::nullopt;
    };
    choice.fajrAngleDeg = value(fajrOverride_, fajrAngle_);
    choice.ishaAngleDeg = value(ishaAngleOverride_, ishaAngle_);
    choice.ishaIntervalMinutes = value(ishaIntervalOverride_, ishaInterval_);
    choice.maghribAngleDeg = value(maghribOverride_, maghribAngle_);
    for (int s = 0; s < kMethodSlotCount; ++s) {
        choice.adjustments[s] = adjustments_[s]->value();
    }
    if (highLatitude_->currentIndex() > 0) {
        choice.highLatitude = kRules[static_cast<std::size_t>(highLatitude_->currentIndex() - 1)];
    }
    if (rounding_->currentIndex() > 0) {
        choice.rounding =
            rounding_->currentIndex() == 1 ? RoundingRule::kNearest : RoundingRule::kUp;
    }
    choice.nearestLatitudeDeg = nearestLatitudeDeg_;
    return choice;
}

}  // namespace orvanta
