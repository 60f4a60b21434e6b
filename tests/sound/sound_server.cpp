// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound_server.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace piyota::testing {

namespace {

constexpr int kStartSeconds = 10;
constexpr int kStopMs = 5000;
constexpr int kPollMs = 50;

} // namespace

PrivateSoundServer::PrivateSoundServer()
    : previousAddress_(qgetenv("PULSE_SERVER"))
    , hadAddress_(qEnvironmentVariableIsSet("PULSE_SERVER"))
{
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()) {
        error_ = QStringLiteral("PulseAudio is not installed (scripts/install-packages installs it)");
        return;
    }
    const QDir dir(dir_.path());
    const QString runtime = dir.filePath(QStringLiteral("xdg"));
    const QString socket = dir.filePath(QStringLiteral("native"));
    const QString log = dir.filePath(QStringLiteral("server.log"));
    if (!dir.mkdir(QStringLiteral("xdg"))
        || !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        error_ = QStringLiteral("no folder for the server");
        return;
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("HOME"), dir.path());
    server_.setProcessEnvironment(environment);
    server_.setStandardOutputFile(log);
    server_.setStandardErrorFile(log, QIODevice::Append);
    server_.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                   QStringLiteral("--use-pid-file=no"), QStringLiteral("-L"),
                   QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket,
                   QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=test_null rate=44100 channels=2")});
    const QDeadlineTimer deadline{std::chrono::seconds(kStartSeconds)};
    while (!QFile::exists(socket) && !deadline.hasExpired() && server_.state() != QProcess::NotRunning)
        server_.waitForFinished(kPollMs);
    if (!QFile::exists(socket)) {
        QFile output(log);
        const QByteArray said = output.open(QIODevice::ReadOnly) ? output.readAll().trimmed() : QByteArray();
        error_ = QStringLiteral("PulseAudio did not start: ") + QString::fromLocal8Bit(said.split('\n').last());
        return;
    }
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
}

PrivateSoundServer::~PrivateSoundServer()
{
    if (hadAddress_)
        qputenv("PULSE_SERVER", previousAddress_);
    else
        qunsetenv("PULSE_SERVER");
    if (server_.state() == QProcess::NotRunning)
        return;
    server_.terminate();
    if (!server_.waitForFinished(kStopMs))
        server_.kill();
}

int soundServerStreams(const QString &kind)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(kStopMs) || pactl.exitCode() != 0)
        return -1;
    const QStringList streams = QString::fromLocal8Bit(pactl.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    return int(streams.filter(kind).size());
}

bool waitForStreams(int count, std::chrono::milliseconds timeout, const QString &kind)
{
    const QDeadlineTimer deadline(timeout);
    while (soundServerStreams(kind) != count) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(kPollMs);
    }
    return true;
}

} // namespace piyota::testing
