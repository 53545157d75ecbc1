// The Tools menu and the keyboard accelerators of the main window.
#pragma once

#include <array>

#include "resources/command_ids.h"

namespace orvanta::menus {

// One entry of a pop-up menu; a null text marks a separator.
struct MenuItem {
    const char* text;
    int command;
};

inline constexpr MenuItem kSeparator{nullptr, 0};

// Menu 102: one pop-up, "Tools", whose items run in this order.
inline constexpr std::array<MenuItem, 6> kToolsMenu = {{
    {"&Calculate", commands::kCalculate},
    {"&Options", commands::kOptions},
    {"&Timetable...", commands::kTimetable},
    {"About", commands::kAbout},
    kSeparator,
    {"E&xit", commands::kExit},
}};

// Accelerator table 3: a key with Control gives a command. The menu shows the key beside the
// item of a command with the same effect for the person (Ctrl+Q closes the window, which ends
// the program as Exit does).
struct Accelerator {
    char keyWithControl;  // an upper-case letter
    int command;
    int shownBeside;  // the menu item's command whose text shows the key
};

inline constexpr std::array<Accelerator, 2> kAccelerators = {{
    {'A', commands::kAbout, commands::kAbout},
    {'Q', commands::kClose, commands::kExit},
}};

}  // namespace orvanta::menus
