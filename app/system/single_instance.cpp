#include "app/system/single_instance.h"

#include <QByteArray>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <optional>
#include <utility>

#include "app/system/private_folder.h"

namespace orvanta {
namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kWriteTimeoutMs = 2000;
constexpr int kLockTimeoutMs = 10000;
constexpr qint64 kMaxRequestBytes = 64;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");

}  // namespace

SingleInstance::SingleInstance(const QString& className, const QString& title, QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)) {
    Place place = FindPlace(className, title);
    path_ = std::move(place.path);
    problem_ = std::move(place.problem);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
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

    QLocalSocket probe;
    probe.connectToServer(path_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
        probe.write(kRaiseRequest);
        probe.waitForBytesWritten(kWriteTimeoutMs);
        probe.disconnectFromServer();
        return Claim::kAlreadyRunning;
    }
    // Nobody answers: whatever socket file is there was left by a copy that ended.
    QLocalServer::removeServer(path_);
    const bool listening = server_->listen(path_);
    if (locked) {
        lock.unlock();
    }
    if (!listening) {
        problem_ = QStringLiteral("cannot listen at '%1': %2").arg(path_, server_->errorString());
    } else if (!locked) {
        problem_ = QStringLiteral("cannot lock '%1.lock'").arg(path_);
    }
    return listening && locked ? Claim::kFirst : Claim::kUnguarded;
}

void SingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            const QByteArray request = socket->read(kMaxRequestBytes);
            if (request.startsWith(kRaiseRequest.trimmed())) {
                emit raiseRequested();
            }
            socket->disconnectFromServer();
        });
    }
}

}  // namespace orvanta
