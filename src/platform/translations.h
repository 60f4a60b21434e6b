// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QCoreApplication;

namespace piyota {

// Loads Qt's own Japanese texts, so that standard dialog buttons read
// はい / いいえ / キャンセル.
void installJapaneseTranslations(QCoreApplication &application);

} // namespace piyota
