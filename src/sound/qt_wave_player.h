#pragma once

#include "sound_backends.h"

#include <memory>
#include <utility>
#include <vector>

class QSoundEffect;

namespace piyota {

// Plays wave files through Qt Multimedia's QSoundEffect, on the thread that
// owns it (the user-interface thread). One instance serves the whole program:
// it keeps the short sounds, so that they play to their end whatever becomes
// of the control that started them. With no audio output (no sound server)
// nothing is started: QSoundEffect would then claim to play for ever.
class QtWavePlayer final : public WavePlayer {
public:
    QtWavePlayer();
    ~QtWavePlayer() override;

    void playShortSound(const QString &path) override;
    std::unique_ptr<Playback> playMusic(const QString &path) override;

private:
    QSoundEffect &shortSoundFor(const QString &path);

    // One effect per file, most recently used last, so that a sound played
    // again starts without reloading.
    std::vector<std::pair<QString, std::unique_ptr<QSoundEffect>>> shortSounds_;
};

} // namespace piyota
