// "Use my location" against a small location service of the tests' own on a private bus
// (a real dbus-daemon): it answers, is absent, refuses, or never sends a location.
#include <gtest/gtest.h>

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusError>
#include <QDBusObjectPath>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/system/location_request.h"
#include "notification_bus.h"

namespace orvanta {
namespace {

enum class Mode { kWorks, kRefuses, kSilent };

class FakeManager : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Manager")
  public:
    Mode mode = Mode::kWorks;
  public slots:
    QDBusObjectPath GetClient() {
        if (mode == Mode::kRefuses) {
            sendErrorReply(QDBusError::AccessDenied, QStringLiteral("not allowed"));
            return {};
        }
        return QDBusObjectPath(QStringLiteral("/org/freedesktop/GeoClue2/Client/1"));
    }
};

class FakeClient : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Client")
    Q_PROPERTY(QString DesktopId MEMBER desktopId)
    Q_PROPERTY(uint RequestedAccuracyLevel MEMBER accuracy)
  public:
    Mode mode = Mode::kWorks;
    QString desktopId;
    uint accuracy = 0;
    bool stopped = false;
  public slots:
    void Start() {
        if (mode == Mode::kWorks) {
            QTimer::singleShot(10, this, [this] {
                emit LocationUpdated(
                    QDBusObjectPath(QStringLiteral("/")),
                    QDBusObjectPath(QStringLiteral("/org/freedesktop/GeoClue2/Location/1")));
            });
        }
    }
    void Stop() { stopped = true; }
  signals:
    void LocationUpdated(const QDBusObjectPath& oldPath, const QDBusObjectPath& newPath);
};

class FakeLocation : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.GeoClue2.Location")
    Q_PROPERTY(double Latitude MEMBER latitude)
    Q_PROPERTY(double Longitude MEMBER longitude)
  public:
    double latitude = 21.4225;
    double longitude = 39.8262;
};

struct Row {
    const char* name;
    bool served;
    Mode mode;
    std::optional<LocationFailure> failure;  // nothing: located
};

constexpr int kTimeoutMs = 300;

TEST(LocationRequest, WorksAbsentRefusesTimesOut) {
    testing_support::PrivateSessionBus bus;
    ASSERT_TRUE(bus.Started());
    const QString address = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    const Row rows[] = {
        {"works", true, Mode::kWorks, std::nullopt},
        {"absent", false, Mode::kWorks, LocationFailure::kUnavailable},
        {"refuses", true, Mode::kRefuses, LocationFailure::kRefused},
        {"times out", true, Mode::kSilent, LocationFailure::kTimedOut},
    };
    int n = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const QString suffix = QString::number(++n);
        FakeManager manager;
        FakeClient client;
        FakeLocation location;
        manager.mode = client.mode = row.mode;
        QDBusConnection service =
            QDBusConnection::connectToBus(address, QStringLiteral("service") + suffix);
        const auto all = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                         QDBusConnection::ExportAllProperties;
        if (row.served) {
            ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/GeoClue2/Manager"),
                                               &manager, all));
            ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/GeoClue2/Client/1"),
                                               &client, all));
            ASSERT_TRUE(service.registerObject(
                QStringLiteral("/org/freedesktop/GeoClue2/Location/1"), &location, all));
            ASSERT_TRUE(service.registerService(QStringLiteral("org.freedesktop.GeoClue2")));
        }
        LocationRequest request(
            QDBusConnection::connectToBus(address, QStringLiteral("client") + suffix));
        QSignalSpy located(&request, &LocationRequest::located);
        QSignalSpy failed(&request, &LocationRequest::failed);
        request.Start(kTimeoutMs);
        EXPECT_TRUE(QTest::qWaitFor([&] { return located.count() + failed.count() > 0; }, 3000));
        if (row.failure) {
            ASSERT_EQ(failed.count(), 1);
            EXPECT_EQ(failed.at(0).at(0).value<LocationFailure>(), *row.failure);
            EXPECT_EQ(located.count(), 0);
        } else {
            ASSERT_EQ(located.count(), 1);
            EXPECT_DOUBLE_EQ(located.at(0).at(0).toDouble(), 21.4225);
            EXPECT_DOUBLE_EQ(located.at(0).at(1).toDouble(), 39.8262);
            EXPECT_EQ(client.desktopId, QStringLiteral("org.orvanta.Orvanta"));
            EXPECT_EQ(client.accuracy, LocationRequest::kCityAccuracy);
            EXPECT_TRUE(QTest::qWaitFor([&client] { return client.stopped; }, 3000));
        }
        service.unregisterService(QStringLiteral("org.freedesktop.GeoClue2"));
        QDBusConnection::disconnectFromBus(QStringLiteral("service") + suffix);
    }
}

}  // namespace
}  // namespace orvanta

#include "location_test.moc"
