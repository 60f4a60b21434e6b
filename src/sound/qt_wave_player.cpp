#include "qt_wave_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <algorithm>

namespace piyota {

namespace {

// The course plays four short sounds; a few more are kept in case.
constexpr std::size_t kMaxShortSounds = 8;

// QSoundEffect needs the application object, and an audio output to play to:
// without one, play() returns at once and the effect claims to play for ever.
bool canPlay()
{
    return QCoreApplication::instance() != nullptr && !QMediaDevices::audioOutputs().isEmpty();
}

std::unique_ptr<QSoundEffect> newEffect(const QString &path)
{
    auto effect = std::make_unique<QSoundEffect>(QMediaDevices::defaultAudioOutput());
    effect->setSource(QUrl::fromLocalFile(path));
    return effect;
}

// Starts from the beginning, also when it is still playing (play() alone
// would stop a playing effect without restarting it).
void restart(QSoundEffect &effect)
{
    effect.stop();
    effect.play();
}

class SoundEffectPlayback final : public Playback {
public:
    explicit SoundEffectPlayback(std::unique_ptr<QSoundEffect> effect)
        : effect_(std::move(effect))
    {
        restart(*effect_);
    }
    ~SoundEffectPlayback() override { effect_->stop(); }

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace

QtWavePlayer::QtWavePlayer() = default;
QtWavePlayer::~QtWavePlayer() = default;

void QtWavePlayer::playShortSound(const QString &path)
{
    if (!canPlay())
        return;
    restart(shortSoundFor(path));
}

std::unique_ptr<Playback> QtWavePlayer::playMusic(const QString &path)
{
    if (!canPlay())
        return nullptr;
    return std::make_unique<SoundEffectPlayback>(newEffect(path));
}

QSoundEffect &QtWavePlayer::shortSoundFor(const QString &path)
{
    const auto found = std::find_if(shortSounds_.begin(), shortSounds_.end(),
                                    [&path](const auto &entry) { return entry.first == path; });
    if (found != shortSounds_.end()) {
        // Keep it unless it failed to load or its output is no longer the
        // default one (the sound server restarted, the user switched outputs).
        const bool usable = found->second->status() != QSoundEffect::Error
            && found->second->audioDevice() == QMediaDevices::defaultAudioOutput();
        auto entry = std::move(*found);
        shortSounds_.erase(found);
        if (!usable)
            entry.second = newEffect(path);
        shortSounds_.push_back(std::move(entry));
    } else {
        if (shortSounds_.size() >= kMaxShortSounds)
            shortSounds_.erase(shortSounds_.begin());
        shortSounds_.emplace_back(path, newEffect(path));
    }
    return *shortSounds_.back().second;
}

} // namespace piyota
