// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "clock.h"
#include "dialogs.h"
#include "random.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <memory>

namespace piyota::testing {

class FakeClock final : public Clock {
public:
    float secondsSinceMidnight() const override { return now; }
    float now = 43200.25f;
};

// Gives the queued numbers in turn, then 0; records the seeds.
class FakeRandom final : public Random {
public:
    void seed(float clockReading) override { seeds.append(clockReading); }
    float next() override
    {
        if (values.empty())
            return 0;
        const float value = values.front();
        values.pop_front();
        return value;
    }
    std::deque<float> values;
    QList<float> seeds;
};

// Answers dialogs from a script and records what was asked.
class FakeDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind;
        QString text;
        QString title;
    };

    bool askYesNo(QWidget *, const QString &text, const QString &title) override
    {
        asked.append({QStringLiteral("yesno"), text, title});
        return yesNoAnswers.empty() ? false : takeFront(yesNoAnswers);
    }
    QString inputText(QWidget *, const QString &prompt, const QString &title) override
    {
        asked.append({QStringLiteral("input"), prompt, title});
        return inputAnswers.empty() ? QString() : takeFront(inputAnswers);
    }
    void inform(QWidget *, const QString &text, const QString &title) override
    {
        asked.append({QStringLiteral("inform"), text, title});
    }
    void beep() override { ++beeps; }

    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    QList<Asked> asked;
    int beeps = 0;

private:
    template <typename T>
    static T takeFront(std::deque<T> &queue)
    {
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace piyota::testing
