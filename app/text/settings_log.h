// The window's log lines (standard error, in English) about saved settings it ignored.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/hijri_settings.h"

namespace orvanta {

// Logs "ignored the <group> settings that cannot be read (A, B); they stay in the settings file
// as they are" when names (as stored, in the order read) is not empty.
void LogUnreadableValues(std::string_view group, const std::vector<std::string>& names);

// Logs that the saved Hijri offset was ignored, when it was.
void LogUnreadableHijriOffset(const HijriSettings& hijri);

}  // namespace orvanta
