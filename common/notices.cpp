#include "common/notices.h"

#include <algorithm>

namespace orvanta {

void NoticeList::Add(std::string text) {
    if (std::find(added_.begin(), added_.end(), text) == added_.end()) {
        added_.push_back(std::move(text));
    }
}

std::vector<std::string> NoticeList::Take() {
    std::vector<std::string> fresh(added_.begin() + static_cast<std::ptrdiff_t>(taken_),
                                   added_.end());
    taken_ = added_.size();
    return fresh;
}

std::string MovedAsideNotice(const std::string& file, const std::string& movedTo,
                             const std::string& consequence) {
    return file + " was damaged and has been moved to " + movedTo + "; " + consequence;
}

}  // namespace orvanta
