// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota {

// Earlier versions kept every progress file "<code>.ucd" at the top of a
// shared folder. Those that this account owns (regular files, never links,
// no longer than a progress file can be) move into its own folder `own`,
// where 前の続きからやる finds them: copied anew (so that the teachers' group
// reads them, mode 0640), then removed. Where the own folder holds that
// code's file already, the earlier one stays where it is. Files of other
// accounts are never read or touched.
void takeOverEarlierProgress(int shared, int own);

} // namespace piyota
