// The command line's English for the notices the layers below add on their own account.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "common/notices.h"

namespace orvanta {

// The notice as one lower-case sentence without its full stop, naming its files as they are:
// "the settings file F is damaged; the default settings are used, and saving the settings moves
// it aside".
std::string NoticeText(const Notice& notice);

// A settings group's values that were ignored (names as stored, in the order read): "ignored the
// <group> settings that cannot be read (A, B); they stay in the settings file as they are", or ""
// when there were none.
std::string UnreadableValuesText(std::string_view group, const std::vector<std::string>& names);

// The saved Hijri offset was ignored.
inline constexpr std::string_view kUnreadableHijriOffsetText =
    "ignored the Hijri offset that cannot be read (HijriOffset); it stays in the settings file as "
    "it is";

}  // namespace orvanta
