#pragma once

#include <QString>

namespace piyota::Caption {

// Texts that several screens share.
inline const QString quitQuestion = QStringLiteral("終了していいですか？");
inline const QString authorCredit = QStringLiteral("制作：ぴよた開発チーム");

} // namespace piyota::Caption
