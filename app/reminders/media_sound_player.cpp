#include "app/reminders/media_sound_player.h"

#include <QCoreApplication>
#include <QFile>

#include "app/system/program_module.h"
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
    if (!output_) {
        QString why;
        const auto make = reinterpret_cast<MakeSoundOutputFn>(
            ModuleFunction(QString::fromLatin1(kSoundModule), kMakeSoundOutput, why));
        if (make == nullptr) {
            Tell(why);
            return;
        }
        output_.reset(make(SoundEvents{[this](const QString& text) { Tell(text); },
                                       [this](bool playing) { emit playingChanged(playing); }}));
    }
    output_->Play(file, volumePercent);
}

void MediaSoundPlayer::Stop() {
    if (output_) {
        output_->Stop();
    }
}

}  // namespace orvanta
