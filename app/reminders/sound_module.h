// What the sound module orvanta-sound (media_sound_output.cpp, the only code that links Qt
// Multimedia) offers the program: one function that makes a sound output. Plain C++ across the
// boundary, so that the module needs none of the program's own code.
#pragma once

#include <QString>

#include <functional>

namespace orvanta {

class SoundOutput {
  public:
    virtual ~SoundOutput() = default;
    // As SoundPlayer::Play, for a file already checked (empty: the built-in chime, kChimeUrl).
    virtual void Play(const QString& file, int volumePercent) = 0;
    virtual void Stop() = 0;
};

// What the output tells, as the SoundPlayer signals of the same names.
struct SoundEvents {
    std::function<void(const QString& why)> problem;
    std::function<void(bool playing)> playingChanged;
};

// The module's factory, exported unmangled as kMakeSoundOutput: a new output, owned by the
// caller, which reports through events.
using MakeSoundOutputFn = SoundOutput* (*)(const SoundEvents& events);
inline constexpr const char* kMakeSoundOutput = "orvanta_make_sound_output";
inline constexpr const char* kSoundModule = "orvanta-sound";

// The built-in chime, made by scripts/make-chime and kept in the program's resources.
inline constexpr const char* kChimeUrl = "qrc:/sounds/chime.wav";

}  // namespace orvanta
