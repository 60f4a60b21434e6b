// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course.h"
#include "lecture_page_drawing.h"
#include "question_printer.h"
#include "content/reader/transcription.h"
#include "pdf_tools.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;
namespace written = piyota::transcription;

namespace {

// The literals a lecture page prints, from the transcription, each once.
QStringList printedLiterals(const written::LecturePage &page)
{
    using Kind = written::Operation::Kind;
    QStringList literals;
    for (const written::Operation &op : page.operations) {
        if ((op.kind == Kind::Print || op.kind == Kind::PrintOn) && !op.text.trimmed().isEmpty())
            literals << op.text;
    }
    return literals;
}

} // namespace

// A lecture page and a question painted into a PDF, and read back as their
// readers read them: their texts are text in embedded fonts, nothing is a
// picture.
class PrintedPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (const QString missing = pdf_tools::missingTools(); !missing.isEmpty())
            QSKIP(qPrintable(missing + u" (poppler-utils) not installed"_s));
        QVERIFY(folder_.isValid());
        pdf_ = folder_.filePath(u"pages.pdf"_s);
        QPdfWriter writer(pdf_);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(600);
        QPainter painter(&writer);
        const QRectF page(QPointF(), QSizeF(writer.width(), writer.height()));
        const content::Lecture &lecture = content::lectures().front();
        LecturePageDrawing(lecture, 0).paint(painter, page.adjusted(0, 0, 0, -page.height() / 2), true);
        LecturePageDrawing(lecture, 1).paint(painter, page.adjusted(0, page.height() / 2, 0, 0), false);
        writer.newPage();
        paintQuestion(painter, page, 1, *content::presentedLayout(1, 2, content::Presentation::OnActivation));
        QVERIFY(painter.end());
    }

    void textsComeOutAsText()
    {
        const QString text = pdf_tools::text(pdf_);
        const written::Lecture &lecture = *written::course().lecture(1);
        QStringList expected = printedLiterals(lecture.introduction);
        expected << u"「わしが数学博士である。」"_s << printedLiterals(lecture.pages.front());
        const QStringList question = written::course().layout(1, 2)->printedLines();
        QCOMPARE(pdf_tools::firstMissing(text, expected), QString());
        QCOMPARE(pdf_tools::firstMissing(text.section(u'\f', 1), question), QString());
    }

    void fontsAreEmbeddedAndNothingIsAPicture()
    {
        QCOMPARE(pdf_tools::fontsNotEmbedded(pdf_), QStringList());
        QCOMPARE(pdf_tools::pictureCount(pdf_), 0);
    }

private:
    QTemporaryDir folder_;
    QString pdf_;
};

QTEST_MAIN(PrintedPagesTest)
#include "tst_painted_on_pdf.moc"
