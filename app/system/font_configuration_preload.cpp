#include "app/system/font_configuration_preload.h"

#include <fontconfig/fontconfig.h>

#include <system_error>

namespace orvanta {

FontConfigurationPreload::FontConfigurationPreload() {
    try {
        // FcInit loads the default configuration and the font caches into the library's
        // current configuration, which Qt then finds loaded. The library (2.11 and later) makes
        // that first load safe from any thread: should Qt ask while this one is still
        // reading, one of the two configurations is kept and the other freed.
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // No thread to spare (a process or memory limit): nothing is lost but the overlap.
    }
}

FontConfigurationPreload::~FontConfigurationPreload() {
    if (reader_.joinable()) {
        reader_.join();
    }
}

}  // namespace orvanta
