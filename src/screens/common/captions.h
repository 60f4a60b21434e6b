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
