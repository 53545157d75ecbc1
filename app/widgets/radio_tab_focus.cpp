#include "app/widgets/radio_tab_focus.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QList>
#include <QRadioButton>
#include <QWidget>

namespace orvanta {
namespace {

// The checked button of the exclusive set that widget belongs to: its exclusive button group,
// else its auto-exclusive siblings. Null when widget is no radio button of such a set or no
// button of the set is checked.
QAbstractButton* CheckedOfItsSet(QWidget* widget) {
    auto* radio = qobject_cast<QRadioButton*>(widget);
    if (radio == nullptr) {
        return nullptr;
    }
    if (const QButtonGroup* group = radio->group()) {
        return group->exclusive() ? group->checkedButton() : nullptr;
    }
    if (!radio->autoExclusive() || radio->parentWidget() == nullptr) {
        return nullptr;
    }
    const QList<QRadioButton*> siblings =
        radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (QRadioButton* sibling : siblings) {
        if (sibling->autoExclusive() && sibling->isChecked()) {
            return sibling;
        }
    }
    return nullptr;
}

// Qt keeps Tab focus only on the button of a set that had the focus last (at first the set's
// first button, which the dialog focuses when it opens), so the checked button may have lost
// it: any focus policy will do.
bool CanTakeFocus(const QWidget* widget) {
    return widget->isEnabled() && widget->isVisible() && widget->focusPolicy() != Qt::NoFocus;
}

}  // namespace

bool MoveTabFocus(QWidget& window, bool next, const FocusStepFn& step) {
    QWidget* const start = window.focusWidget();
    const QAbstractButton* const leaving = CheckedOfItsSet(start);
    // Each step reaches another widget of the chain; more steps than widgets would go round.
    const qsizetype maxSteps = window.findChildren<QWidget*>().size() + 1;
    for (qsizetype i = 0; i < maxSteps; ++i) {
        if (!step(next)) {
            return false;
        }
        QWidget* const reached = window.focusWidget();
        QAbstractButton* const checked = CheckedOfItsSet(reached);
        if (checked == nullptr || reached == start) {
            return true;
        }
        if (checked != leaving) {  // entered a set: its checked button is the stop
            if (reached != checked && CanTakeFocus(checked)) {
                checked->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            }
            return true;
        }
        // Still inside the set being left: step on past its other buttons.
    }
    return true;
}

}  // namespace orvanta
