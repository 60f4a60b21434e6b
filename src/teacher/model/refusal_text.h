// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "progress_reader.h"

#include <QString>

namespace piyota::teacher {

// Why a file was not read, in words for the teacher.
QString refusalText(ProgressFileRefusal refusal);

} // namespace piyota::teacher
