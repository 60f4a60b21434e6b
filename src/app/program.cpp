// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "program.h"

namespace piyota {

Program::Program(const QDir &workDir, PlatformServices services, Navigator::ScreenFactory factory)
    : progress(workDir)
    , codeLock(workDir)
    , session(course, progress, codeLock, services.clock, services.random)
    , navigator(std::move(factory))
    , context{session, forms, navigator, services.dialogs, services.media}
{
    navigator.setContext(context);
}

} // namespace piyota
