// One running copy per user: the first copy listens on a local socket named from the window's
// class name and title; a later copy asks it to come forward and ends.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace orvanta {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    enum class Claim {
        kFirst,           // no other copy answered; this copy now listens
        kAlreadyRunning,  // a running copy answered and was asked to come forward
        kUnguarded,       // the socket could not be set up; this copy runs on its own
    };

    // The socket lives at ServerPath(className, title).
    SingleInstance(const QString& className, const QString& title, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides, under a lock file that keeps two copies started at the same moment apart,
    // whether another copy runs. A socket left behind by a copy that crashed does not answer
    // and is replaced. Call once.
    Claim ClaimOrSignal();

    // <per-user runtime folder>/orvanta-<className>-<title>; the runtime folder is
    // $XDG_RUNTIME_DIR (only the user may enter it) or Qt's private fallback for it.
    static QString ServerPath(const QString& className, const QString& title);

  signals:
    // Another copy started and asked this one to come forward.
    void raiseRequested();

  private:
    void OnNewConnection();

    QString path_;
    QLocalServer* server_;
};

}  // namespace orvanta
