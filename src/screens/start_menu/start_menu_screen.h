#pragma once

#include "app/screen.h"

#include <memory>

namespace piyota {

class MediaControl;

// Form2: asks for the user code, then starts the course afresh or continues
// it from the progress file, and opens the quiz screen of the right stage.
// Any failure ends the program without a message, but for a code that
// another program works on: the student is told so and the menu stays.
class StartMenuScreen final : public Screen {
    Q_OBJECT
public:
    explicit StartMenuScreen(AppContext &app);
    ~StartMenuScreen() override;

public Q_SLOTS:
    void command1Click(); // 初めからやる
    void command2Click(); // 前の続きからやる

private:
    QString askUserCode(const QString &title);
    // Takes the code for this program; false, after telling the student,
    // when another program works on it.
    bool claimCode(const QString &code);
    void openQuizOfCurrentStage();

    std::unique_ptr<MediaControl> mmControl1_;
};

} // namespace piyota
