// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Plays the course's sound cues through the real sound system on command, for
// scripts/check-sound, which records what is heard. One command a line on
// standard input, run on the event loop of the main thread as a screen would:
//   effect FILE   a button's sound
//   answer FILE   a verdict's sound
//   song FILE     a screen's music
//   stop          the end of the music
//   ping          answered from the event loop: it is still turning
// Each command is answered with one line: "done <milliseconds the control
// took>", or "pong". The program ends at the end of its input.
#include "media_control.h"
#include "sound_system.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

namespace piyota {
namespace {

void answer(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::optional<SoundCue> cueOf(const QString &verb, const QString &file)
{
    if (verb == QLatin1String("effect"))
        return cue::Effect{file};
    if (verb == QLatin1String("answer"))
        return cue::Answer{file};
    if (verb == QLatin1String("song"))
        return cue::Song{file};
    if (verb == QLatin1String("stop"))
        return cue::Stop{};
    return std::nullopt;
}

class CuePlayer {
public:
    explicit CuePlayer(MediaControlFactory &media)
        : control_(media.createControl())
    {
    }

    void run(const QString &line)
    {
        const QString verb = line.section(QLatin1Char(' '), 0, 0);
        const QString argument = line.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("ping"))
            return answer("pong");

        const std::optional<SoundCue> asked = cueOf(verb, argument);
        if (!asked)
            return answer("unknown command");
        QElapsedTimer timer;
        timer.start();
        control_->play(*asked);
        answer("done " + QByteArray::number(timer.elapsed()));
    }

private:
    std::unique_ptr<MediaControl> control_;
};

} // namespace
} // namespace piyota

int main(int argc, char *argv[])
{
    using namespace piyota;

    QCoreApplication application(argc, argv);
    SoundSystem sound;
    sound.loadModule(SoundSystem::modulePathBesideProgram());
    CuePlayer player(sound);

    // Standard input is read on a thread of its own, so that the event loop
    // stays free; each line is carried out on the main thread.
    std::thread reader([&application, &player] {
        std::string line;
        while (std::getline(std::cin, line)) {
            const QString command = QString::fromStdString(line).trimmed();
            QMetaObject::invokeMethod(&application, [&player, command] { player.run(command); },
                                      Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(&application, &QCoreApplication::quit, Qt::QueuedConnection);
    });
    const int code = QCoreApplication::exec();
    reader.join();
    return code;
}
