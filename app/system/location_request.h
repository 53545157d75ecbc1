// One question to the desktop's location service (org.freedesktop.GeoClue2 on the system
// bus, or on the bus given): Manager.GetClient gives a client object; its DesktopId and
// RequestedAccuracyLevel are set, Start is called, and the first LocationUpdated(old, new)
// names a Location object whose Latitude and Longitude properties are read. Every call is
// asynchronous, so the window keeps answering; the client is stopped when done.
#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QTimer>

namespace orvanta {

// Why no location came.
enum class LocationFailure {
    kUnavailable,  // no bus, or no location service on it
    kRefused,      // the service or its agent denied the access (or failed otherwise)
    kTimedOut,     // no location within the time allowed
};

class LocationRequest final : public QObject {
    Q_OBJECT

  public:
    // The desktop file name the service shows the person and checks permissions against.
    static constexpr const char* kDesktopId = "org.orvanta.Orvanta";
    // The location service's accuracy levels: 4 is a city, all a city's prayer times need.
    static constexpr uint kCityAccuracy = 4;

    LocationRequest(QDBusConnection bus, QObject* parent = nullptr);
    ~LocationRequest() override;

    // Asks once; exactly one of located and failed follows, unless the object is deleted.
    void Start(int timeoutMs);

  signals:
    // Degrees NORTH and EAST positive.
    void located(double latitudeDeg, double longitudeDeg);
    void failed(orvanta::LocationFailure why);

  private slots:
    void OnLocationUpdated(const QDBusObjectPath& oldPath, const QDBusObjectPath& newPath);

  private:
    void OnClient(const QString& path);
    void CallStart();
    void Finish();
    void Fail(LocationFailure why);
    // The failure an error name stands for.
    static LocationFailure FailureOf(const QString& errorName);

    QDBusConnection bus_;
    QString clientPath_;
    QTimer timer_;
    bool done_ = false;
};

}  // namespace orvanta
