// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "score_text.h"

#include "progress_format.h"

namespace piyota {

// The progress file writes the score in the same plain notation.
QString scoreText(double score)
{
    return QString::fromLatin1(formatScore(score));
}

} // namespace piyota
