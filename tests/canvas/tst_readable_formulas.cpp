// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "exponent_pairs.h"

#include "canvas.h"
#include "exponent_placement.h"
#include "fonts.h"
#include "geometry.h"

#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::testing;

namespace {

// Why a formula does not read with its exponents in place, or nothing: each
// digit follows a caret right after the text it belongs to, and apart from
// that and the gaps' spaces nothing is lost or added.
QString readingFault(const ExponentPair &pair)
{
    const QString readable = formulaWithExponents(pair.exponentLine, pair.formula);
    const QString digits = exponentDigits(pair.exponentLine);
    QString carets;
    QString rest;
    for (qsizetype i = 0; i < readable.size(); ++i) {
        if (readable[i] != u'^') {
            if (readable[i] != u' ')
                rest += readable[i];
            continue;
        }
        if (i == 0 || readable[i - 1].isSpace() || i + 1 == readable.size())
            return u"\"%1\": a caret stands apart"_s.arg(readable);
        carets += readable[++i];
    }
    if (carets != digits)
        return u"\"%1\": the exponents read %2 for %3"_s.arg(readable, carets, digits);
    if (rest != QString(pair.formula).remove(u' '))
        return u"\"%1\" has lost or gained some of \"%2\""_s.arg(readable, pair.formula);
    return {};
}

} // namespace

// Squares as a screen reader reads them: written into their formula line in
// the notation of the answer captions, "ｘ^2".
class ReadableFormulasTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formulaReadsWithItsExponents_data()
    {
        QTest::addColumn<QString>("exponentLine");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("readable");
        QTest::newRow("in the gap") << u"     2"_s << u"ｙ＝ａｘ   のグラフ"_s << u"ｙ＝ａｘ^2のグラフ"_s;
        QTest::newRow("indentation is no gap") << u"            2"_s << u"        ｙ＝ｘ  ＋１"_s
                                               << u"        ｙ＝ｘ^2＋１"_s;
        QTest::newRow("two gaps, the second at the end") << u"    2    3"_s << u"ｙ＝ｘ  ＋ｘ   "_s
                                                         << u"ｙ＝ｘ^2＋ｘ^3"_s;
        QTest::newRow("no gap: after the formula") << u"    2"_s << u"y=3x"_s << u"y=3x^2"_s;
        QTest::newRow("no gap left: after the formula's text") << u" 2    2"_s << u"ｙ＝ｘ  ＋ｘ "_s
                                                               << u"ｙ＝ｘ^2＋ｘ^2"_s;
        QTest::newRow("full-width spaces are no gap") << u"         2"_s << u"ｙ＝ｘ　　＋ｘ  "_s
                                                      << u"ｙ＝ｘ　　＋ｘ^2"_s;
        QTest::newRow("gaps beyond the digits stay") << u"  2"_s << u"ｘ  ＋ｙ  ＝１"_s << u"ｘ^2＋ｙ  ＝１"_s;
    }

    void formulaReadsWithItsExponents()
    {
        QFETCH(QString, exponentLine);
        QFETCH(QString, formula);
        QFETCH(QString, readable);
        QCOMPARE(formulaWithExponents(exponentLine, formula), readable);
    }

    void everyFormulaOfTheContentReads()
    {
        std::vector<ExponentPair> pairs = questionExponentPairs();
        const std::vector<ExponentPair> lecturePairs = lectureExponentPairs();
        pairs.insert(pairs.end(), lecturePairs.begin(), lecturePairs.end());
        QCOMPARE(pairs.size(), transcribedQuestionExponentCount() + transcribedLectureExponentCount());
        QStringList faults;
        for (const ExponentPair &pair : pairs) {
            if (const QString fault = readingFault(pair); !fault.isEmpty())
                faults << pair.where + u": "_s + fault;
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(u'\n')));
    }

    void canvasDescribesTheSquareInItsFormula()
    {
        canvas_->surface().newLine();
        canvas_->surface().printSquared({u"               2"_s, 520, {u"　　２次関数 ｙ＝ａｘ   のグラフ"_s}, {}});
        QCOMPARE(canvas_->accessibleDescription(), u"　　２次関数 ｙ＝ａｘ^2のグラフ"_s);
        // The printed lines stay as printed.
        QCOMPARE(canvas_->printedText(), u"\n               2\n　　２次関数 ｙ＝ａｘ   のグラフ"_s);
    }

    void formulaPrintedInPiecesReadsAsOneLine()
    {
        canvas_->surface().printSquared({u"       2"_s, 225, {u"ｙ＝ａｘ   "_s, true}, {}});
        canvas_->surface().print(u"のグラフ"_s);
        QCOMPARE(canvas_->accessibleDescription(), u"ｙ＝ａｘ^2のグラフ"_s);
    }

    void init() { canvas_.emplace(nullptr, u"Picture1"_s, questionBox()); }

private:
    std::optional<Canvas> canvas_;
};

QTEST_MAIN(ReadableFormulasTest)
#include "tst_readable_formulas.moc"
