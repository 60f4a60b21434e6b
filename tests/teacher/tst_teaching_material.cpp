// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lecture_handout.h"
#include "problem_worksheet.h"
#include "content/reader/transcription.h"
#include "pdf_tools.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::teacher;
namespace written = piyota::transcription;

namespace {

// What each handout page shows that the page itself printed, from the
// transcription: the text panel's literals in order, then the graph
// panel's (the panels are painted in that order); a panel cleared on the
// page drops what the page printed on it before.
QStringList printedOnPage(const written::LecturePage &page, written::Operation::Kind &panel)
{
    using Kind = written::Operation::Kind;
    QStringList text;
    QStringList graph;
    for (const written::Operation &op : page.operations) {
        QStringList *printedOn = panel == Kind::Text ? &text : panel == Kind::Graph ? &graph : nullptr;
        switch (op.kind) {
        case Kind::Text:
        case Kind::Graph:
        case Kind::Speech:
            panel = op.kind;
            break;
        case Kind::Clear:
            if (printedOn)
                printedOn->clear();
            break;
        case Kind::Print:
        case Kind::PrintOn:
        case Kind::Column:
        case Kind::ColumnOn:
            if (printedOn && !op.text.trimmed().isEmpty())
                *printedOn << op.text;
            break;
        default:
            break;
        }
    }
    return text + graph;
}

// The numbered answers a worksheet gives for a layout.
QStringList numberedAnswers(const written::ProblemLayout &layout)
{
    QStringList answers;
    for (std::size_t index = 0; index < layout.captions.size(); ++index)
        answers << u"(%1)%2"_s.arg(index + 1).arg(layout.captions[index]);
    return answers << u"(8)その他"_s;
}

} // namespace

// Lecture handouts and problem worksheets written as PDF and read back with
// poppler, against the transcription of the lectures and problems.
class TeachingMaterialTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString missing = pdf_tools::missingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing + u" (poppler-utils) not installed"_s));
        QVERIFY(folder_.isValid());
    }

    void handoutShowsEveryPageInOrder_data()
    {
        QTest::addColumn<int>("lecture");
        for (int lecture = 1; lecture <= 10; ++lecture)
            QTest::addRow("lecture %d", lecture) << lecture;
    }

    void handoutShowsEveryPageInOrder()
    {
        QFETCH(int, lecture);
        const QString pdf = written(lectureHandout(lecture, true, QDateTime::currentDateTime()));
        const written::Lecture &expected = *written::course().lecture(lecture);
        const QStringList sheets = pdf_tools::text(pdf).split(u'\f', Qt::SkipEmptyParts);
        const int pages = int(expected.pages.size()) + 1; // the introduction and each page
        QCOMPARE(sheets.size(), (pages + 1) / 2);
        for (qsizetype sheet = 0; sheet < sheets.size(); ++sheet) {
            const QString shown = pdf_tools::withoutSpaces(sheets[sheet]);
            QVERIFY2(shown.startsWith(u"第%1講"_s.arg(lecture)), qPrintable(shown.left(40)));
            QVERIFY2(shown.contains(u"%1/%2ページ"_s.arg(sheet + 1).arg(sheets.size())), qPrintable(shown));
        }

        // Each page under its caption, with what it printed, in order.
        const QString all = pdf_tools::withoutSpaces(sheets.join(QString()));
        QStringList captions{u"はじめ"_s};
        for (int page = 1; page < pages; ++page)
            captions << u"%1ページ目"_s.arg(page);
        QList<qsizetype> starts;
        for (const QString &caption : captions) {
            starts << all.indexOf(caption, starts.isEmpty() ? 0 : starts.last());
            QVERIFY2(starts.last() >= 0, qPrintable(caption));
        }
        auto panel = written::Operation::Kind::Text;
        for (int page = 0; page < pages; ++page) {
            const QString section = all.mid(starts[page], page + 1 < pages ? starts[page + 1] - starts[page] : -1);
            const QStringList printed =
                printedOnPage(page == 0 ? expected.introduction : expected.pages[std::size_t(page - 1)], panel);
            QVERIFY2(pdf_tools::firstMissing(section, printed).isEmpty(),
                     qPrintable(u"%1: %2"_s.arg(captions[page], pdf_tools::firstMissing(section, printed))));
        }
        QCOMPARE(pdf_tools::fontsNotEmbedded(pdf), QStringList());
        QCOMPARE(pdf_tools::pictureCount(pdf), 0);
    }

    void handoutPrintsTheDoctorsLinesOnlyWhenAsked()
    {
        const QString doctor = u"わしが数学博士である。"_s;
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(pdf_tools::text(written(lectureHandout(1, true, now))).contains(doctor));
        QVERIFY(!pdf_tools::text(written(lectureHandout(1, false, now))).contains(doctor));
    }

    void worksheetAndItsKey_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<std::optional<Stage>>("stage");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        for (int layout = 1; layout <= 3; ++layout)
            QTest::addRow("layout %d", layout) << layout << std::optional<Stage>() << 1 << 30;
        QTest::addRow("stage 1, layout 2") << 2 << std::optional(Stage::First) << 1 << 15;
        QTest::addRow("stage 2, layout 3") << 3 << std::optional(Stage::Second) << 16 << 30;
    }

    void worksheetAndItsKey()
    {
        QFETCH(int, layout);
        QFETCH(std::optional<Stage>, stage);
        QFETCH(int, first);
        QFETCH(int, last);
        const QString pdf = written(problemWorksheet(layout, stage, QDateTime::currentDateTime()));
        QStringList sheets = pdf_tools::text(pdf).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(sheets.size() >= 2);
        const QString key = sheets.takeLast();
        const QString questions = sheets.join(QString());

        QStringList asked;
        QStringList answered{u"解答"_s};
        for (int problem = first; problem <= last; ++problem) {
            const written::ProblemLayout &expected = *written::course().layout(problem, layout);
            asked << expected.printedLines() << numberedAnswers(expected);
            answered << expected.title.trimmed() + QString::number(expected.correct) +
                            expected.captions[std::size_t(expected.correct - 1)];
        }
        QCOMPARE(pdf_tools::firstMissing(questions, asked), QString());
        QCOMPARE(pdf_tools::firstMissing(key, answered), QString());
        // Only the problems asked for, and the key on a page of its own.
        const QString shown = pdf_tools::withoutSpaces(questions);
        QCOMPARE(shown.count(u"【問題"_s), last - first + 1);
        QVERIFY(!pdf_tools::withoutSpaces(key).contains(u"(1)"_s));
        QCOMPARE(pdf_tools::fontsNotEmbedded(pdf), QStringList());
        QCOMPARE(pdf_tools::pictureCount(pdf), 0);
    }

private:
    // The material as a PDF file; its path.
    QString written(const TeachingMaterial &material)
    {
        const QString path = folder_.filePath(u"material%1.pdf"_s.arg(++files_));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(pdfOf(material.frame, material.blocks)) < 0)
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QTemporaryDir folder_;
    int files_ = 0;
};

QTEST_MAIN(TeachingMaterialTest)
#include "tst_teaching_material.moc"
