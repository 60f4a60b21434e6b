// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/progress_files.h"
#include "fakes/test_app.h"

#include "canvas.h"
#include "canvas/palette_values.h"
#include "lecture/lecture_screen.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include <cmath>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QString kSpeechLines = QStringLiteral("「わしが数学博士である。」\n「わしの説明を良く聞くんじゃ。」\n"
                                            "「そして、再度、問題に挑戦してみるんじゃ。」");

int inkPixels(const Canvas &canvas)
{
    const QImage &image = canvas.image();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) != QColor(Qt::white);
    return count;
}

QPoint pixelAt(const Canvas &canvas, double x, double y)
{
    const QPointF p = canvas.surface().coordinates().toPixels(x, y);
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

QColor colourAt(const Canvas &canvas, double x, double y)
{
    return canvas.image().pixelColor(pixelAt(canvas, x, y));
}

} // namespace

class LectureScreenTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { app_.emplace(); }

    void introductionShowsOnOpening()
    {
        open(3);
        QVERIFY(panel(1)->printedText().contains(QStringLiteral("のグラフ(赤色)")));
        QCOMPARE(panel(3)->printedText(), kSpeechLines);
        QCOMPARE(inkPixels(*panel(2)), 0);
        QVERIFY(screen()->windowTitle().startsWith(QStringLiteral("  ぴよたの研修旅行2008(２次関数の巻) for Windows")));
    }

    void pagesRunToTheQuiz()
    {
        open(3); // lecture 1: six pages
        next();
        QVERIFY(inkPixels(*panel(2)) > 500); // axes and three curves
        for (int page = 2; page <= 6; ++page)
            next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Lecture);
        QVERIFY(panel(1)->printedText().contains(QStringLiteral("ｸﾞﾗﾌのまとめ")));
        next();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage1Quiz);
    }

    void exitLeavesAtOnce()
    {
        open(29); // lecture 9
        for (int page = 1; page <= 5; ++page)
            next();
        button(2)->click();
        QCOMPARE(app_->navigator.currentId(), ScreenId::Stage2Quiz);
    }

    void textAfterAPlotStartsFromItsLastPoint()
    {
        open(26); // lecture 6, page 4 moves down from the plot of page 3
        for (int page = 1; page <= 3; ++page)
            next();
        const double lastY = panel(2)->surface().currentY();
        QVERIFY(std::abs(lastY - 18.04) < 0.05); // y = x^2 - 4x - 1 at x = 6.8
        next();
        QVERIFY(panel(2)->printedText().contains(QStringLiteral("最小値 －５ (ｘ＝２のとき)")));
        QVERIFY(panel(2)->surface().currentY() < lastY);
    }

    void pagesDrawWhatTheyPlot()
    {
        open(1);
        next(); // y = 3x^2 in red
        QCOMPARE(colourAt(*panel(2), 2, 12), colours::lightRed);
        QCOMPARE(colourAt(*panel(2), -1, 2), colours::green); // y = 2x^2 in green

        init();
        open(11);
        for (int page = 1; page <= 4; ++page)
            next();
        // The axis x = 2 of y = 2(x - 2)^2, in green.
        QCOMPARE(colourAt(*panel(2), 2, 30), colours::green);
        QCOMPARE(colourAt(*panel(2), 2, -30), colours::green);

        init();
        open(29);
        for (int page = 1; page <= 15; ++page)
            next();
        // Three red circles mark where y = (x - 2)^2 touches the x axis.
        const QPoint centre = pixelAt(*panel(2), 2, 0);
        int red = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                red += panel(2)->image().pixelColor(centre + QPoint(dx, dy)) == colours::lightRed;
        QVERIFY(red >= 8);
    }

    void panelsTellScreenReadersWhatTheySay()
    {
        open(21);
        QVERIFY(panel(1)->accessibleDescription().contains(QStringLiteral("と変形できる")));
        QCOMPARE(panel(3)->accessibleDescription(), kSpeechLines);
    }

    void figuresAlternateEvery300Milliseconds()
    {
        open(1);
        QCOMPARE(screen()->findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 300);
        auto shown = [this](int image) {
            return screen()->findChild<QLabel *>(QStringLiteral("Image%1").arg(image))->isVisibleTo(screen());
        };
        screen()->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2), shown(3), shown(4)}), (QList<bool>{false, true, false, true}));
        screen()->onBlinkTick();
        QCOMPARE((QList<bool>{shown(1), shown(2), shown(3), shown(4)}), (QList<bool>{true, false, true, false}));
    }

private:
    void open(int problemNo)
    {
        app_->course.problemNo = static_cast<std::int16_t>(problemNo);
        app_->course.userCode = QStringLiteral("zq");
        // The quiz screens it returns to reload the file.
        QVERIFY(writeBytes(app_->filePath(QStringLiteral("zq.ucd")), progressFileAt(std::max(problemNo, 1), 0)));
        app_->navigator.show(ScreenId::Lecture);
    }
    LectureScreen *screen() const { return qobject_cast<LectureScreen *>(app_->navigator.currentScreen()); }
    QPushButton *button(int number) const
    {
        return screen()->findChild<QPushButton *>(QStringLiteral("Command%1").arg(number));
    }
    Canvas *panel(int number) const
    {
        return screen()->findChild<Canvas *>(QStringLiteral("Picture%1").arg(number));
    }
    void next() { button(1)->click(); }

    std::optional<TestApp> app_;
};

QTEST_MAIN(LectureScreenTest)
#include "tst_lecture_screen.moc"
