// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace piyota {

// The texts of the learning history board.

// A number as the board's cells show it: one leading space for values not
// below zero, a "-" for negative ones.
QString boardNumber(int value);
QString boardNumber(float value);

// "あなたは、問題 ## 番まで進んでいます。" with the problem number in place of "##".
QString progressSentence(int problemNo);

// The heading of problem i's row: "問題 1", "問題 2 ", ..., "問題10", ...,
// "問題30 終　了".
QString problemHeading(int problem);

} // namespace piyota
