// What the program tells the user once about something it did on its own account: a damaged
// file moved aside, a file that is not what it should be left alone. The layers below the user
// interface add typed notices (a kind and the files it names) to a list they are given; only
// the front ends word them: the command line on standard error in its own English, the window
// in its language, in one message box once it is on screen.
#pragma once

#include <string>
#include <vector>

namespace orvanta {

enum class NoticeKind {
    kSettingsMovedAside,      // the settings file (file) could not be parsed and was moved to
                              // movedTo by a save; the settings went into a new file
    kSettingsUnreadable,      // file is not a regular file or cannot be read; defaults in use,
                              // the file is left as it is
    kSettingsDamaged,         // file cannot be parsed; defaults in use until a save moves it aside
    kSettingsTooLarge,        // file is over 16 MiB; defaults in use, the file is left as it is
    kUserDatabaseMovedAside,  // the user's city database (file) was damaged and moved to movedTo
    kUserDatabaseNotRegular,  // something other than a regular file sits at file; left alone
    kWorded,                  // text, already worded by the front end that added it
};

struct Notice {
    NoticeKind kind = NoticeKind::kWorded;
    std::string file;     // the file as the user knows it (the settings file's shown name)
    std::string movedTo;  // the kinds ...MovedAside: where the file went
    std::string text;     // kWorded: the front end's own sentence, lower case, no full stop

    bool operator==(const Notice&) const = default;
};

class NoticeList {
  public:
    // Keeps notice unless the same one was added before: a condition met again later in the
    // same run is told only once.
    void Add(Notice notice);

    // The notices added since the last call, oldest first.
    std::vector<Notice> Take();

  private:
    std::vector<Notice> added_;
    std::size_t taken_ = 0;
};

}  // namespace orvanta
