#include "common/notices.h"

#include <algorithm>

namespace orvanta {

void NoticeList::Add(Notice notice) {
    if (std::find(added_.begin(), added_.end(), notice) == added_.end()) {
        added_.push_back(std::move(notice));
    }
}

std::vector<Notice> NoticeList::Take() {
    std::vector<Notice> fresh(added_.begin() + static_cast<std::ptrdiff_t>(taken_), added_.end());
    taken_ = added_.size();
    return fresh;
}

}  // namespace orvanta
