// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

namespace piyota {

struct AppContext;

// One window of the program. The navigator creates it, shows it, runs its
// activation once, and destroys it when the next screen is shown.
class Screen : public QWidget {
    Q_OBJECT
public:
    explicit Screen(AppContext &app);

    // What the screen does each time it is opened.
    virtual void activate() {}

    // Closing through the navigator; any other close (the window's close box)
    // ends the program without saving.
    void closeForSwitch();

protected:
    AppContext &app() const { return app_; }
    void closeEvent(QCloseEvent *event) override;

private:
    AppContext &app_;
    bool closingForSwitch_ = false;
};

} // namespace piyota
