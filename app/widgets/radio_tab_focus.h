// Tab and Shift+Tab treat a set of exclusive radio buttons as one stop, as in the usual
// dialogs: moving into the set lands on its checked button (so that Space there changes
// nothing), and moving out of it skips the set's other buttons. Qt alone makes the set one stop
// but stops on the button that had the focus last, which need not be the checked one (when a
// dialog opens, it is the set's first). Inside the set the arrow keys move, as Qt already does.
#pragma once

#include <functional>

class QWidget;

namespace orvanta {

// One move of the keyboard focus along window's focus chain, forwards when next: the window's
// own QWidget::focusNextPrevChild. Returns false when focus could not move.
using FocusStepFn = std::function<bool(bool next)>;

// What window's focusNextPrevChild(next) should do: step along the chain, then apply the rules
// above. A set without a checked button is not one stop: each of its buttons is reached.
bool MoveTabFocus(QWidget& window, bool next, const FocusStepFn& step);

}  // namespace orvanta
