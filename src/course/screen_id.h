// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace piyota {

enum class ScreenId {
    Title,
    StartMenu,
    Stage1Quiz,
    Stage2Quiz,
    Lecture,
    Roulette,
    History,
};

} // namespace piyota
