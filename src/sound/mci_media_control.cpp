#include "mci_media_control.h"

namespace piyota {

MciMediaControl::MciMediaControl(std::weak_ptr<WavePlayer> wavePlayer,
                                 std::weak_ptr<MidiPlayer> midiPlayer)
    : wavePlayer_(std::move(wavePlayer))
    , midiPlayer_(std::move(midiPlayer))
{
}

MciMediaControl::~MciMediaControl()
{
    stop();
}

void MciMediaControl::setFileName(const QString &fileName)
{
    fileName_ = fileName;
}

void MciMediaControl::setCommand(const QString &command)
{
    const auto is = [&command](QLatin1String word) {
        return command.compare(word, Qt::CaseInsensitive) == 0;
    };
    if (is(QLatin1String("Open")))
        open();
    else if (is(QLatin1String("Sound")))
        sound();
    else if (is(QLatin1String("Play")))
        play();
    else if (is(QLatin1String("Stop")))
        stop();
    else if (is(QLatin1String("Close")))
        close();
}

void MciMediaControl::open()
{
    close();
    openFile_ = openMediaFile(fileName_);
}

void MciMediaControl::sound()
{
    const std::optional<MediaFile> file = openFile_ ? openFile_ : openMediaFile(fileName_);
    if (!file || file->kind != MediaFile::Kind::Wave)
        return;
    if (const auto player = wavePlayer_.lock())
        player->playShortSound(file->path);
}

void MciMediaControl::play()
{
    stop();
    if (!openFile_)
        return;
    if (openFile_->kind == MediaFile::Kind::Wave) {
        if (const auto player = wavePlayer_.lock())
            music_ = player->playMusic(openFile_->path);
    } else {
        if (const auto player = midiPlayer_.lock())
            music_ = player->playMusic(openFile_->midi);
    }
}

void MciMediaControl::stop()
{
    music_.reset();
}

void MciMediaControl::close()
{
    stop();
    openFile_.reset();
}

} // namespace piyota
