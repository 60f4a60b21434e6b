// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course_sequence.h"

namespace piyota::sequence {

namespace {

constexpr int kFirstStage2Problem = 16;
constexpr int kLastProblem = 30;
constexpr int kGroupSize = 5;
constexpr int kMusicHeardMs = 1500; // music plays this long before a button stops it
constexpr int kSettleMs = 1500;     // longer than the longest wave: all has ended
// A song's stream closes once its last note and the reverb have died away:
// some 3.5 s after the short song starts.
constexpr int kSongEndsWithinMs = 6000;

class SequenceBuilder {
public:
    std::vector<Step> steps;

    void open(const QString &screen) { add({OpenScreen{}, 0, screen}); }
    void close(int afterMs, const QString &screen) { add({CloseScreen{}, afterMs, screen}); }
    void effect(int afterMs, const QString &file, const QString &label) { add({cue::Effect{file}, afterMs, label}); }
    void answer(int afterMs, const QString &file, const QString &label) { add({cue::Answer{file}, afterMs, label}); }
    void music(const QString &file, const QString &label) { add({cue::Song{file}, 0, label}); }
    void songToItsEnd(const QString &file, const QString &label) { add({SongToItsEnd{file}, 0, label}); }
    void expectNoStream(const QString &label, int afterMs = kSettleMs) { add({ExpectNoStream{}, afterMs, label}); }

    // The quick gaps between a student's clicks: 100 ms at the quickest.
    int nextGap()
    {
        static constexpr int gaps[] = {100, 250, 150, 400, 100, 200, 120, 300, 100, 180};
        return gaps[gapIndex_++ % std::size(gaps)];
    }

private:
    void add(Step step) { steps.push_back(std::move(step)); }
    std::size_t gapIndex_ = 0;
};

void title(SequenceBuilder &b, int run)
{
    const QString where = QStringLiteral("run %1 title").arg(run);
    b.open(where);
    b.music(SoundFile::titleMusic, where);
    b.effect(kMusicHeardMs, SoundFile::forward, where + QStringLiteral(" 次へ"));
    b.open(QStringLiteral("run %1 start menu").arg(run));
    b.effect(400, SoundFile::forward, QStringLiteral("run %1 start menu 次へ").arg(run));
}

void roulette(SequenceBuilder &b, const QString &where)
{
    b.open(where);
    b.music(SoundFile::rouletteMusic, where);
    b.effect(kMusicHeardMs, SoundFile::forward, where + QStringLiteral(" Start"));
    b.effect(b.nextGap(), SoundFile::forward, where + QStringLiteral(" Stop"));
    b.effect(600, SoundFile::forward, where + QStringLiteral(" 次へ"));
}

void problems(SequenceBuilder &b, int run, int first)
{
    const QString quiz = QStringLiteral("run %1 quiz").arg(run);
    b.open(quiz);
    for (int problem = first; problem <= kLastProblem; ++problem) {
        const QString where = QStringLiteral("run %1 problem %2").arg(run).arg(problem);
        b.answer(b.nextGap(), SoundFile::wrong, where + QStringLiteral(" wrong"));
        b.effect(b.nextGap(), SoundFile::forward, where + QStringLiteral(" HELP"));
        b.open(where + QStringLiteral(" lecture"));
        b.effect(300, SoundFile::forward, where + QStringLiteral(" EXIT"));
        b.open(quiz);
        b.answer(b.nextGap(), SoundFile::correct, where + QStringLiteral(" right"));
        b.effect(b.nextGap(), SoundFile::forward, where + QStringLiteral(" 次へ"));
        if (problem % kGroupSize == 0) {
            roulette(b, QStringLiteral("run %1 roulette after %2").arg(run).arg(problem));
            if (problem == kLastProblem)
                break;
            b.open(quiz);
            b.expectNoStream(where + QStringLiteral(" roulette over"));
        }
    }
}

void board(SequenceBuilder &b, int run)
{
    const QString where = QStringLiteral("run %1 board").arg(run);
    b.open(where);
    b.music(SoundFile::historyMusic, where);
    b.effect(kMusicHeardMs, SoundFile::quit, where + QStringLiteral(" 終了"));
    // Its music back on before the program ends with the board: the screen
    // takes it with it.
    b.music(SoundFile::historyMusic, where + QStringLiteral(" again"));
    b.close(kMusicHeardMs, where);
    b.expectNoStream(where + QStringLiteral(" closed"));
}

void songPlayedToItsEnd(SequenceBuilder &b)
{
    const QString where = QStringLiteral("a song played to its end");
    b.open(where);
    b.songToItsEnd(shortSongFile, where);
    b.expectNoStream(where + QStringLiteral(", over"), kSongEndsWithinMs);
    b.music(SoundFile::titleMusic, where + QStringLiteral(", then the title's song"));
    b.close(kMusicHeardMs, where);
    b.expectNoStream(where + QStringLiteral(", closed"));
}

} // namespace

std::vector<Step> courseSequence()
{
    SequenceBuilder b;
    title(b, 1);
    problems(b, 1, 1);
    board(b, 1);
    title(b, 2);
    problems(b, 2, kFirstStage2Problem);
    board(b, 2);
    songPlayedToItsEnd(b);
    return b.steps;
}

} // namespace piyota::sequence
