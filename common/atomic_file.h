// Replacing a file in one step: the new bytes go to a temporary file beside it, which is
// flushed to disk and then renamed over the file, so that a reader (or a crash, or a full
// disk) sees either the whole old file or the whole new one, never a part.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string_view>

namespace orvanta {

enum class ReplaceStatus {
    kReplaced,
    kNotRegular,  // something other than a regular file is at the path: left as it is
    kNoSpace,     // the disk (or the user's quota, or the file size limit) is full
    kFailed,      // any other failure: no permission, no folder, a folder at the path
};

struct ReplaceOptions {
    mode_t newFileMode = 0600;  // permission bits of a new file, before the umask
    bool keepMode = false;      // a file already there passes its permission bits on
    bool followLink = true;     // a symbolic link's target is replaced; false: the link itself
};

// Writes bytes to <target>.tmp-XXXXXX (six letters or digits) in target's folder, checks every
// write, flushes and closes it, renames it over target and flushes the folder. On any failure
// the temporary file is removed and target is left as it was. The folder must exist.
ReplaceStatus ReplaceFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                                    const ReplaceOptions& options = {});

}  // namespace orvanta
