// One running copy per user: the first copy listens on a local socket named from the window's
// class name and title, in a folder only the user may enter; a later copy asks it to come
// forward and ends.
#pragma once

#include <QObject>
#include <QString>

#include "app/system/local_socket.h"

namespace orvanta {

class SingleInstance : public QObject {
    Q_OBJECT

  public:
    enum class Claim {
        kFirst,           // no other copy answered; this copy now listens
        kAlreadyRunning,  // a running copy answered and was asked to come forward
        kUnguarded,       // the socket could not be set up; this copy runs on its own
    };

    // Where the socket lives, or why it cannot live anywhere safe.
    struct Place {
        QString path;     // empty when there is no safe folder
        QString problem;  // why not, when path is empty
    };

    // The socket lives at ServerPath(className, title).
    SingleInstance(const QString& className, const QString& title, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Decides, under a lock file that keeps two copies started at the same moment apart,
    // whether another copy runs. A socket left behind by a copy that crashed does not answer
    // and is replaced. Without a safe folder nothing is created or asked: kUnguarded. Call once.
    Claim ClaimOrSignal();

    // After kUnguarded: why, as a phrase for a message.
    const QString& Problem() const { return problem_; }

    // <folder>/orvanta-<className>-<title>. The folder is the per-user runtime folder
    // ($XDG_RUNTIME_DIR, or Qt's private fallback for it); when neither can be used,
    // <temporary folder>/orvanta-<user id>, created with mode 0700. Whichever it is must be a
    // folder of the user's own with mode 0700 (see PrivateFolderProblem), else there is no
    // place: the shared temporary folder is open to every local user, who could listen there
    // first.
    static Place FindPlace(const QString& className, const QString& title);
    // FindPlace(...).path: empty when there is no safe place.
    static QString ServerPath(const QString& className, const QString& title);

  signals:
    // Another copy started and asked this one to come forward.
    void raiseRequested();

  private:
    QString path_;
    QString problem_;
    LocalListener* listener_;
};

}  // namespace orvanta
