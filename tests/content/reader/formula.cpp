// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula.h"

#include <cmath>

namespace piyota::transcription {

namespace {

// Recursive descent over the formula's characters:
//   sum     = product { ("+" | "-") product }
//   product = signed { ("*" | "/") signed | power }   (a power right after: 2x, 2(x - 1))
//   signed  = ("-" | "+") signed | power
//   power   = primary [ "^" signed ]
//   primary = number | "x" | "(" sum ")"
class Evaluator {
public:
    Evaluator(const QString &formula, double x) : text_(formula), x_(x) {}

    std::optional<double> run()
    {
        const auto value = sum();
        skipSpaces();
        if (!value || at_ != text_.size())
            return std::nullopt;
        return value;
    }

private:
    void skipSpaces()
    {
        while (at_ < text_.size() && text_[at_].isSpace())
            ++at_;
    }

    QChar peek()
    {
        skipSpaces();
        return at_ < text_.size() ? text_[at_] : QChar();
    }

    bool take(char c)
    {
        if (peek() != QLatin1Char(c))
            return false;
        ++at_;
        return true;
    }

    bool startsPrimary()
    {
        const QChar c = peek();
        return c.isDigit() || c == QLatin1Char('.') || c == QLatin1Char('x') || c == QLatin1Char('(');
    }

    std::optional<double> sum()
    {
        auto value = product();
        while (value) {
            if (take('+')) {
                const auto right = product();
                value = right ? std::optional(*value + *right) : std::nullopt;
            } else if (take('-')) {
                const auto right = product();
                value = right ? std::optional(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> product()
    {
        auto value = signedPower();
        while (value) {
            if (take('*')) {
                const auto right = signedPower();
                value = right ? std::optional(*value * *right) : std::nullopt;
            } else if (take('/')) {
                const auto right = signedPower();
                value = right ? std::optional(*value / *right) : std::nullopt;
            } else if (startsPrimary()) {
                const auto right = power();
                value = right ? std::optional(*value * *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> signedPower()
    {
        if (take('-')) {
            const auto value = signedPower();
            return value ? std::optional(-*value) : std::nullopt;
        }
        if (take('+'))
            return signedPower();
        return power();
    }

    std::optional<double> power()
    {
        const auto base = primary();
        if (!base || !take('^'))
            return base;
        const auto exponent = signedPower();
        return exponent ? std::optional(std::pow(*base, *exponent)) : std::nullopt;
    }

    std::optional<double> primary()
    {
        if (take('x'))
            return x_;
        if (take('(')) {
            const auto value = sum();
            return value && take(')') ? value : std::nullopt;
        }
        const qsizetype start = at_;
        while (at_ < text_.size() && (text_[at_].isDigit() || text_[at_] == QLatin1Char('.')))
            ++at_;
        bool ok = false;
        const double value = text_.mid(start, at_ - start).toDouble(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }

    QString text_;
    double x_;
    qsizetype at_ = 0;
};

} // namespace

std::optional<double> evaluateFormula(const QString &formula, double x)
{
    return Evaluator(formula, x).run();
}

} // namespace piyota::transcription
