// Folders that hold the user's own files.
#pragma once

#include <filesystem>

namespace orvanta {

// Creates folder and any missing parents with mode 0700 (only the user can list or enter
// them), leaving existing folders as they are. True when folder is a folder afterwards.
bool MakePrivateFolders(const std::filesystem::path& folder);

}  // namespace orvanta
