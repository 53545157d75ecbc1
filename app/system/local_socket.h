// The single-copy socket on the system's Unix-domain stream sockets, watched by the event loop
// (QSocketNotifier): a listener that hands each connection's first bytes to a function, and a
// one-shot sender. Plain system calls rather than Qt Network, whose load at the start (with the
// Kerberos and proxy libraries under it) would cost more than the window's own set-up.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <set>

class QSocketNotifier;

namespace orvanta {

class LocalListener final : public QObject {
  public:
    // received: the first bytes (at most maxBytes) a client sends, once per connection.
    LocalListener(qsizetype maxBytes, std::function<void(const QByteArray&)> received,
                  QObject* parent = nullptr);
    // Stops listening and removes the socket file.
    ~LocalListener() override;
    LocalListener(const LocalListener&) = delete;
    LocalListener& operator=(const LocalListener&) = delete;

    // Binds a socket at path (which must not exist; its folder should be the user's own) with
    // mode 0700 and listens. False with problem set (the system's words) when it cannot.
    bool Listen(const QString& path, QString& problem);

  private:
    void Accept();
    void Read(int connection, QSocketNotifier* notifier);

    qsizetype maxBytes_;
    std::function<void(const QByteArray&)> received_;
    int fd_ = -1;
    QString path_;
    std::set<int> connections_;  // accepted and not yet read
};

// Connects to the socket at path, waiting at most timeoutMs for the connection and as long
// again for the write, and sends bytes. True when a listener took the connection (whether or
// not it then read the bytes); false when nobody listens there.
bool SendToLocalSocket(const QString& path, const QByteArray& bytes, int timeoutMs);

}  // namespace orvanta
