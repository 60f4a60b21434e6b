// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArrayView>
#include <QString>

#include <sys/types.h>

namespace piyota::teacher {

// What the file system names, as the overview shows it.

// An entry's name from its bytes: UTF-8 as it is; a byte that is not part
// of valid UTF-8, and a control character, as "\xHH"; a backslash as "\\",
// so that two names never look alike.
QString readableName(QByteArrayView bytes);

// The login of the account `uid`, or its number where it has none.
QString accountName(uid_t uid);

} // namespace piyota::teacher
