#pragma once

#include "app/course_state.h"
#include "app/screen.h"

#include <array>
#include <memory>

class QLabel;

namespace piyota {

class MediaControl;
enum class RunEnd;

// The learning history board that ends a run. It shows how far the
// student came, the score, and per problem the wrong answers (`Lab`) and the
// seconds taken (`zik`); "終了" asks and ends the program.
class HistoryScreen final : public Screen {
    Q_OBJECT
public:
    explicit HistoryScreen(AppContext &app);
    ~HistoryScreen() override;

    // Plays the board's music and shows the time of every problem reached.
    void activate() override;
    // The part its callers fill in once it is shown: the progress sentence,
    // the wrong answers and seconds as the course gives them for the way the
    // run ended, and the score.
    void fillIn(RunEnd end);

public Q_SLOTS:
    void onQuitClicked();
    void onBlinkTick();

private:
    void buildGrid();

    std::unique_ptr<MediaControl> sound_;
    std::array<QLabel *, 2> boyFrames_{};
    QLabel *progressLabel_ = nullptr;
    QLabel *scoreLabel_ = nullptr;
    PerProblem<QLabel *> missCells_{};    // `Lab`
    PerProblem<QLabel *> secondsCells_{}; // `zik`
};

} // namespace piyota
