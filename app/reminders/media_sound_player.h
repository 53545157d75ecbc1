// The reminder sound through Qt Multimedia: the person's sound file or the built-in chime.
#pragma once

#include <QString>

#include "app/reminders/reminder_outputs.h"

class QAudioOutput;
class QMediaPlayer;

namespace orvanta {

// The built-in chime, made by scripts/make-chime and kept in the resources.
inline constexpr const char* kChimeUrl = "qrc:/sounds/chime.wav";

class MediaSoundPlayer final : public SoundPlayer {
    Q_OBJECT

  public:
    explicit MediaSoundPlayer(QObject* parent = nullptr);
    ~MediaSoundPlayer() override;

    // The media stack is first loaded here, so a program whose sound is off never loads it.
    // A sound that cannot be played (no audio device, no media back end, a file it cannot
    // read) is told once (problem) and nothing else happens: a reminder never waits for it.
    void Play(const QString& file, int volumePercent) override;
    void Stop() override;

  private:
    void Tell(const QString& why);

    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
    bool toldProblem_ = false;
};

}  // namespace orvanta
