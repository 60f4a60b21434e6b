// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace piyota::Caption {

// Texts that several screens share.
inline const QString quitQuestion = QStringLiteral("終了していいですか？");
inline const QString authorCredit = QStringLiteral("制作：ぴよた開発チーム");
inline const QString quizTitle = QStringLiteral("ぴよたの研修旅行2008");
// The title of the question before the program ends.
inline const QString programEndTitle = QStringLiteral("ぴよたの研修旅行2006");
inline const QString saveFailed =
    QStringLiteral("学習の記録を保存できませんでした。\nもう一度ためしてください。");
inline const QString codeInUse = QStringLiteral(
    "このユーザーコードは、いま別のウィンドウ（または別のパソコン）で使われています。\n"
    "そちらを終了してから、もう一度ためしてください。");

} // namespace piyota::Caption

// The titles of the screens' windows; they differ in their spaces and
// parentheses.
namespace piyota::WindowTitle {

inline const QString title = QStringLiteral(" ぴよたの研修旅行2008（２次関数の巻） for Windows");
inline const QString startMenu = QStringLiteral(" ぴよたの研修旅行2008(２次関数の巻) for Windows");
inline const QString quiz =
    QStringLiteral("  ぴよたの研修旅行2008（２次関数の巻） for Windows  ") + Caption::authorCredit;
inline const QString lectureAndHistory =
    QStringLiteral("  ぴよたの研修旅行2008(２次関数の巻) for Windows  ") + Caption::authorCredit;
inline const QString roulette = QStringLiteral("  ぴよたの研修旅行2008 （ボーナスルーレット）");

} // namespace piyota::WindowTitle
