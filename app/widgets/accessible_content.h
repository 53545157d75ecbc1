// What assistive technology reads beside a widget's name: the widget's content as its accessible
// description ("Hijri date": "18 Jumada II 1448"), and a notice when that content changes.
#pragma once

#include <functional>

class QString;
class QWidget;

namespace orvanta {

// Sets widget's accessible description to text when it differs from the one it has; Qt then
// sends QAccessible::DescriptionChanged, which a screen reader can announce. Setting the same
// text again (the countdown is redrawn every second, its text changes once a minute) sends
// nothing. Returns whether the description changed.
bool SetAccessibleContent(QWidget& widget, const QString& text);

// Calls observer with the widget at each change SetAccessibleContent makes; an empty function
// stops it. For tests: on the offscreen platform Qt's accessibility stays inactive and
// QAccessible's update handler is never called.
void ObserveAccessibleContent(std::function<void(QWidget&)> observer);

}  // namespace orvanta
