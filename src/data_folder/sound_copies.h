// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>

namespace piyota {

// Copies each sound file of `sounds` (those the program installs) into the
// open folder `into` where no entry of its name stands yet. A copy is
// written under a temporary name and renamed into place once whole, never
// over anything; a copy that fails (a full disk, a read-only folder) is
// removed, and that sound is missing: the program plays nothing in its
// place. Copies that an interrupted start left behind go.
void copyMissingSounds(const QDir &sounds, int into);

} // namespace piyota
