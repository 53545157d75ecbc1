#include "common/private_folder.h"

#include <sys/stat.h>

#include <cerrno>

namespace orvanta {

bool MakePrivateFolders(const std::filesystem::path& folder) {
    if (folder.empty()) {
        return false;
    }
    std::filesystem::path partial;
    for (const std::filesystem::path& part : folder) {
        partial /= part;
        if (::mkdir(partial.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace orvanta
