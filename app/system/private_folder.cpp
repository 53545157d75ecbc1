#include "app/system/private_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

namespace orvanta {
namespace {

constexpr mode_t kPrivateMode = 0700;
constexpr mode_t kPermissionBits = 07777;

}  // namespace

std::optional<QString> PrivateFolderProblem(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    struct stat status {};
    if (folder.isEmpty() || ::lstat(path.constData(), &status) != 0) {
        const int error = folder.isEmpty() ? ENOENT : errno;
        return QStringLiteral("'%1' cannot be used: %2")
            .arg(folder, QString::fromLocal8Bit(std::strerror(error)));
    }
    if (S_ISLNK(status.st_mode)) {
        return QStringLiteral("'%1' is a symbolic link").arg(folder);
    }
    if (!S_ISDIR(status.st_mode)) {
        return QStringLiteral("'%1' is not a folder").arg(folder);
    }
    if (status.st_uid != ::geteuid()) {
        return QStringLiteral("'%1' belongs to user %2, not to user %3")
            .arg(folder)
            .arg(status.st_uid)
            .arg(::geteuid());
    }
    const mode_t mode = status.st_mode & kPermissionBits;
    if (mode != kPrivateMode) {
        return QStringLiteral("'%1' has mode %2, not 0700")
            .arg(folder, QStringLiteral("0%1").arg(mode, 3, 8, QLatin1Char('0')));
    }
    return std::nullopt;
}

QString UserTempFolder(const QString& tempFolder) {
    const QString folder = QDir(tempFolder).filePath(QStringLiteral("orvanta-%1").arg(::geteuid()));
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), kPrivateMode) == 0) {
        // The umask may have taken bits away; only the owner needs any.
        (void)::chmod(path.constData(), kPrivateMode);
    }
    return folder;
}

}  // namespace orvanta
