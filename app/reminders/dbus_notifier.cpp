#include "app/reminders/dbus_notifier.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

#include "app/system/session_bus_guard.h"

namespace orvanta {
namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kInterface = QStringLiteral("org.freedesktop.Notifications");
const QString kStopAction = QStringLiteral("stop-sound");
constexpr qsizetype kRememberedIds = 16;

}  // namespace

DBusNotifier::DBusNotifier(QObject* parent) : Notifier(parent) {}

void DBusNotifier::ListenForActions() {
    if (!listening_) {
        listening_ = QDBusConnection::sessionBus().connect(kService, kPath, kInterface,
                                                           QStringLiteral("ActionInvoked"), this,
                                                           SLOT(OnActionInvoked(uint, QString)));
    }
}

void DBusNotifier::TellProblem(const QString& why) {
    if (!toldProblem_) {
        toldProblem_ = true;
        emit problem(QCoreApplication::translate(
                         "orvanta::DBusNotifier",
                         "the desktop's notification service cannot be reached (%1); "
                         "reminders cannot be shown")
                         .arg(why));
    }
}

void DBusNotifier::Show(const QString& summary, const QString& body, bool withStopAction) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Without a bus a call is never answered, not even with an error: say so here.
    if (const QString silent = SilentSessionBus(); !silent.isEmpty()) {
        TellProblem(QCoreApplication::translate("orvanta::DBusNotifier",
                                                "the session bus at %1 did not answer")
                        .arg(silent));
        return;
    }
    if (!bus.isConnected()) {
        TellProblem(bus.lastError().message());
        return;
    }
    ListenForActions();
    QStringList actions;
    if (withStopAction) {
        actions << kStopAction
                << QCoreApplication::translate("orvanta::DBusNotifier", "Stop sound");
    }
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("orvanta")},
                            {QStringLiteral("category"), QStringLiteral("x-orvanta.reminder")}};
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kInterface, QStringLiteral("Notify"));
    // app_name, replaces_id (0: a new one), app_icon, summary, body, actions (key, label
    // pairs), hints, expire_timeout (-1: the server's default).
    call << QStringLiteral("Orvanta") << uint{0} << QStringLiteral("orvanta") << summary << body
         << actions << hints << int{-1};
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, withStopAction](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<uint> reply = *finished;
                finished->deleteLater();
                if (reply.isError()) {
                    TellProblem(reply.error().message());
                    return;
                }
                if (withStopAction) {
                    ours_.append(reply.value());
                    if (ours_.size() > kRememberedIds) {
                        ours_.removeFirst();
                    }
                }
            });
}

void DBusNotifier::OnActionInvoked(uint id, const QString& action) {
    if (action == kStopAction && ours_.contains(id)) {
        emit stopRequested();
    }
}

}  // namespace orvanta
