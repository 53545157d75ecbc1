#include "app/options/calendar_page.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/text/count_text.h"
#include "hijri/hijri_date.h"

namespace orvanta {

CalendarPage::CalendarPage(int offsetDays, QWidget* parent)
    : QWidget(parent), offset_(new QSpinBox(this)) {
    offset_->setObjectName(QStringLiteral("hijriOffset"));
    offset_->setRange(kMinHijriOffsetDays, kMaxHijriOffsetDays);
    offset_->setValue(offsetDays);
    //: After the number of days in a spin box; keep the leading space.
    FollowValueWithSuffix(*offset_, "orvanta::CalendarPage",
                          QT_TRANSLATE_N_NOOP("orvanta::CalendarPage", " days"), " day");
    offset_->setAccessibleName(tr("Hijri date offset"));
    offset_->setAccessibleDescription(
        tr("Days added to the computed Hijri date, from minus 2 to plus 2"));
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    auto* label = new QLabel(tr("&Hijri date offset:"), this);
    label->setBuddy(offset_);
    form->addRow(label, offset_);
    auto* note = new QLabel(tr("The Hijri date follows the Umm al-Qura calendar. Where the month "
                               "begins with a local sighting of the moon, move it by a day or "
                               "two."),
                            this);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch();
}

int CalendarPage::OffsetDays() const {
    return offset_->value();
}

}  // namespace orvanta
