#pragma once

#include <QString>

namespace piyota {

class MediaControl;

// The sound files of the course, in the working directory.
namespace SoundFile {
inline const QString forward = QStringLiteral("pinpon.wav");
inline const QString quit = QStringLiteral("endpinpon.wav");
inline const QString correct = QStringLiteral("Chimes.wav");
inline const QString wrong = QStringLiteral("Chimes2.wav");
inline const QString titleMusic = QStringLiteral("passport.mid");
inline const QString rouletteMusic = QStringLiteral("Canyon.mid");
inline const QString historyMusic = QStringLiteral("bahha.rmi");
} // namespace SoundFile

// The three command sequences that play one file on a screen's control.

// A button's sound: ends whatever the control played, then sounds the file.
void playEffectCue(MediaControl &control, const QString &file);
// A verdict's sound.
void playAnswerCue(MediaControl &control, const QString &file);
// A screen's music.
void playMusicCue(MediaControl &control, const QString &file);

} // namespace piyota
