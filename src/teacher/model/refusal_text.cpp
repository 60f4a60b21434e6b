// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "refusal_text.h"

namespace piyota::teacher {

QString refusalText(ProgressFileRefusal refusal)
{
    switch (refusal) {
    case ProgressFileRefusal::UnusableName:
        return QStringLiteral("ファイル名として使えない名前です");
    case ProgressFileRefusal::Missing:
        return QStringLiteral("読む前になくなりました");
    case ProgressFileRefusal::Link:
        return QStringLiteral("シンボリックリンクです（リンク先は読みません）");
    case ProgressFileRefusal::NotRegularFile:
        return QStringLiteral("ふつうのファイルではありません（フォルダ、FIFO、ソケット、デバイスなど）");
    case ProgressFileRefusal::TooLarge:
        return QStringLiteral("大きすぎます（64 KiB を超えています）");
    case ProgressFileRefusal::Malformed:
        return QStringLiteral("進み具合の記録の形になっていません（壊れているか、途中で切れています）");
    case ProgressFileRefusal::Unreadable:
        return QStringLiteral("読み取れません（読む権限がないか、読み取りでエラーが起きました）");
    }
    return QString();
}

} // namespace piyota::teacher
