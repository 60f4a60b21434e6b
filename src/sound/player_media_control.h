// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media_control.h"
#include "media_file.h"
#include "sound_backends.h"

#include <memory>

namespace piyota {

// A screen's media control over the wave and MIDI players. Every cue ends the
// music the control plays. An effect or an answer then plays its wave file
// once as a short sound, which plays on to its end whatever becomes of the
// control (a file of another kind stays silent); a song plays its file (MIDI,
// RMID or a wave) once from its beginning as the control's music, which ends
// with the control. Files are named relative to the working directory. The
// control keeps only weak links to the players: once they are gone it is
// silent.
class PlayerMediaControl final : public MediaControl {
public:
    PlayerMediaControl(std::weak_ptr<WavePlayer> wavePlayer, std::weak_ptr<MidiPlayer> midiPlayer);

    void play(const SoundCue &cue) override;

private:
    void start(const cue::Effect &effect);
    void start(const cue::Answer &answer);
    void start(const cue::Song &song);
    void start(const cue::Stop &);
    void playShortSound(const QString &fileName);
    std::unique_ptr<Playback> playMusic(const WaveMedia &wave) const;
    std::unique_ptr<Playback> playMusic(const MidiMedia &midi) const;

    std::weak_ptr<WavePlayer> wavePlayer_;
    std::weak_ptr<MidiPlayer> midiPlayer_;
    std::unique_ptr<Playback> music_;
};

} // namespace piyota
