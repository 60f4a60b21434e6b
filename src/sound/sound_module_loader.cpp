// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_module_loader.h"

#include <QLibrary>
#include <QLoggingCategory>

namespace piyota {

namespace {

Q_LOGGING_CATEGORY(lcSoundModule, "piyota.sound.module", QtWarningMsg)

} // namespace

SoundModuleLoader::SoundModuleLoader(const QString &modulePath, Arrival arrival)
    : arrival_(std::move(arrival))
    , loading_([this, modulePath] { load(modulePath); })
{
}

SoundModuleLoader::~SoundModuleLoader()
{
    loading_.join();
}

// Loading thread. The module stays loaded for the rest of the program.
void SoundModuleLoader::load(const QString &modulePath)
{
    QLibrary module(modulePath);
    const auto create = reinterpret_cast<CreateSoundBackends>(module.resolve(kCreateSoundBackendsSymbol));
    if (!create)
        qCWarning(lcSoundModule, "no sound: %s", qPrintable(module.errorString()));
    // Queued to the receiver: dropped if the loader is gone by then.
    QMetaObject::invokeMethod(&receiver_, [this, create] {
        SoundBackends backends;
        if (create)
            create(&backends);
        arrival_(std::move(backends));
    }, Qt::QueuedConnection);
}

} // namespace piyota
