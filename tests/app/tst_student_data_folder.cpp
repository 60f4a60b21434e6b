// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/fake_platform.h"
#include "fakes/progress_files.h"
#include "student_data_folder.h"

#include <QTemporaryDir>
#include <QTest>

#include <optional>

using namespace piyota;
using namespace piyota::testing;

namespace {

const QString kAppId = QStringLiteral("io.example.Quiz");

QProcessEnvironment environmentWith(const QString &name, const QString &value)
{
    QProcessEnvironment environment;
    environment.insert(name, value);
    return environment;
}

} // namespace

// The student's command without a folder to work in tells the student why,
// in a window, and goes no further; with one, it asks nothing.
class StudentDataFolderTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        previous_ = QDir::currentPath();
        scratch_.emplace();
        dialogs_.asked.clear();
    }
    void cleanup() { QDir::setCurrent(previous_); }

    void aMissingSchoolFolderIsToldInAWindow()
    {
        const QString missing = scratch_->filePath(QStringLiteral("not-mounted"));
        QVERIFY(!openStudentDataFolder(dialogs_, environmentWith(QStringLiteral("PIYOTA_DATA_DIR"), missing), kAppId,
                                       QDir(scratch_->path())));
        QCOMPARE(dialogs_.asked.size(), 1);
        QCOMPARE(dialogs_.asked[0].kind, QStringLiteral("inform"));
        QCOMPARE(dialogs_.asked[0].text, QStringLiteral("学習の記録を保存するフォルダー「") + missing
                                             + QStringLiteral("」が見つかりません。\n先生に知らせてください。"));
        QCOMPARE(dialogs_.asked[0].title, QStringLiteral("ぴよたの研修旅行2008"));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void anOwnFolderThatCannotBeMadeIsToldInAWindow()
    {
        const QString home = scratch_->filePath(QStringLiteral("home"));
        QVERIFY(writeBytes(home, "not a folder"));
        QVERIFY(!openStudentDataFolder(dialogs_, environmentWith(QStringLiteral("HOME"), home), kAppId,
                                       QDir(scratch_->path())));
        QCOMPARE(dialogs_.asked.size(), 1);
        QCOMPARE(dialogs_.asked[0].text, QStringLiteral("学習の記録を保存するフォルダー「") + home
                                             + QStringLiteral("/.local/share/io.example.Quiz」を作れませんでした。\n"
                                                              "先生に知らせてください。"));
        QCOMPARE(dialogs_.asked[0].title, QStringLiteral("ぴよたの研修旅行2008"));
    }

    void aFolderToWorkInAsksNothing()
    {
        const QString home = scratch_->filePath(QStringLiteral("home"));
        const std::optional<QDir> folder = openStudentDataFolder(
            dialogs_, environmentWith(QStringLiteral("HOME"), home), kAppId, QDir(scratch_->path()));
        QVERIFY(folder);
        QCOMPARE(folder->path(), home + QStringLiteral("/.local/share/io.example.Quiz"));
        QCOMPARE(QDir::currentPath(), folder->path());
        QVERIFY(dialogs_.asked.isEmpty());
    }

private:
    std::optional<QTemporaryDir> scratch_;
    FakeDialogs dialogs_;
    QString previous_;
};

QTEST_GUILESS_MAIN(StudentDataFolderTest)
#include "tst_student_data_folder.moc"
