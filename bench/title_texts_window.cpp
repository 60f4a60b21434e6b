// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor of the title screen's start-up: a window that shows only the
// title screen's texts, in the same fonts and sizes and at the same places,
// and its two buttons; no pictures, timer, music or screen switcher. The
// title's start-up against this one is what the program adds to drawing
// its own text.
#include "common/captions.h"
#include "common/controls.h"
#include "fonts.h"
#include "geometry.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    using namespace piyota;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral(" ぴよたの研修旅行2008（２次関数の巻） for Windows"));
    window.setFixedSize(twipsSize(4935, 3855));
    addButton(&window, QStringLiteral("Command2"), QStringLiteral("終了"), 120, 0, 735, 375);
    addButton(&window, QStringLiteral("Command1"), QStringLiteral("次へ"), 4080, 0, 735, 375);
    addLabel(&window, QStringLiteral("Label1"), QStringLiteral("ぴよたの研修旅行2008"), 480, 840, 3975, 375,
             minchoFont(15.75, true));
    addLabel(&window, QStringLiteral("Label3"), QStringLiteral("for Windows"), 2880, 1320, 1575, 255,
             minchoFont(12, true));
    addLabel(&window, QStringLiteral("Label2"), QStringLiteral("（２次関数の巻）"), 1560, 2400, 2055, 255,
             minchoFont(12, true));
    addLabel(&window, QStringLiteral("Label4"), Caption::authorCredit, 600, 3000, 3015, 255, minchoFont(9.75));
    window.show();
    return QApplication::exec();
}
