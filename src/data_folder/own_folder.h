// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "unique_fd.h"

#include <QByteArray>

namespace piyota {

// The account's login name, for naming its own folder; its number where the
// account has no name.
QByteArray loginName();

// The account's own folder in the open shared folder `shared`: "<login>",
// made by the program where missing. Where that name is taken (by another
// account, or by anything else than such a folder), a folder
// "<login>.XXXXXX" instead, found again on later starts as the first folder
// of that name the account owns, and made when there is none.
//
// Only a folder that this account owns and that no other account may write
// in is ever used: never through a link. A folder the program makes is
// 2750 where the shared folder is setgid (the account writes, the shared
// folder's group reads, nobody else enters), else 0700. Not open when no
// such folder can be found or made.
UniqueFd openOwnFolder(int shared, const QByteArray &login);

} // namespace piyota
