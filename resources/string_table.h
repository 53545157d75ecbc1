// The program's fixed user-visible strings, by name.
#pragma once

namespace orvanta::strings {

inline constexpr const char* kTitle = "Orvanta";  // the main window's title

inline constexpr const char* kClassName = "ORVANTA";  // the main window's class name

// The label of the menu that holds the commands; Alt+T opens it.
inline constexpr const char* kTools = "&Tools";

inline constexpr const char* kPrayerHeader = "Prayer";  // header of the list's first column

// Header of the list's second column, which holds the clock times.
inline constexpr const char* kTimeHeader = "Time";

// The captions of the two rows above the list.
inline constexpr const char* kLocationCaption = "Location ";
inline constexpr const char* kDateCaption = "Date ";

// Reports.
inline constexpr const char* kCityNotFound = "Couldn't find city!";
inline constexpr const char* kCityNotFoundCaption = "Error";
inline constexpr const char* kErrorGettingData = "Error getting data!";
inline constexpr const char* kErrorGettingDataCaption = "Error!";
inline constexpr const char* kSettingsNotSaved = "Settings could not be saved.";
inline constexpr const char* kSettingsNotSavedCaption = "Error";

// The About dialog.
inline constexpr const char* kAboutTitle = "About Orvanta";
inline constexpr const char* kAboutName = "Orvanta 1.0";
inline constexpr const char* kAboutProgramLine = "\u00a9 2026 The Orvanta developers, MIT";
inline constexpr const char* kAboutDataLine = "City data \u00a9 GeoNames, CC BY 4.0";

}  // namespace orvanta::strings
