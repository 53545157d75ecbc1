// Where a reminder goes: a desktop notification and a sound. Small interfaces, so that the
// scheduler can be driven by tests; the real ones are the session bus's notification service
// (DBusNotifier) and Qt Multimedia (MediaSoundPlayer).
#pragma once

#include <QObject>
#include <QString>

namespace orvanta {

class Notifier : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    // Shows a notification without waiting for it; withStopAction adds an action that stops
    // the sound (stopRequested).
    virtual void Show(const QString& summary, const QString& body, bool withStopAction) = 0;

  signals:
    // The person chose the notification's action that stops the sound.
    void stopRequested();
    // Notifications cannot be shown; text says why (a sentence without a final full stop).
    void problem(const QString& text);
};

class SoundPlayer : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;
    // Plays a sound file once (empty: the built-in chime) at volumePercent (0 .. 100 on the
    // listener's scale) without waiting for it, replacing a sound still playing.
    virtual void Play(const QString& file, int volumePercent) = 0;
    // Stops the sound; nothing when none plays.
    virtual void Stop() = 0;

  signals:
    // The sound cannot be played; text says why (a sentence without a final full stop).
    void problem(const QString& text);
    // A sound started (true) or ended, was stopped or failed (false).
    void playingChanged(bool playing);
};

}  // namespace orvanta
