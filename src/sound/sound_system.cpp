// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_system.h"

#include "deferred_players.h"
#include "player_media_control.h"
#include "sound_module_loader.h"

#include <QCoreApplication>
#include <QDir>

namespace piyota {

SoundSystem::SoundSystem()
    : deferredPlayers_(std::make_shared<DeferredPlayers>())
    , wavePlayer_(deferredPlayers_)
    , midiPlayer_(deferredPlayers_)
{
}

SoundSystem::SoundSystem(std::shared_ptr<WavePlayer> wavePlayer,
                         std::shared_ptr<MidiPlayer> midiPlayer)
    : wavePlayer_(std::move(wavePlayer))
    , midiPlayer_(std::move(midiPlayer))
{
}

SoundSystem::~SoundSystem() = default;

void SoundSystem::loadModule(const QString &modulePath)
{
    if (!deferredPlayers_ || loader_)
        return;
    loader_ = std::make_unique<SoundModuleLoader>(
        modulePath, [players = deferredPlayers_](SoundBackends backends) { players->arrive(std::move(backends)); });
}

QString SoundSystem::modulePathBesideProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(PIYOTA_SOUND_MODULE_NAME));
}

std::unique_ptr<MediaControl> SoundSystem::createControl()
{
    return std::make_unique<PlayerMediaControl>(wavePlayer_, midiPlayer_);
}

} // namespace piyota
