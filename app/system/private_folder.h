// Folders that only this user may enter, for files another local user must not be able to
// replace or listen on (the single-copy socket and its lock).
#pragma once

#include <optional>

#include <QString>

namespace orvanta {

// Nothing when folder is a directory itself (not a link to one), owned by the effective user,
// with mode 0700; otherwise why it is not, as a phrase that starts with the folder's name.
std::optional<QString> PrivateFolderProblem(const QString& folder);

// <tempFolder>/orvanta-<effective user id>, created with mode 0700 when missing. A folder of
// that name that is already there is left as it is: PrivateFolderProblem says whether it will
// do.
QString UserTempFolder(const QString& tempFolder);

}  // namespace orvanta
