// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "course_state.h"
#include "progress_file.h"
#include "progress_format.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>

using namespace piyota;

namespace {

QByteArray freshFile()
{
    QByteArray text = "1,0\r\n";
    for (int i = 0; i < 30; ++i)
        text += "0,0\r\n";
    return text;
}

// A file whose lines are given; the rest of the thirty problem lines are 0,0.
QByteArray fileWith(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    for (qsizetype i = lines.size(); i < 31; ++i)
        text += "0,0\r\n";
    return text;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Lets a test make every file write of this process fail beyond a size.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

class ProgressFileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.emplace();
        QVERIFY(dir_->isValid());
    }

    void freshStartWritesOneZeroAndThirtyZeroLines()
    {
        CourseState state;
        state.problemNo = 12;
        state.score = -6000;
        state.missCount[3] = 2;
        state.answerSeconds[3] = 41;
        state.missCount[0] = 7; // index 0 is left alone
        state.startFresh();
        QCOMPARE(state.missCount[0], 7);
        state.userCode = QStringLiteral("zq");
        QVERIFY(progress().saveProgress(state));
        QCOMPARE(readFile(dir_->filePath(QStringLiteral("zq.ucd"))), freshFile());
    }

    void numberNotation_data()
    {
        QTest::addColumn<double>("score");
        QTest::addColumn<float>("seconds");
        QTest::addColumn<QByteArray>("line1");
        QTest::addColumn<QByteArray>("line2");
        QTest::newRow("whole values") << 13000.0 << 41.0f << QByteArray("6,13000") << QByteArray("2,41");
        QTest::newRow("negative score") << -9000.0 << 0.0f << QByteArray("6,-9000") << QByteArray("2,0");
        QTest::newRow("clock reading after noon keeps two decimals")
            << 0.0 << 45296.37f << QByteArray("6,0") << QByteArray("2,45296.37");
        QTest::newRow("morning reading keeps three decimals")
            << 0.0 << 3723.125f << QByteArray("6,0") << QByteArray("2,3723.125");
        QTest::newRow("score with fifteen digits")
            << 123456789.123456 << 1.5f << QByteArray("6,123456789.123456") << QByteArray("2,1.5");
        QTest::newRow("negative zero is plain zero") << -0.0 << -0.0f << QByteArray("6,0") << QByteArray("2,0");
    }

    void numberNotation()
    {
        QFETCH(double, score);
        QFETCH(float, seconds);
        QFETCH(QByteArray, line1);
        QFETCH(QByteArray, line2);
        CourseState state;
        state.startFresh();
        state.problemNo = 6;
        state.score = score;
        state.missCount[1] = 2;
        state.answerSeconds[1] = seconds;
        const QList<QByteArray> lines = formatProgress(ProgressRecord::of(state)).split('\n');
        QCOMPARE(lines.size(), 32); // 31 CRLF lines and nothing after the last
        QCOMPARE(lines[0], line1 + '\r');
        QCOMPARE(lines[1], line2 + '\r');
        QCOMPARE(lines[31], QByteArray());
    }

    // Every problem line holds values of its own, so that a line read into
    // the wrong problem, or a problem left unread, shows.
    void roundTripKeepsEveryValue_data()
    {
        QTest::addColumn<int>("problemNo");
        QTest::addColumn<double>("score");
        QTest::newRow("mid course") << 17 << -27000.0;
        QTest::newRow("finished course, score of fifteen digits") << 30 << -123456789012345.0;
        QTest::newRow("score with a fraction") << 1 << 0.5;
    }

    void roundTripKeepsEveryValue()
    {
        QFETCH(int, problemNo);
        QFETCH(double, score);
        CourseState saved;
        saved.startFresh();
        saved.userCode = QStringLiteral("abc");
        saved.problemNo = static_cast<std::int16_t>(problemNo);
        saved.score = score;
        for (int i = 1; i <= 30; ++i) {
            saved.missCount[i] = i * i;
            saved.answerSeconds[i] = static_cast<float>(100 * i) + static_cast<float>(i) / 8; // exact in a float
        }
        saved.missCount[1] = 0;
        saved.missCount[30] = 32767; // the largest count a miss can reach
        saved.answerSeconds[29] = 86399.99f; // a clock reading just before midnight
        saved.answerSeconds[30] = 45296.37f; // one after noon, keeping two decimals
        QVERIFY(progress().saveProgress(saved));
        const QList<QByteArray> lines = readFile(dir_->filePath(QStringLiteral("abc.ucd"))).split('\n');
        QCOMPARE(lines.size(), 32);
        QCOMPARE(lines[2], QByteArray("4,200.25\r"));
        QCOMPARE(lines[29], QByteArray("841,86399.99\r"));
        QCOMPARE(lines[30], QByteArray("32767,45296.37\r"));

        CourseState loaded;
        loaded.userCode = saved.userCode;
        loaded.layoutNo = 2; // not in the file, so not touched
        loaded.missCount[0] = 5; // index 0 neither
        QVERIFY(progress().loadProgress(loaded));
        QCOMPARE(loaded.problemNo, saved.problemNo);
        QCOMPARE(loaded.score, saved.score);
        for (int i = 1; i <= 30; ++i) {
            QCOMPARE(loaded.missCount[i], saved.missCount[i]);
            QCOMPARE(loaded.answerSeconds[i], saved.answerSeconds[i]);
        }
        QCOMPARE(loaded.layoutNo, std::int16_t(2));
        QCOMPARE(loaded.missCount[0], 5);
    }

