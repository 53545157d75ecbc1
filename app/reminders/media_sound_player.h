// The reminder sound: the person's sound file or the built-in chime, played by the sound module
// (sound_module.h), which is loaded when a sound first plays.
#pragma once

#include <QString>

#include <memory>

#include "app/reminders/reminder_outputs.h"
#include "app/reminders/sound_module.h"

namespace orvanta {

class MediaSoundPlayer final : public SoundPlayer {
    Q_OBJECT

  public:
    explicit MediaSoundPlayer(QObject* parent = nullptr);
    ~MediaSoundPlayer() override;

    // The sound module and the media stack are first loaded here, so a program whose sound is
    // off never loads them. A sound that cannot be played (no sound module, no audio device,
    // no media back end, a file it cannot read) is told once (problem) and nothing else
    // happens: a reminder never waits for it.
    void Play(const QString& file, int volumePercent) override;
    void Stop() override;

  private:
    void Tell(const QString& why);

    std::unique_ptr<SoundOutput> output_;
    bool toldProblem_ = false;
};

}  // namespace orvanta
