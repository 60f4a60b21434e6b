// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "media_control.h"

#include <QByteArray>
#include <QList>

#include <memory>

namespace piyota::testing {

// Makes media controls that only write down the cues they are asked to play,
// all in one log, in order, and counts the controls alive: a screen's
// control goes when its screen closes. Shared by the tests of the screens.
class RecordingMediaControlFactory final : public MediaControlFactory {
public:
    std::unique_ptr<MediaControl> createControl() override { return std::make_unique<Control>(log_); }

    // The cues played since the last clear().
    const QList<SoundCue> &cues() const { return log_->cues; }
    void clear() { log_->cues.clear(); }
    int livingControls() const { return log_->living; }

private:
    struct Log {
        QList<SoundCue> cues;
        int living = 0;
    };

    class Control final : public MediaControl {
    public:
        explicit Control(std::shared_ptr<Log> log)
            : log_(std::move(log))
        {
            ++log_->living;
        }
        ~Control() override { --log_->living; }
        void play(const SoundCue &cue) override { log_->cues.append(cue); }

    private:
        std::shared_ptr<Log> log_;
    };

    std::shared_ptr<Log> log_ = std::make_shared<Log>();
};

} // namespace piyota::testing

namespace piyota::cue {

inline QString describe(const Effect &effect) { return QStringLiteral("Effect ") + effect.file; }
inline QString describe(const Answer &answer) { return QStringLiteral("Answer ") + answer.file; }
inline QString describe(const Song &song) { return QStringLiteral("Song ") + song.file; }
inline QString describe(const Stop &) { return QStringLiteral("Stop"); }

// How a failing comparison of cues prints them ("Effect pinpon.wav"); the
// test library frees the text.
inline char *toString(const SoundCue &cue)
{
    return qstrdup(std::visit([](const auto &asked) { return describe(asked); }, cue).toUtf8().constData());
}

} // namespace piyota::cue
