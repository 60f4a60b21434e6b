// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print_style.h"

#include "fonts.h"

namespace piyota::teacher {

QFont printFont()
{
    return tableFont(kTextPoints);
}

} // namespace piyota::teacher
