#include "course.h"
#include "lecture_page_drawing.h"
#include "question_printer.h"
#include "content/reader/transcription.h"

#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;
namespace written = piyota::transcription;

namespace {

// What a poppler tool prints about the file.
QString pdfTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return u"%1 failed: %2"_s.arg(tool, QString::fromUtf8(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutSpaces(QString text)
{
    return text.remove(u' ').remove(u'　').remove(u'\n');
}

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

// The first of the texts that the extracted text does not hold, in order
// and whole (spaces aside), or nothing.
QString firstMissing(const QString &extracted, const QStringList &texts)
{
    const QString all = withoutSpaces(extracted);
    qsizetype from = 0;
    for (const QString &text : texts) {
        const qsizetype at = all.indexOf(withoutSpaces(text), from);
        if (at < 0)
            return text;
        from = at;
    }
    return {};
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
        for (const QString &tool : {u"pdftotext"_s, u"pdffonts"_s, u"pdfimages"_s}) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QSKIP(qPrintable(tool + u" (poppler-utils) is not installed"_s));
        }
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
        const QString text = pdfTool(u"pdftotext"_s, {u"-raw"_s, pdf_, u"-"_s});
        const written::Lecture &lecture = *written::course().lecture(1);
        QStringList expected = printedLiterals(lecture.introduction);
        expected << u"「わしが数学博士である。」"_s << printedLiterals(lecture.pages.front());
        const QStringList question = written::course().layout(1, 2)->printedLines();
        QCOMPARE(firstMissing(text, expected), QString());
        QCOMPARE(firstMissing(text.section(u'\f', 1), question), QString());
    }

    void fontsAreEmbedded()
    {
        const QStringList lines = pdfTool(u"pdffonts"_s, {pdf_}).split(u'\n', Qt::SkipEmptyParts);
        QVERIFY2(lines.size() > 2, qPrintable(lines.join(u'\n'))); // a heading, a rule, a font at least
        for (const QString &font : lines.mid(2)) {
            // name type encoding emb sub uni object ID
            const QStringList columns = font.split(u' ', Qt::SkipEmptyParts);
            QVERIFY2(columns.size() >= 7 && columns[columns.size() - 5] == u"yes", qPrintable(font));
        }
    }

    void nothingIsAPicture()
    {
        const QStringList lines = pdfTool(u"pdfimages"_s, {u"-list"_s, pdf_}).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2); // the heading and its rule
    }

private:
    QTemporaryDir folder_;
    QString pdf_;
};

QTEST_MAIN(PrintedPagesTest)
#include "tst_painted_on_pdf.moc"
