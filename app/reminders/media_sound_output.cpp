// The sound module orvanta-sound: the reminder sound through Qt Multimedia. Built as a shared
// module of its own and loaded by MediaSoundPlayer when a sound first plays, so that the media
// stack (and the sound server's client library under it) is not loaded at the program's start.
#include <QAudio>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>

#include "app/reminders/sound_module.h"

namespace orvanta {
namespace {

class MediaSoundOutput final : public SoundOutput {
  public:
    explicit MediaSoundOutput(SoundEvents events) : events_(std::move(events)) {}

    void Play(const QString& file, int volumePercent) override {
        if (QMediaDevices::audioOutputs().isEmpty()) {
            events_.problem(
                QCoreApplication::translate("orvanta::MediaSoundPlayer", "no audio output device"));
            return;
        }
        if (player_ == nullptr) {
            player_ = new QMediaPlayer(&owner_);
            output_ = new QAudioOutput(&owner_);
            player_->setAudioOutput(output_);
            QObject::connect(
                player_, &QMediaPlayer::errorOccurred, &owner_,
                [this](QMediaPlayer::Error, const QString& text) { events_.problem(text); });
            QObject::connect(player_, &QMediaPlayer::playbackStateChanged, &owner_,
                             [this](QMediaPlayer::PlaybackState state) {
                                 events_.playingChanged(state == QMediaPlayer::PlayingState);
                             });
        }
        // The volume setting is on the listener's scale; the output takes a linear factor.
        output_->setVolume(QAudio::convertVolume(static_cast<float>(volumePercent) / 100.0F,
                                                 QAudio::LogarithmicVolumeScale,
                                                 QAudio::LinearVolumeScale));
        player_->stop();
        player_->setSource(file.isEmpty() ? QUrl(QString::fromLatin1(kChimeUrl))
                                          : QUrl::fromLocalFile(file));
        player_->play();
    }

    void Stop() override {
        if (player_ != nullptr) {
            player_->stop();
        }
    }

  private:
    SoundEvents events_;
    QObject owner_;  // parent of the player and the output, which go with it
    QMediaPlayer* player_ = nullptr;
    QAudioOutput* output_ = nullptr;
};

}  // namespace
}  // namespace orvanta

extern "C" __attribute__((visibility("default"))) orvanta::SoundOutput* orvanta_make_sound_output(
    const orvanta::SoundEvents& events) {
    return new orvanta::MediaSoundOutput(events);
}
