// The Options dialog's "Method" page: the preset (classic first), the preset's parameters with
// those the user may override, the six adjustments, the high-latitude rule and the rounding.
#pragma once

#include <optional>

#include <array>
#include <string_view>

#include <QWidget>

#include "astro/method_choice.h"
#include "astro/method_presets.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;

namespace orvanta {

class MethodPage : public QWidget {
    Q_OBJECT

  public:
    // Shows the choice; nothing changes outside the page.
    explicit MethodPage(const MethodChoice& choice, QWidget* parent = nullptr);

    // The choice as the page shows it.
    MethodChoice Choice() const;

    // True while classic is selected.
    bool ClassicSelected() const;

  signals:
    // The preset selection moved to (classic) or away from classic.
    void classicSelected(bool classic);

  private:
    void OnPresetChanged();
    void ShowPresetValues();
    // The override fields not overridden: the preset's own values, or blank (p null: classic).
    void ShowPresetParameters(const MethodPreset* p);
    // A preset's summary with its words in the language.
    static QString SummaryText(std::string_view summary);
    // Names the controls whose label does not say what they hold, for screen readers.
    void NameControls();
    // Tab follows the page's rows from the top.
    void FollowLayoutWithTab();

    QComboBox* preset_;
    QLabel* parameters_;
    QWidget* controls_;  // everything below the preset list; disabled for classic
    QCheckBox* fajrOverride_;
    QDoubleSpinBox* fajrAngle_;
    QCheckBox* ishaAngleOverride_;
    QDoubleSpinBox* ishaAngle_;
    QCheckBox* ishaIntervalOverride_;
    QDoubleSpinBox* ishaInterval_;
    QCheckBox* maghribOverride_;
    QDoubleSpinBox* maghribAngle_;
    std::array<QSpinBox*, kMethodSlotCount> adjustments_;
    QComboBox* highLatitude_;  // item 0: the preset's own rule
    QComboBox* rounding_;      // item 0: the preset's own rounding
    // The latitude of the nearest-latitude rule, degrees without sign; enabled only while that
    // rule is selected.
    QDoubleSpinBox* nearestLatitude_;
    // The stored latitude (nothing: the rule's default), replaced only once the field is edited.
    std::optional<double> nearestLatitudeDeg_;
};

}  // namespace orvanta
