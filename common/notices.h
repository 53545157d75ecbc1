// What the program tells the user once about something it did on its own account: a damaged
// file moved aside, a file that is not what it should be left alone. The layers below the user
// interface add notices to a list they are given; the command line writes each on standard
// error, the window shows them in one message box once it is on screen.
#pragma once

#include <string>
#include <vector>

namespace orvanta {

class NoticeList {
  public:
    // Keeps text (a lower-case sentence without a final full stop) unless the same text was
    // added before: a condition met again later in the same run is told only once.
    void Add(std::string text);

    // The notices added since the last call, oldest first.
    std::vector<std::string> Take();

  private:
    std::vector<std::string> added_;
    std::size_t taken_ = 0;
};

// The sentence of a damaged file moved aside: "<file> was damaged and has been moved to
// <movedTo>; <consequence>".
std::string MovedAsideNotice(const std::string& file, const std::string& movedTo,
                             const std::string& consequence);

}  // namespace orvanta
