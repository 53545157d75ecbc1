#include "app/options/display_page.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "astro/prayer_method.h"

namespace orvanta {

DisplayPage::DisplayPage(const DisplaySettings& display, std::optional<int> imsakMinutes,
                         QWidget* parent)
    : QWidget(parent),
      clock_(new QComboBox(this)),
      nightTimes_(new QCheckBox(tr("Show &Imsak and the night's times"), this)),
      imsakMinutes_(new QSpinBox(this)) {
    clock_->setObjectName(QStringLiteral("displayClock"));
    // Items in the order of ClockStyle.
    clock_->addItem(tr("The language's own"));
    clock_->addItem(tr("12-hour (5:25 PM)"));
    clock_->addItem(tr("24-hour (17:25)"));
    clock_->setCurrentIndex(static_cast<int>(display.clock));
    clock_->setAccessibleName(tr("Clock"));
    clock_->setAccessibleDescription(tr("How the prayer times are shown"));
    nightTimes_->setObjectName(QStringLiteral("displayNightTimes"));
    nightTimes_->setChecked(display.nightTimes);
    nightTimes_->setAccessibleDescription(
        tr("Imsak, the middle of the night and its last third under the six times"));
    imsakMinutes_->setObjectName(QStringLiteral("displayImsakMinutes"));
    imsakMinutes_->setRange(-1, kMaxImsakMinutes);
    imsakMinutes_->setSpecialValueText(tr("The method's own"));
    imsakMinutes_->setValue(imsakMinutes.value_or(-1));
    imsakMinutes_->setAccessibleName(tr("Imsak, minutes before Fajr"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Clock"), clock_);
    form->addRow(nightTimes_);
    form->addRow(tr("I&msak, minutes before Fajr"), imsakMinutes_);
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addStretch();
}

ClockStyle DisplayPage::Clock() const {
    return static_cast<ClockStyle>(std::max(0, clock_->currentIndex()));
}

bool DisplayPage::NightTimes() const {
    return nightTimes_->isChecked();
}

std::optional<int> DisplayPage::ImsakMinutes() const {
    const int minutes = imsakMinutes_->value();
    return minutes < 0 ? std::nullopt : std::optional<int>(minutes);
}

}  // namespace orvanta
