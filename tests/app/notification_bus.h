// A private session bus for the tests (Debian's dbus-daemon, started and stopped here) with a
// small notification service of the tests' own on it that records each Notify call.
#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace orvanta::testing_support {

class NotificationServer : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

  public:
    struct Call {
        QString summary;
        QString body;
        QStringList actions;
    };
    QList<Call> calls;

  public slots:
    uint Notify(const QString& /*app*/, uint /*replaces*/, const QString& /*icon*/,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& /*hints*/, int /*timeout*/) {
        calls.append({summary, body, actions});
        return static_cast<uint>(calls.size()) + 100U;  // ids 101, 102, ...
    }

  signals:
    void ActionInvoked(uint id, const QString& action);
};

// Starts the bus and points DBUS_SESSION_BUS_ADDRESS at it; must come before the process's
// first use of the session bus. Stops the bus when destroyed.
class PrivateSessionBus {
  public:
    PrivateSessionBus() {
        daemon_.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--print-address=1")});
        if (daemon_.waitForReadyRead(10000)) {
            address_ = QString::fromUtf8(daemon_.readLine()).trimmed();
            qputenv("DBUS_SESSION_BUS_ADDRESS", address_.toUtf8());
        }
    }
    ~PrivateSessionBus() {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    PrivateSessionBus(const PrivateSessionBus&) = delete;
    PrivateSessionBus& operator=(const PrivateSessionBus&) = delete;

    bool Started() const { return !address_.isEmpty(); }

    // Registers the server under the service's well-known name on a connection of its own.
    bool Serve(NotificationServer& server) {
        QDBusConnection connection =
            QDBusConnection::connectToBus(address_, QStringLiteral("notification-server"));
        return connection.registerObject(
                   QStringLiteral("/org/freedesktop/Notifications"), &server,
                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals) &&
               connection.registerService(QStringLiteral("org.freedesktop.Notifications"));
    }

  private:
    QProcess daemon_;
    QString address_;
};

}  // namespace orvanta::testing_support
