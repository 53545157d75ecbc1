// Keyboard helpers for a dialog of tabbed pages with one button row under the tabs.
#pragma once

#include <initializer_list>

class QTabWidget;
class QWidget;

namespace orvanta {

// Ctrl+Tab and Ctrl+Shift+Tab show the next and the previous page (round the ends) wherever
// the focus is in tabs' window. QTabWidget does this only when the key reaches it, and a combo
// box takes Ctrl+Tab as a letter to search for; a shortcut of the window comes first.
void SwitchPagesWithCtrlTab(QTabWidget& tabs);

// Moves widgets, in their order, to the end of window's focus chain: a button row that Tab
// reaches after the controls of whichever page is shown (hidden pages are skipped).
void MoveToEndOfFocusChain(QWidget& window, std::initializer_list<QWidget*> widgets);

}  // namespace orvanta
