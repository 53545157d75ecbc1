// The command line's English for the notices the layers below add on their own account.
#pragma once

#include <string>

#include "common/notices.h"

namespace orvanta {

// The notice as one lower-case sentence without its full stop, naming its files as they are:
// "the settings file F is damaged; the default settings are used, and saving the settings moves
// it aside".
std::string NoticeText(const Notice& notice);

}  // namespace orvanta
