// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ink_watch.h"

#include "fakes/test_app.h"
#include "screens/quiz/quiz_driver.h"

#include "course.h"
#include "lectures/lecture.h"
#include "content/reader/transcription.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::testing;

namespace {

// The whole program, with every canvas of every screen watched from the
// moment the screen is made, before its activation draws.
struct WatchedApp {
    InkWatch watch;
    TestApp app{[this](ScreenId id, AppContext &context) {
        std::unique_ptr<Screen> screen = createScreen(id, context);
        const bool quiz = id == ScreenId::Stage1Quiz || id == ScreenId::Stage2Quiz;
        for (Canvas *canvas : screen->findChildren<Canvas *>()) {
            const bool questionBox = quiz && canvas->objectName() == QLatin1String("Picture1");
            watch.watch(*canvas, id == ScreenId::Roulette ? InkWatch::Kind::Wheel
                                 : questionBox            ? InkWatch::Kind::QuestionBox
                                                          : InkWatch::Kind::Panel);
        }
        return screen;
    }};
};

bool isFirstOfGroup(int problem)
{
    return (problem - 1) % 5 == 0;
}

// The scale of the lecture's graph panel at the end of page `page` (0 for
// the introduction), as the transcription gives it.
std::optional<InkWatch::Scale> graphScale(int lectureNumber, int page)
{
    using transcription::Operation;
    const transcription::Lecture *lecture = transcription::course().lecture(lectureNumber);
    std::optional<InkWatch::Scale> scale;
    for (int p = 0; p <= page; ++p) {
        const transcription::LecturePage &each = p == 0 ? lecture->introduction : lecture->pages[std::size_t(p - 1)];
        bool onGraph = false; // a page starts on the text panel
        for (const Operation &op : each.operations) {
            if (op.kind == Operation::Kind::Graph || op.kind == Operation::Kind::Text || op.kind == Operation::Kind::Speech)
                onGraph = op.kind == Operation::Kind::Graph;
            else if (onGraph && op.kind == Operation::Kind::Scale)
                scale = InkWatch::Scale{op.numbers[0], op.numbers[1], op.numbers[2], op.numbers[3]};
        }
    }
    return scale;
}

void reportFaults(const QStringList &faults)
{
    // QFAIL, unlike QVERIFY2, does not cut a long message short.
    if (!faults.isEmpty())
        QFAIL(qPrintable(u"at device pixel ratio %1:\n"_s.arg(qApp->devicePixelRatio()) + faults.join(u'\n')));
}

} // namespace

// Every screen that prints Japanese text, drawn as the student sees it at the
// device pixel ratio QT_SCALE_FACTOR gives (1, 1.5 and 2 in CTest), with the
// ink of each text read back from the canvas it was drawn on.
class ReadableScreensTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyLecturePageReads()
    {
        WatchedApp watched;
        TestApp &app = watched.app;
        app.course.userCode = u"zq"_s;
        for (const content::Lecture &lecture : content::lectures()) {
            app.course.problemNo = lecture.firstProblem;
            app.session.exitLecture(); // each lecture from its first page
            watched.watch.setPlace(u"lecture %1 introduction"_s.arg(lecture.number));
            watched.watch.setScale(u"Picture2"_s, graphScale(lecture.number, 0));
            app.navigator.show(ScreenId::Lecture);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the lecture before
            watched.watch.checkLabels();
            auto *next = app.navigator.currentScreen()->findChild<QPushButton *>(u"Command1"_s);
            for (std::size_t page = 1; page <= lecture.pages.size(); ++page) {
                watched.watch.setPlace(u"lecture %1 page %2"_s.arg(lecture.number).arg(page));
                watched.watch.setScale(u"Picture2"_s, graphScale(lecture.number, int(page)));
                next->click();
                watched.watch.checkLabels();
            }
            watched.watch.checkPointLabels();
        }
        reportFaults(watched.watch.faults());
    }

    void everyProblemReadsInEveryLayout()
    {
        QStringList faults;
        for (int problem = content::kFirstProblem; problem <= content::kLastProblem; ++problem) {
            for (int layout = 1; layout <= content::kLayoutCount; ++layout) {
                faults += presentationFaults(problem, layout, content::Presentation::OnActivation);
                if (!isFirstOfGroup(problem))
                    faults += presentationFaults(problem, layout, content::Presentation::AfterNext);
            }
        }
        faults.removeDuplicates(); // the problem before, presented on the way
        reportFaults(faults);
    }

    void rouletteLabelsStayInsideTheirSectors()
    {
        WatchedApp watched;
        watched.app.course.problemNo = 6;
        watched.watch.setPlace(u"roulette"_s);
        watched.app.navigator.show(ScreenId::Roulette);
        watched.watch.checkLabels();
        reportFaults(watched.watch.faults());
    }

private:
    // The faults of one problem in one layout, presented by the quiz
    // screen's activation or by 次へ from the problem before.
    static QStringList presentationFaults(int problem, int layout, content::Presentation how)
    {
        WatchedApp watched;
        QuizDriver quiz(watched.app);
        const QString place = u"problem %1 layout %2 "_s.arg(problem).arg(layout);
        if (how == content::Presentation::OnActivation) {
            quiz.drawLayouts({layout});
            watched.watch.setPlace(place + u"on activation"_s);
            quiz.openAt(problem);
        } else {
            quiz.drawLayouts({1, layout});
            watched.watch.setPlace(u"problem %1 layout 1 on activation"_s.arg(problem - 1));
            quiz.openAt(problem - 1);
            quiz.answerRight();
            watched.watch.setPlace(place + u"after 次へ"_s);
            quiz.next();
        }
        watched.watch.checkLabels();
        return watched.watch.faults();
    }
};

QTEST_MAIN(ReadableScreensTest)
#include "tst_readable_screens.moc"
