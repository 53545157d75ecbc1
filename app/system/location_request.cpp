#include "app/system/location_request.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QVariantMap>

namespace orvanta {
namespace {

const QString kService = QStringLiteral("org.freedesktop.GeoClue2");
const QString kManagerPath = QStringLiteral("/org/freedesktop/GeoClue2/Manager");
const QString kManager = QStringLiteral("org.freedesktop.GeoClue2.Manager");
const QString kClient = QStringLiteral("org.freedesktop.GeoClue2.Client");
const QString kLocation = QStringLiteral("org.freedesktop.GeoClue2.Location");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

}  // namespace

LocationRequest::LocationRequest(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Fail(LocationFailure::kTimedOut); });
}

LocationRequest::~LocationRequest() {
    Finish();
}

LocationFailure LocationRequest::FailureOf(const QString& errorName) {
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.Disconnected") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.UnknownObject") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.UnknownMethod")) {
        return LocationFailure::kUnavailable;
    }
    if (errorName == QLatin1String("org.freedesktop.DBus.Error.NoReply") ||
        errorName == QLatin1String("org.freedesktop.DBus.Error.Timeout")) {
        return LocationFailure::kTimedOut;
    }
    return LocationFailure::kRefused;  // AccessDenied, and a service that fails otherwise
}

void LocationRequest::Start(int timeoutMs) {
    if (!bus_.isConnected()) {
        Fail(LocationFailure::kUnavailable);
        return;
    }
    timer_.start(timeoutMs);
    const QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kManager,
                                                             QStringLiteral("GetClient"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, timeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<QDBusObjectPath> reply = *finished;
                finished->deleteLater();
                if (reply.isError()) {
                    Fail(FailureOf(reply.error().name()));
                    return;
                }
                OnClient(reply.value().path());
            });
}

// Sets the client's two properties (the calls are ordered on the bus), listens for its
// location and starts it.
void LocationRequest::OnClient(const QString& path) {
    if (done_) {
        return;
    }
    clientPath_ = path;
    const auto set = [this](const QString& name, const QVariant& value) {
        QDBusMessage call = QDBusMessage::createMethodCall(kService, clientPath_, kProperties,
                                                           QStringLiteral("Set"));
        call << kClient << name << QVariant::fromValue(QDBusVariant(value));
        bus_.asyncCall(call);
    };
    set(QStringLiteral("DesktopId"), QString::fromLatin1(kDesktopId));
    set(QStringLiteral("RequestedAccuracyLevel"), QVariant::fromValue(kCityAccuracy));
    bus_.connect(kService, clientPath_, kClient, QStringLiteral("LocationUpdated"), this,
                 SLOT(OnLocationUpdated(QDBusObjectPath, QDBusObjectPath)));
    CallStart();
}

void LocationRequest::CallStart() {
    const QDBusMessage call =
        QDBusMessage::createMethodCall(kService, clientPath_, kClient, QStringLiteral("Start"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<> reply = *finished;
                finished->deleteLater();
                if (reply.isError()) {
                    Fail(FailureOf(reply.error().name()));
                }
            });
}

void LocationRequest::OnLocationUpdated(const QDBusObjectPath& /*oldPath*/,
                                        const QDBusObjectPath& newPath) {
    if (done_) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, newPath.path(), kProperties,
                                                       QStringLiteral("GetAll"));
    call << kLocation;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* finished) {
                const QDBusPendingReply<QVariantMap> reply = *finished;
                finished->deleteLater();
                if (done_) {
                    return;
                }
                if (reply.isError()) {
                    Fail(FailureOf(reply.error().name()));
                    return;
                }
                bool latOk = false;
                bool lonOk = false;
                const double lat = reply.value().value(QStringLiteral("Latitude")).toDouble(&latOk);
                const double lon =
                    reply.value().value(QStringLiteral("Longitude")).toDouble(&lonOk);
                if (!latOk || !lonOk || !(lat >= -90.0 && lat <= 90.0) ||
                    !(lon >= -180.0 && lon <= 180.0)) {
                    Fail(LocationFailure::kRefused);  // no usable position
                    return;
                }
                Finish();
                emit located(lat, lon);
            });
}

// Stops listening and the client (without waiting for the answer); once only.
void LocationRequest::Finish() {
    if (done_) {
        return;
    }
    done_ = true;
    timer_.stop();
    if (!clientPath_.isEmpty()) {
        bus_.disconnect(kService, clientPath_, kClient, QStringLiteral("LocationUpdated"), this,
                        SLOT(OnLocationUpdated(QDBusObjectPath, QDBusObjectPath)));
        bus_.asyncCall(
            QDBusMessage::createMethodCall(kService, clientPath_, kClient, QStringLiteral("Stop")));
    }
}

void LocationRequest::Fail(LocationFailure why) {
    if (done_) {
        return;
    }
    Finish();
    emit failed(why);
}

}  // namespace orvanta
