// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "test_app.h"

#include "canvas.h"

#include <QCryptographicHash>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <algorithm>

namespace piyota::testing {

namespace detail {

template <typename T>
QString joined(const PerProblem<T> &values)
{
    QStringList texts;
    for (const T &value : values)
        texts << QVariant::fromValue(value).toString();
    return texts.join(QLatin1Char(','));
}

} // namespace detail

// The course's whole state and everything the open screen shows (which
// screen, every button's caption and enabled state, every label, every
// canvas's text and pixels), one line each, to compare before and after.
inline QStringList screenSnapshot(const TestApp &app)
{
    const CourseState &course = app.course;
    QStringList lines{
        QStringLiteral("screen %1").arg(int(app.navigator.currentId())),
        QStringLiteral("problemNo %1, score %2, solvedFlag %3, layoutNo %4, resumed %5, userCode %6")
            .arg(course.problemNo)
            .arg(course.score)
            .arg(course.solvedFlag)
            .arg(course.layoutNo)
            .arg(course.resumed)
            .arg(course.userCode),
        QStringLiteral("missCount ") + detail::joined(course.missCount),
        QStringLiteral("answerSeconds ") + detail::joined(course.answerSeconds),
        QStringLiteral("timeStarted ") + detail::joined(course.timeStarted),
        QStringLiteral("layoutDrawn ") + detail::joined(course.layoutDrawn),
    };
    const QWidget *screen = app.navigator.currentScreen();
    if (!screen)
        return lines;
    QStringList controls;
    for (const QPushButton *button : screen->findChildren<QPushButton *>())
        controls << QStringLiteral("%1 \"%2\" %3").arg(button->objectName(), button->text(),
                                                       button->isEnabled() ? QStringLiteral("enabled")
                                                                           : QStringLiteral("disabled"));
    for (const QLabel *label : screen->findChildren<QLabel *>())
        controls << QStringLiteral("%1 \"%2\" %3").arg(label->objectName(), label->text(),
                                                       label->palette().color(QPalette::WindowText).name());
    for (const Canvas *canvas : screen->findChildren<Canvas *>()) {
        const QImage &image = canvas->image();
        const QByteArrayView pixels(image.constBits(), image.sizeInBytes());
        controls << QStringLiteral("%1 \"%2\" pixels %3")
                        .arg(canvas->objectName(), canvas->printedText(),
                             QString::fromLatin1(QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex()));
    }
    std::sort(controls.begin(), controls.end());
    return lines + controls;
}

} // namespace piyota::testing
