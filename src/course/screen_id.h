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
