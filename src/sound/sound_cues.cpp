#include "sound_cues.h"

#include "media_control.h"

namespace piyota {

void playEffectCue(MediaControl &control, const QString &file)
{
    control.setCommand(QStringLiteral("Stop"));
    control.setCommand(QStringLiteral("Close"));
    control.setFileName(file);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
}

void playAnswerCue(MediaControl &control, const QString &file)
{
    control.setCommand(QStringLiteral("close"));
    control.setFileName(file);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Sound"));
}

void playMusicCue(MediaControl &control, const QString &file)
{
    control.setCommand(QStringLiteral("Close"));
    control.setFileName(file);
    control.setCommand(QStringLiteral("Open"));
    control.setCommand(QStringLiteral("Play"));
}

} // namespace piyota
