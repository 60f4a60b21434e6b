// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace piyota::testing {

// A progress file at problem `problemNo` with the given score: the problems
// before it finished with one wrong answer in 30 seconds, the problem itself
// holds `currentLine`, the rest are 0,0.
inline QByteArray progressFileAt(int problemNo, int score, const QByteArray &currentLine = "0,0")
{
    QByteArray text = QByteArray::number(problemNo) + ',' + QByteArray::number(score) + "\r\n";
    for (int i = 1; i <= 30; ++i)
        text += (i < problemNo ? QByteArray("1,30") : i == problemNo ? currentLine : QByteArray("0,0")) + "\r\n";
    return text;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace piyota::testing
