// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessible_tree.h"
#include "event_recorder.h"
#include "screens/quiz/quiz_driver.h"
#include "screens/roulette/roulette_driver.h"

#include "canvas.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtPlugin>

Q_IMPORT_PLUGIN(AccessibilityEventRecorderPlugin)

using namespace Qt::StringLiterals;
using namespace piyota;
using namespace piyota::testing;

using Names = QMap<QString, QString>; // object name -> accessible name

Q_DECLARE_METATYPE(piyota::ScreenId)

namespace {

const QString kBoy = u"手を振るぴよた"_s;

// Opens a screen as the course comes to it, with something on every panel.
void openScreen(TestApp &app, ScreenId id)
{
    QuizDriver quiz(app);
    switch (id) {
    case ScreenId::Title:
    case ScreenId::StartMenu:
        app.navigator.show(id);
        break;
    case ScreenId::Stage1Quiz:
        quiz.openAt(1);
        break;
    case ScreenId::Stage2Quiz:
        quiz.openAt(16, 45000);
        quiz.answerWrong(); // the hint box warns
        break;
    case ScreenId::Lecture:
        quiz.openAt(3);
        quiz.help();
        app.navigator.currentScreen()->findChild<QPushButton *>(u"Command1"_s)->click(); // a page with graphs
        break;
    case ScreenId::Roulette:
        quiz.openAt(5, 12000);
        quiz.answerRight();
        quiz.next();
        break;
    case ScreenId::History:
        quiz.openAt(7, 21000);
        app.dialogs.yesNoAnswers = {true};
        quiz.quit();
        break;
    }
}

bool hasPicture(const QLabel *label)
{
    return !label->pixmap().isNull();
}

// Why a control does not read as it shows, or nothing.
QString misreading(const AccessibleNode &node, const Names &pictures)
{
    const QString name = node.widget->objectName();
    if (const auto *button = qobject_cast<QPushButton *>(node.widget)) {
        if (node.role != QAccessible::PushButton)
            return name + u" is no push button"_s;
        if (node.name.isEmpty() || node.name != button->text())
            return u"%1 reads \"%2\" for its caption \"%3\""_s.arg(name, node.name, button->text());
    } else if (const auto *canvas = qobject_cast<Canvas *>(node.widget)) {
        if (node.role != QAccessible::Graphic)
            return name + u" is no picture"_s;
        if (node.name != pictures.value(name))
            return u"%1 reads \"%2\" for \"%3\""_s.arg(name, node.name, pictures.value(name));
        const bool printed = !canvas->printedText().trimmed().isEmpty();
        if (node.description.isEmpty() == printed)
            return u"%1 is described as \"%2\" for the text \"%3\""_s.arg(name, node.description,
                                                                         canvas->printedText());
    } else if (const auto *label = qobject_cast<QLabel *>(node.widget); label && hasPicture(label)) {
        if (node.role != QAccessible::Graphic)
            return name + u" is no picture"_s;
        if (node.name.isEmpty() || node.name != pictures.value(name))
            return u"%1 reads \"%2\" for \"%3\""_s.arg(name, node.name, pictures.value(name));
    } else if (label) {
        if (node.role != QAccessible::StaticText)
            return name + u" is no static text"_s;
        if (node.name != label->text())
            return u"%1 reads \"%2\" for its text \"%3\""_s.arg(name, node.name, label->text());
    } else {
        return u"%1 is an unexpected %2"_s.arg(name, QString::fromLatin1(node.widget->metaObject()->className()));
    }
    return {};
}

} // namespace

