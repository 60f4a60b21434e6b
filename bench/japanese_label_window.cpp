// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A reference point for the start-up and memory figures: the smallest Qt
// Widgets program that shows one line of Japanese text in the course's
// gothic font, as every screen of the course does.
#include "fonts.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("ぴよたの研修旅行2008（２次関数の巻）"));
    window.setFont(piyota::gothicFont(11.25));
    window.show();
    return QApplication::exec();
}
