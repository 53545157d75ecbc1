#include "app/widgets/accessible_content.h"

#include <utility>

#include <QString>
#include <QWidget>

namespace orvanta {
namespace {

std::function<void(QWidget&)>& Observer() {
    static std::function<void(QWidget&)> observer;
    return observer;
}

}  // namespace

bool SetAccessibleContent(QWidget& widget, const QString& text) {
    if (widget.accessibleDescription() == text) {
        return false;
    }
    widget.setAccessibleDescription(text);  // sends QAccessible::DescriptionChanged
    if (Observer()) {
        Observer()(widget);
    }
    return true;
}

void ObserveAccessibleContent(std::function<void(QWidget&)> observer) {
    Observer() = std::move(observer);
}

}  // namespace orvanta