// What a screen reader finds on each screen and what it is told while the
// student plays.
class ScreenAccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void everyControlReadsAsItShows_data()
    {
        QTest::addColumn<ScreenId>("screen");
        QTest::addColumn<Names>("pictures"); // the names of the pictures and panels
        const Names quizPictures{{u"Picture1"_s, u"問題"_s}, {u"Picture2"_s, u"解答群"_s},
                                 {u"Picture3"_s, u"ヒント"_s}, {u"Image1"_s, kBoy},
                                 {u"Image2"_s, kBoy},         {u"Image3"_s, kBoy},
                                 {u"Image4"_s, kBoy}};
        QTest::newRow("title") << ScreenId::Title
                               << Names{{u"Image1"_s, kBoy}, {u"Image3"_s, kBoy}, {u"Image2"_s, u"放物線と星の絵"_s}};
        QTest::newRow("start menu") << ScreenId::StartMenu << Names{};
        QTest::newRow("stage 1 quiz") << ScreenId::Stage1Quiz << quizPictures;
        QTest::newRow("stage 2 quiz") << ScreenId::Stage2Quiz << quizPictures;
        QTest::newRow("lecture") << ScreenId::Lecture
                                 << Names{{u"Picture1"_s, u"説明"_s},   {u"Picture2"_s, u"グラフ"_s},
                                          {u"Picture3"_s, u"数学博士の言葉"_s},
                                          {u"Image1"_s, kBoy},         {u"Image2"_s, kBoy},
                                          {u"Image3"_s, u"数学博士"_s}, {u"Image4"_s, u"数学博士"_s}};
        QTest::newRow("roulette") << ScreenId::Roulette
                                  << Names{{u"Picture1"_s, u"ボーナスルーレット"_s}, {u"Image1"_s, kBoy},
                                           {u"Image2"_s, kBoy}, {u"Image3"_s, u"踊るひよこ"_s},
                                           {u"Image4"_s, u"踊るひよこ"_s}};
        QTest::newRow("history board") << ScreenId::History << Names{{u"Image1"_s, kBoy}, {u"Image2"_s, kBoy}};
    }

    void everyControlReadsAsItShows()
    {
        QFETCH(ScreenId, screen);
        QFETCH(Names, pictures);
        TestApp app;
        openScreen(app, screen);
        QCOMPARE(app.navigator.currentId(), screen);
        QWidget *window = app.navigator.currentScreen();

        QAccessibleInterface *root = QAccessible::queryAccessibleInterface(window);
        QVERIFY(root);
        QCOMPARE(root->role(), QAccessible::Window);
        QVERIFY(!window->windowTitle().isEmpty());
        QCOMPARE(root->text(QAccessible::Name), window->windowTitle());

        const QList<AccessibleNode> nodes = accessibleDescendants(root);
        QStringList faults;
        QSet<QWidget *> reached;
        for (const AccessibleNode &node : nodes) {
            reached.insert(node.widget);
            const QString fault = misreading(node, pictures);
            if (!fault.isEmpty())
                faults << fault;
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(u'\n')));

        // A screen reader reaches every control, and every picture and panel has its name.
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        for (QWidget *control : controls)
            QVERIFY2(reached.contains(control), qPrintable(control->objectName()));
        QStringList namedPictures;
        for (const AccessibleNode &node : nodes) {
            if (node.role == QAccessible::Graphic)
                namedPictures << node.widget->objectName();
        }
        namedPictures.sort();
        QCOMPARE(namedPictures, pictures.keys());
    }

    void panelsReadTheirTextWithSquaresInPlace()
    {
        TestApp app;
        QuizDriver quiz(app);
        quiz.drawLayouts({2});
        quiz.openAt(1);
        const QStringList question = quiz.picture(1)->accessibleDescription().split(u'\n');
        QCOMPARE(question.mid(0, 3), (QStringList{u"　【問題１】"_s, u"　　　　関数のグラフが上に凸の放物線になるものを、次の関数"_s,
                                                u"　　　　から全て選びなさい。"_s}));
        QVERIFY2(question.contains(u"　　　　(ｱ) ｙ＝－２ｘ^2　　(ｲ) ｙ＝ｘ^2　　(ｳ) ｙ＝－３ｘ^3"_s), qPrintable(question.join(u'\n')));
        QVERIFY2(question.contains(u"　　　　(ｴ) ｙ＝ｘ　　　　　　(ｵ) ｙ＝－ｘ^2"_s), qPrintable(question.join(u'\n')));
        // The printed lines stay as printed: the digits' line, then the formula with its gaps.
        QVERIFY(quiz.picture(1)->printedText().contains(u"(ｱ) ｙ＝－２ｘ  　　(ｲ) ｙ＝ｘ  　　(ｳ) ｙ＝－３ｘ"_s));
        QVERIFY(quiz.picture(1)->printedText().contains(u"3\n"_s));
        QCOMPARE(quiz.picture(3)->accessibleDescription(), quiz.picture(3)->printedText()); // no squares there

        quiz.help();
        const auto *text = app.navigator.currentScreen()->findChild<Canvas *>(u"Picture1"_s);
        QVERIFY2(text->accessibleDescription().contains(u"　ｙ＝３ｘ^2のグラフ(赤色)\n　ｙ＝２ｘ^2のグラフ(緑色)"_s),
                 qPrintable(text->accessibleDescription()));
        app.navigator.currentScreen()->findChild<QPushButton *>(u"Command1"_s)->click();
        const auto *graph = app.navigator.currentScreen()->findChild<Canvas *>(u"Picture2"_s);
        const QStringList labels = graph->accessibleDescription().split(u'\n');
        QVERIFY2(labels.contains(u"　　　　y=3x^2"_s) && labels.contains(u" y=2x^2"_s) && labels.contains(u" y=x^2"_s),
                 qPrintable(labels.join(u'\n')));
    }

    void scoreAndVerdictAreAnnounced()
    {
        TestApp app;
        QuizDriver quiz(app);
        quiz.openAt(2, 3000);
        AccessibilityEvents::clear();
        quiz.answerWrong();
        QCOMPARE(AccessibilityEvents::told(quiz.label(2), QAccessible::NameChanged), QStringList{u"0"_s});
        QCOMPARE(AccessibilityEvents::told(quiz.label(4), QAccessible::NameChanged), QStringList{u"違う"_s});

        quiz.help();
        app.navigator.currentScreen()->findChild<QPushButton *>(u"Command2"_s)->click(); // EXIT
        AccessibilityEvents::clear();
        quiz.answerRight();
        QCOMPARE(AccessibilityEvents::told(quiz.label(2), QAccessible::NameChanged), QStringList{u"3000"_s});
        QCOMPARE(AccessibilityEvents::told(quiz.label(4), QAccessible::NameChanged), QStringList{u"正解"_s});

        // The next problem: the verdict goes, the question box tells its new text.
        AccessibilityEvents::clear();
        quiz.next();
        QCOMPARE(AccessibilityEvents::told(quiz.label(4), QAccessible::NameChanged), QStringList{QString()});
        const QStringList question = AccessibilityEvents::told(quiz.picture(1), QAccessible::DescriptionChanged);
        QVERIFY(!question.isEmpty());
        QCOMPARE(question.last(), quiz.picture(1)->accessibleDescription());
        QVERIFY(question.last().contains(u"【問題３】"_s));
    }

    void rouletteAndBoardAnnounceTheScore()
    {
        TestApp app;
        QuizDriver quiz(app);
        quiz.openAt(5, 12000);
        quiz.answerRight();
        quiz.next();
        RouletteDriver roulette(app);
        AccessibilityEvents::clear();
        roulette.spin(0.5f);
        // 15000, and 30000 for the sector of a draw of 0.5.
        QCOMPARE(AccessibilityEvents::told(roulette.label(2), QAccessible::NameChanged), QStringList{u"45000"_s});

        quiz.drawLayouts({1});
        roulette.next();
        app.dialogs.yesNoAnswers = {true};
        AccessibilityEvents::clear();
        quiz.quit();
        QCOMPARE(app.navigator.currentId(), ScreenId::History);
        const auto *board = app.navigator.currentScreen();
        const auto *score = board->findChild<QLabel *>(u"Label4"_s);
        const auto *progress = board->findChild<QLabel *>(u"Label3"_s);
        QCOMPARE(AccessibilityEvents::told(score, QAccessible::NameChanged), QStringList{u"45000"_s});
        QCOMPARE(AccessibilityEvents::told(progress, QAccessible::NameChanged),
                 QStringList{u"あなたは、問題 6 番まで進んでいます。"_s});
    }
};

QTEST_MAIN(ScreenAccessibilityTest)
#include "tst_screen_accessibility.moc"