    void readerAcceptsWhatTheFormatAllows_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<float>("seconds1");
        QTest::newRow("fraction without leading zero") << fileWith({"3,0", "1,.5"}) << 0.5f;
        QTest::newRow("fraction with leading zero") << fileWith({"3,0", "1,0.5"}) << 0.5f;
        QTest::newRow("fields after the 62nd ignored") << (fileWith({"3,0", "1,7"}) + "junk,x\r\n") << 7.0f;
        QTest::newRow("no line end after the last field") << fileWith({"3,0", "1,7"}).chopped(2) << 7.0f;
        QTest::newRow("bare line feeds") << fileWith({"3,0", "1,7"}).replace("\r\n", "\n") << 7.0f;
    }

    void readerAcceptsWhatTheFormatAllows()
    {
        QFETCH(QByteArray, file);
        QFETCH(float, seconds1);
        const auto record = parseProgress(file);
        QVERIFY(record);
        QCOMPARE(record->problemNo, std::int16_t(3));
        QCOMPARE(record->missCount[1], 1);
        QCOMPARE(record->answerSeconds[1], seconds1);
    }

    void readerRefusesMalformedFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("too few fields") << freshFile().chopped(5);
        QTest::newRow("problem number not a number") << fileWith({"a,0"});
        QTest::newRow("problem number 31") << fileWith({"31,0"});
        QTest::newRow("problem number -1") << fileWith({"-1,0"});
        QTest::newRow("problem number with a fraction") << fileWith({"2.5,0"});
        QTest::newRow("score not a number") << fileWith({"1,12x"});
        QTest::newRow("score infinite") << fileWith({"1,inf"});
        QTest::newRow("score with plus sign") << fileWith({"1,+5"});
        QTest::newRow("miss count not a number") << fileWith({"1,0", "two,0"});
        QTest::newRow("miss count not whole") << fileWith({"1,0", "1.5,0"});
        QTest::newRow("seconds not a number") << fileWith({"1,0", "0,4x"});
        QTest::newRow("seconds beyond single precision") << fileWith({"1,0", "0,1e39"});
        QTest::newRow("empty field") << fileWith({"1,", "0,0"});
        QTest::newRow("thousands separator") << fileWith({"1,0", "0,1 000"});
    }

    void readerRefusesMalformedFiles()
    {
        QFETCH(QByteArray, file);
        QVERIFY(!parseProgress(file));
    }

    void failedLoadLeavesStateAsItWas()
    {
        writeFile(dir_->filePath(QStringLiteral("bad.ucd")), fileWith({"5,3000", "1,x"}));
        CourseState state;
        state.userCode = QStringLiteral("bad");
        state.problemNo = 9;
        state.score = 42;
        QVERIFY(!progress().loadProgress(state));
        QCOMPARE(state.problemNo, std::int16_t(9));
        QCOMPARE(state.score, 42.0);
        state.userCode = QStringLiteral("nobody");
        QVERIFY(!progress().loadProgress(state));
    }

    void interruptedSaveLeavesThePreviousFile()
    {
        const QString path = dir_->filePath(QStringLiteral("kenta.ucd"));
        const QByteArray previous = fileWith({"12,27000", "1,30"});
        writeFile(path, previous);
        CourseState state;
        state.startFresh();
        state.userCode = QStringLiteral("kenta");
        state.problemNo = 13;
        {
            FileSizeLimit limit(20); // every write stops after 20 bytes
            QVERIFY(!progress().saveProgress(state));
        }
        QCOMPARE(readFile(path), previous);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{QStringLiteral("kenta.ucd")});
    }

    void userCodes_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("usable");
        QTest::newRow("longer than eight characters") << QStringLiteral("abcdefghijkl") << true;
        QTest::newRow("Japanese") << QStringLiteral("たろう") << true;
        QTest::newRow("dots stay in the directory") << QStringLiteral("..") << true;
        QTest::newRow("slash") << QStringLiteral("../escape") << false;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << false;
        QTest::newRow("NUL") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << false;
        QTest::newRow("too long for the file system") << QString(300, QLatin1Char('x')) << false;
    }

    void userCodes()
    {
        QFETCH(QString, code);
        QFETCH(bool, usable);
        CourseState state;
        state.startFresh();
        state.userCode = code;
        QCOMPARE(progress().saveProgress(state), usable);
        const QStringList written = QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(written, usable ? QStringList{code + QStringLiteral(".ucd")} : QStringList());
        QDir parent(dir_->path());
        parent.cdUp();
        QVERIFY(!parent.exists(QStringLiteral("escape.ucd")));
        if (usable) {
            CourseState loaded;
            loaded.userCode = code;
            QVERIFY(progress().loadProgress(loaded));
            QCOMPARE(loaded.problemNo, std::int16_t(1));
        }
    }

private:
    ProgressFile progress() const { return ProgressFile(QDir(dir_->path())); }

    std::optional<QTemporaryDir> dir_; // a fresh working directory per test
};

QTEST_GUILESS_MAIN(ProgressFileTest)
#include "tst_progress_file.moc"
