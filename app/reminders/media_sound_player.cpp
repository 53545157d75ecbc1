#include "app/reminders/media_sound_player.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

#include "common/regular_file.h"

// The chime is compiled into the program's static library, whose resources are registered
// only when asked; Q_INIT_RESOURCE declares a function of the global namespace.
static void InitSoundsQrc() {
    Q_INIT_RESOURCE(sounds);
}

namespace orvanta {

MediaSoundPlayer::MediaSoundPlayer(QObject* parent) : SoundPlayer(parent) {
    InitSoundsQrc();
}

MediaSoundPlayer::~MediaSoundPlayer() = default;

void MediaSoundPlayer::Tell(const QString& why) {
    if (!toldProblem_) {
        toldProblem_ = true;
        emit problem(QCoreApplication::translate("orvanta::MediaSoundPlayer",
                                                 "cannot play the reminder sound (%1); reminders "
                                                 "come without sound")
                         .arg(why));
    }
}

void MediaSoundPlayer::Play(const QString& file, int volumePercent) {
    // A FIFO or device would be opened by the media stack and waited on for ever, in silence.
    if (!file.isEmpty() &&
        CheckRegularFile(QFile::encodeName(file).toStdString()) == FileKind::kNotRegular) {
        Tell(QCoreApplication::translate("orvanta::MediaSoundPlayer", "%1 is not a regular file")
                 .arg(file));
        Stop();
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) {
        Tell(QCoreApplication::translate("orvanta::MediaSoundPlayer", "no audio output device"));
        return;
    }
    if (player_ == nullptr) {
        player_ = new QMediaPlayer(this);
        output_ = new QAudioOutput(this);
        player_->setAudioOutput(output_);
        connect(player_, &QMediaPlayer::errorOccurred, this,
                [this](QMediaPlayer::Error, const QString& text) { Tell(text); });
        connect(player_, &QMediaPlayer::playbackStateChanged, this,
                [this](QMediaPlayer::PlaybackState state) {
                    emit playingChanged(state == QMediaPlayer::PlayingState);
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

void MediaSoundPlayer::Stop() {
    if (player_ != nullptr) {
        player_->stop();
    }
}

}  // namespace orvanta
