// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace piyota;

namespace {

// Types into the next modal dialog once it is open, as a student would: the
// dialog is the active window and each key goes to its focused widget. A
// dialog the keys leave open is closed, so that a failing test ends.
class DialogTyping {
public:
    explicit DialogTyping(std::function<void()> keys)
    {
        QTimer::singleShot(0, [this, keys = std::move(keys)] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            opened_ = true;
            QApplication::setActiveWindow(dialog);
            keys();
            if (dialog->isVisible()) {
                leftOpen_ = true;
                dialog->reject();
            }
        });
    }

    bool opened() const { return opened_; }
    bool leftOpen() const { return leftOpen_; }

private:
    bool opened_ = false;
    bool leftOpen_ = false;
};

} // namespace

// The yes/no question and the input box, answered with the keyboard alone.
class DialogKeysTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void yesNoQuestion_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<bool>("yes");
        QTest::newRow("Return takes the default, Yes") << QList<int>{Qt::Key_Return} << true;
        QTest::newRow("Escape says No") << QList<int>{Qt::Key_Escape} << false;
        QTest::newRow("Tab to No, Space") << QList<int>{Qt::Key_Tab, Qt::Key_Space} << false;
        QTest::newRow("Tab to No, Return") << QList<int>{Qt::Key_Tab, Qt::Key_Return} << false;
    }

    void yesNoQuestion()
    {
        QFETCH(QList<int>, keys);
        QFETCH(bool, yes);
        QtDialogs dialogs;
        DialogTyping typing([&] {
            for (int key : keys)
                QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key));
        });
        const bool answer = dialogs.askYesNo(nullptr, QStringLiteral("終了していいですか？"),
                                             QStringLiteral("ぴよたの研修旅行2006"));
        QVERIFY(typing.opened());
        QVERIFY(!typing.leftOpen());
        QCOMPARE(answer, yes);
    }

    void inputBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("finish");
        QTest::addColumn<QString>("result");
        QTest::newRow("a code and Return") << QStringLiteral("taro01") << int(Qt::Key_Return)
                                            << QStringLiteral("taro01");
        QTest::newRow("a code and keypad Enter") << QStringLiteral("hana") << int(Qt::Key_Enter)
                                                  << QStringLiteral("hana");
        QTest::newRow("Escape gives nothing") << QStringLiteral("taro01") << int(Qt::Key_Escape) << QString();
    }

    void inputBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, finish);
        QFETCH(QString, result);
        QtDialogs dialogs;
        bool typedIntoTheField = false;
        DialogTyping typing([&] {
            QWidget *focused = QApplication::focusWidget();
            typedIntoTheField = qobject_cast<QLineEdit *>(focused) != nullptr;
            QTest::keyClicks(focused, typed);
            QTest::keyClick(focused, static_cast<Qt::Key>(finish),
                            finish == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        });
        const QString answer = dialogs.inputText(nullptr, QStringLiteral("ユーザーコードを入力してください"),
                                                 QStringLiteral("ユーザーコード入力"));
        QVERIFY(typing.opened());
        QVERIFY(typedIntoTheField); // the field has the focus from the start
        QVERIFY(!typing.leftOpen());
        QCOMPARE(answer, result);
    }
};

QTEST_MAIN(DialogKeysTest)
#include "tst_dialog_keys.moc"
