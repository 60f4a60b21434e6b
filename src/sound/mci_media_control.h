#pragma once

#include "media_control.h"
#include "media_file.h"
#include "sound_backends.h"

#include <memory>
#include <optional>

namespace piyota {

// A screen's media control over the sound backends.
//  - "Open" opens the file named in FileName (relative to the working
//    directory), closing what was open; a file that cannot be opened leaves
//    nothing open.
//  - "Sound" plays the open wave file, or when nothing is open the wave file
//    named in FileName, once as a short sound that plays to its end.
//  - "Play" plays the open file (MIDI music or a wave) once from its
//    beginning; the music belongs to this control.
//  - "Stop" ends the music, "Close" ends it and closes the file; both are
//    harmless when nothing is open or playing. Destroying the control ends
//    the music too; short sounds play on.
// Command words are taken regardless of letter case; other words do nothing.
// The control keeps only weak links to the backends: once they are gone it is
// silent.
class MciMediaControl final : public MediaControl {
public:
    MciMediaControl(std::weak_ptr<WavePlayer> wavePlayer, std::weak_ptr<MidiPlayer> midiPlayer);
    ~MciMediaControl() override;

    void setFileName(const QString &fileName) override;
    void setCommand(const QString &command) override;

private:
    void open();
    void sound();
    void play();
    void stop();
    void close();

    std::weak_ptr<WavePlayer> wavePlayer_;
    std::weak_ptr<MidiPlayer> midiPlayer_;
    QString fileName_;
    std::optional<MediaFile> openFile_;
    std::unique_ptr<Playback> music_;
};

} // namespace piyota
