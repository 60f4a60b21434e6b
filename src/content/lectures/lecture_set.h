// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lecture.h"

namespace piyota::content {

// The ten lectures, one per source file; lectures() collects them.
Lecture lecture1();
Lecture lecture2();
Lecture lecture3();
Lecture lecture4();
Lecture lecture5();
Lecture lecture6();
Lecture lecture7();
Lecture lecture8();
Lecture lecture9();
Lecture lecture10();

} // namespace piyota::content
