// The desktop's font configuration read on a thread of its own at start. Qt reads it before the
// window's first text is laid out (some 10 ms here: dozens of configuration files and every
// font folder's cache); begun at the top of main, that reading overlaps the connection to the
// display and the loading of Qt's plugins, which need no fonts.
#pragma once

#include <thread>

namespace orvanta {

class FontConfigurationPreload {
  public:
    // Starts the reading; when no thread can be started, Qt reads the configuration itself
    // later, as it always can.
    FontConfigurationPreload();
    // Waits for the reading to end, so that no thread of the program is left in the font
    // library while the program ends.
    ~FontConfigurationPreload();

    FontConfigurationPreload(const FontConfigurationPreload&) = delete;
    FontConfigurationPreload& operator=(const FontConfigurationPreload&) = delete;

  private:
    std::thread reader_;
};

}  // namespace orvanta
