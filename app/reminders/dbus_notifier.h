// Notifications through the desktop's notification service on the session bus
// (org.freedesktop.Notifications: the Notify method, the ActionInvoked signal).
#pragma once

#include <QList>
#include <QString>

#include "app/reminders/reminder_outputs.h"

namespace orvanta {

class DBusNotifier final : public Notifier {
    Q_OBJECT

  public:
    explicit DBusNotifier(QObject* parent = nullptr);

    // Calls Notify without waiting for the answer. The session bus is first reached here, so
    // a program whose reminders are off never connects to it. No bus, a bus that was silent
    // at start (SilentSessionBus) or a failed call says so once (problem).
    void Show(const QString& summary, const QString& body, bool withStopAction) override;

  private slots:
    // The service's ActionInvoked(id, action key): the stop action of one of our notifications.
    void OnActionInvoked(uint id, const QString& action);

  private:
    void ListenForActions();
    // Emits problem with why, the first time only.
    void TellProblem(const QString& why);

    bool listening_ = false;
    bool toldProblem_ = false;
    QList<uint> ours_;  // ids of the latest notifications that carry the stop action
};

}  // namespace orvanta
