// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "history_text.h"

#include "progress_format.h"

namespace piyota {

namespace {

QString withSignSpace(bool negative, const QByteArray &digits)
{
    return (negative ? QString() : QStringLiteral(" ")) + QString::fromLatin1(digits);
}

} // namespace

QString boardNumber(int value)
{
    return withSignSpace(value < 0, QByteArray::number(value));
}

QString boardNumber(float value)
{
    return withSignSpace(value < 0, formatSeconds(value));
}

QString progressSentence(int problemNo)
{
    return QStringLiteral("あなたは、問題 ## 番まで進んでいます。")
        .replace(QStringLiteral("##"), QString::number(problemNo));
}

QString problemHeading(int problem)
{
    switch (problem) {
    case 2:
        return QStringLiteral("問題 2 ");
    case 30:
        return QStringLiteral("問題30 終　了");
    default:
        return QStringLiteral("問題%1").arg(problem, 2);
    }
}

} // namespace piyota
