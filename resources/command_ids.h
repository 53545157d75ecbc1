// Command identifiers of the main window and control identifiers of the dialogs.
#pragma once

namespace orvanta::commands {

inline constexpr int kClose = 1;            // Ctrl+Q: close the main window
inline constexpr int kToolsButton = 40001;  // the button that opens the Tools menu
inline constexpr int kAbout = 40003;        // "About", Ctrl+A
inline constexpr int kOptions = 40004;      // "&Options"
inline constexpr int kCalculate = 40005;    // "&Calculate"
inline constexpr int kExit = 40006;         // "E&xit"
inline constexpr int kTimetable = 40007;    // "&Timetable..."

}  // namespace orvanta::commands

namespace orvanta::controls {

// Controls of the Options dialog; the forms name each control "id<number>".
inline constexpr int kByDepressionAngle = 1001;
inline constexpr int kByInterval = 1002;
inline constexpr int kNumberField = 1003;  // carries its own up-down arrows (1004)
inline constexpr int kSpinner = 1004;
inline constexpr int kShafi = 1005;
inline constexpr int kHanafi = 1006;
inline constexpr int kCityField = 1008;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

}  // namespace orvanta::controls

namespace orvanta::resources {

inline constexpr int kIcon = 101;
inline constexpr int kMenu = 102;
inline constexpr int kMenuBar = 102;
inline constexpr int kAboutDialog = 103;
inline constexpr int kOptionsDialog = 104;
inline constexpr int kAccelerators = 3;

// Where the icon lives among the compiled-in resources.
inline constexpr const char* kIconPath = ":/icons/orvanta.svg";

}  // namespace orvanta::resources
