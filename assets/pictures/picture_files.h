// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace piyota {

// The two frames of a character; showing them in turn animates it.
struct FramePair {
    QString first;
    QString second;
};

// Resource paths of the course's pictures.
namespace Picture {
FramePair boy();          // ぴよた waving, left arm up, then right arm up
FramePair companion();    // the chick dancing
FramePair doctor();       // the doctor swinging his pointer
QString titleDecoration();
} // namespace Picture

} // namespace piyota
