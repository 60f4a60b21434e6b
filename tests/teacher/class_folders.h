// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "fakes/hostile_entries.h"
#include "fakes/progress_files.h"

#include "class_folder.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>

namespace piyota::testing {

// Progress files of students in every state the program leaves them in,
// written line by line as the program's saves write them.

// "m,s" for each of the 30 problems, in order.
inline QByteArray progressText(int problemNo, const QByteArray &score, const QList<QByteArray> &problemLines)
{
    QByteArray text = QByteArray::number(problemNo) + ',' + score + "\r\n";
    for (int i = 0; i < 30; ++i)
        text += (i < problemLines.size() ? problemLines[i] : QByteArray("0,0")) + "\r\n";
    return text;
}

// Problems 1..n finished, problem i with (i % 3) wrong answers in 20 + i
// seconds; then `current` for problem n + 1 (when n < 30).
inline QList<QByteArray> finishedUpTo(int n, const QByteArray &current = "0,0")
{
    QList<QByteArray> lines;
    for (int i = 1; i <= n; ++i)
        lines.append(QByteArray::number(i % 3) + ',' + QByteArray::number(20 + i));
    if (n < 30)
        lines.append(current);
    return lines;
}

// A class of five students in the states a teacher meets:
//  ayaka:  done; problem 30 answered in 50 s after one wrong answer;
//  daichi: on problem 30, begun at the clock reading 45296.37 with 2 wrong answers;
//  emi:    on problem 12, begun at 50012.5, no wrong answer yet;
//  kenta:  at problem 16 after the save at the end of a group: not begun;
//  mio:    fresh, problem 1 not begun.
inline bool writeClass(const QDir &folder)
{
    return writeBytes(folder.filePath(QStringLiteral("ayaka.ucd")), progressText(30, "89000", finishedUpTo(29, "1,50")))
        && writeBytes(folder.filePath(QStringLiteral("daichi.ucd")),
                      progressText(30, "57000", finishedUpTo(29, "2,45296.37")))
        && writeBytes(folder.filePath(QStringLiteral("emi.ucd")), progressText(12, "-3000", finishedUpTo(11, "0,50012.5")))
        && writeBytes(folder.filePath(QStringLiteral("kenta.ucd")), progressText(16, "41000", finishedUpTo(15)))
        && writeBytes(folder.filePath(QStringLiteral("mio.ucd")), progressText(1, "0", {}));
}

// Beside the class, what cannot be read as a progress file, one of each
// kind: malformed, truncated, a link, a FIFO, a folder, too large.
inline bool writeBrokenFiles(const QDir &folder, const QString &elsewhere)
{
    const QByteArray good = progressText(5, "12000", finishedUpTo(4));
    QByteArray tooLarge = progressText(5, "12000", finishedUpTo(4));
    tooLarge.insert(0, QByteArray(70 * 1024, ' ')); // spaces before the first field, past 64 KiB
    return writeBytes(folder.filePath(QStringLiteral("broken.ucd")), "piyota\r\nno numbers here\r\n")
        && writeBytes(folder.filePath(QStringLiteral("cut.ucd")), good.left(good.size() / 2))
        && writeBytes(elsewhere, good) && makeLink(folder.filePath(QStringLiteral("link.ucd")), elsewhere)
        && makeFifo(folder.filePath(QStringLiteral("pipe.ucd"))) && folder.mkdir(QStringLiteral("folder.ucd"))
        && writeBytes(folder.filePath(QStringLiteral("huge.ucd")), tooLarge);
}

// The overview of a folder, read to the end.
inline teacher::ClassOverview readOverviewOf(const QString &folder)
{
    QFuture<teacher::ClassOverview> reading = teacher::readClassOverview(folder);
    reading.waitForFinished();
    return reading.result();
}

} // namespace piyota::testing
