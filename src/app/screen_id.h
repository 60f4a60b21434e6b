#pragma once

namespace piyota {

enum class ScreenId {
    Title,      // Form1
    StartMenu,  // Form2
    Stage1Quiz, // Form3
    Stage2Quiz, // Form7
    Lecture,    // Form5
    Roulette,   // Form4
    History,    // Form6
};

} // namespace piyota
