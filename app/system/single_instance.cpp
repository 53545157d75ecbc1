#include "app/system/single_instance.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <optional>
#include <utility>

#include "app/system/private_folder.h"

namespace orvanta {
namespace {

constexpr int kConnectTimeoutMs = 2000;  // and as long for the request's write
constexpr int kLockTimeoutMs = 10000;
constexpr qint64 kMaxRequestBytes = 64;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");

}  // namespace

SingleInstance::SingleInstance(const QString& className, const QString& title, QObject* parent)
    : QObject(parent),
      listener_(new LocalListener(
          kMaxRequestBytes,
          [this](const QByteArray& request) {
              if (request.startsWith(kRaiseRequest.trimmed())) {
                  emit raiseRequested();
              }
          },
          this)) {
    Place place = FindPlace(className, title);
    path_ = std::move(place.path);
    problem_ = std::move(place.problem);
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Place SingleInstance::FindPlace(const QString& className, const QString& title) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = UserTempFolder(QDir::tempPath());
    }
    if (std::optional<QString> problem = PrivateFolderProblem(folder)) {
        return {QString(), *problem};
    }
    return {QDir(folder).filePath(QStringLiteral("orvanta-%1-%2").arg(className, title)),
            QString()};
}

QString SingleInstance::ServerPath(const QString& className, const QString& title) {
    return FindPlace(className, title).path;
}

SingleInstance::Claim SingleInstance::ClaimOrSignal() {
    if (path_.isEmpty()) {
        return Claim::kUnguarded;
    }
    // Held from the question "does a copy run?" until this copy listens, so that of two copies
    // started together the second asks only after the first answers.
    QLockFile lock(path_ + QStringLiteral(".lock"));
    const bool locked = lock.tryLock(kLockTimeoutMs);

    if (SendToLocalSocket(path_, kRaiseRequest, kConnectTimeoutMs)) {
        return Claim::kAlreadyRunning;
    }
    // Nobody answers: whatever socket file is there was left by a copy that ended.
    QFile::remove(path_);
    QString why;
    const bool listening = listener_->Listen(path_, why);
    if (locked) {
        lock.unlock();
    }
    if (!listening) {
        problem_ = QStringLiteral("cannot listen at '%1': %2").arg(path_, why);
    } else if (!locked) {
        problem_ = QStringLiteral("cannot lock '%1.lock'").arg(path_);
    }
    return listening && locked ? Claim::kFirst : Claim::kUnguarded;
}

}  // namespace orvanta
