#include "app/options/display_page.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

namespace orvanta {

DisplayPage::DisplayPage(ClockStyle clock, QWidget* parent)
    : QWidget(parent), clock_(new QComboBox(this)) {
    clock_->setObjectName(QStringLiteral("displayClock"));
    // Items in the order of ClockStyle.
    clock_->addItem(tr("The language's own"));
    clock_->addItem(tr("12-hour (5:25 PM)"));
    clock_->addItem(tr("24-hour (17:25)"));
    clock_->setCurrentIndex(static_cast<int>(clock));
    clock_->setAccessibleName(tr("Clock"));
    clock_->setAccessibleDescription(tr("How the prayer times are shown"));
    auto* form = new QFormLayout;
    form->addRow(tr("&Clock"), clock_);
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addStretch();
}

ClockStyle DisplayPage::Clock() const {
    return static_cast<ClockStyle>(std::max(0, clock_->currentIndex()));
}

}  // namespace orvanta
