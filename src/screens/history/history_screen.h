#pragma once

#include "app/course_state.h"
#include "app/screen.h"

#include <memory>

class QLabel;

namespace piyota {

class MediaControl;
enum class RunEnd;

// Form6: the learning history board that ends a run. It shows how far the
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
    // the wrong answers as `missText` holds them, and the score.
    void fillIn(RunEnd end);

public Q_SLOTS:
    void command1Click(); // 終了
    void timer1Tick();

private:
    void buildGrid();

    std::unique_ptr<MediaControl> mmControl1_;
    QLabel *image1_ = nullptr;
    QLabel *image2_ = nullptr;
    QLabel *label3_ = nullptr;
    QLabel *label4_ = nullptr;
    PerProblem<QLabel *> lab_{};
    PerProblem<QLabel *> zik_{};
};

} // namespace piyota
