#include "app/system/local_socket.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <utility>

namespace orvanta {
namespace {

// The socket address of path; false when the path does not fit sun_path (108 bytes with its
// terminating zero).
bool Address(const QString& path, sockaddr_un& address) {
    const QByteArray name = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (name.isEmpty() || static_cast<std::size_t>(name.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
    return true;
}

QString SystemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

LocalListener::LocalListener(qsizetype maxBytes, std::function<void(const QByteArray&)> received,
                             QObject* parent)
    : QObject(parent), maxBytes_(maxBytes), received_(std::move(received)) {}

LocalListener::~LocalListener() {
    for (const int connection : connections_) {
        ::close(connection);
    }
    if (fd_ >= 0) {
        ::close(fd_);
        ::unlink(QFile::encodeName(path_).constData());
    }
}

bool LocalListener::Listen(const QString& path, QString& problem) {
    sockaddr_un address{};
    if (!Address(path, address)) {
        problem = QStringLiteral("the path is too long for a socket");
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        problem = SystemError(errno);
        return false;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::chmod(address.sun_path, S_IRWXU) != 0 || ::listen(fd, SOMAXCONN) != 0) {
        problem = SystemError(errno);
        ::close(fd);
        return false;
    }
    fd_ = fd;
    path_ = path;
    auto* notifier = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &LocalListener::Accept);
    return true;
}

void LocalListener::Accept() {
    for (;;) {
        const int connection = ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (connection < 0) {
            return;  // none waiting (EAGAIN), or a client that gave up meanwhile
        }
        connections_.insert(connection);
        auto* notifier = new QSocketNotifier(connection, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this,
                [this, connection, notifier] { Read(connection, notifier); });
    }
}

void LocalListener::Read(int connection, QSocketNotifier* notifier) {
    QByteArray bytes(maxBytes_, '\0');
    const ssize_t got = ::read(connection, bytes.data(), static_cast<std::size_t>(maxBytes_));
    if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
        return;  // woken without data: wait for it
    }
    notifier->setEnabled(false);
    notifier->deleteLater();
    connections_.erase(connection);
    ::close(connection);
    if (got > 0) {
        bytes.truncate(got);
        received_(bytes);
    }
}

bool SendToLocalSocket(const QString& path, const QByteArray& bytes, int timeoutMs) {
    sockaddr_un address{};
    if (!Address(path, address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return false;
    }
    // A listener whose queue is full makes connect wait; the send timeout bounds that wait.
    const timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (connected) {
        // A listener that does not read takes these few bytes into its buffer all the same.
        static_cast<void>(
            ::send(fd, bytes.constData(), static_cast<std::size_t>(bytes.size()), MSG_NOSIGNAL));
    }
    ::close(fd);
    return connected;
}

}  // namespace orvanta
