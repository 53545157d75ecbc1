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
inline constexpr std::array<MenuItem, 5> kToolsMenu = {{
    {"&Calculate", commands::kCalculate},
    {"&Options", commands::kOptions},
    {"About", commands::kAbout},
    kSeparator,
    {"E&xit", commands::kExit},
}};

// Accelerator table 3: a key with Control gives a command.
struct Accelerator {
    char keyWithControl;  // an upper-case letter
    int command;
};

inline constexpr std::array<Accelerator, 2> kAccelerators = {{
    {'A', commands::kAbout},
    {'Q', commands::kClose},
}};

}  // namespace orvanta::menus
