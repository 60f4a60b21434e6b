#include "user_code_lock.h"

#include "progress_file.h"

#include <QFile>
#include <QLockFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>

namespace piyota {

namespace {

using namespace std::chrono_literals;

constexpr auto kRenewalInterval = 1min;
constexpr auto kStaleAfter = 5min;

} // namespace

UserCodeLock::UserCodeLock(QDir directory)
    : directory_(std::move(directory))
{
    renewal_.setInterval(kRenewalInterval);
    QObject::connect(&renewal_, &QTimer::timeout, &renewal_, [this] { renew(); });
}

UserCodeLock::~UserCodeLock() = default;

QString UserCodeLock::fileNameFor(const QString &userCode)
{
    return QLatin1Char('.') + userCode + QStringLiteral(".lock");
}

UserCodeLock::Result UserCodeLock::take(const QString &userCode)
{
    if (lock_ && heldCode_ == userCode)
        return Result::Held;
    renewal_.stop();
    lock_.reset();
    heldCode_.clear();
    if (!ProgressFile::isUsableCode(userCode))
        return Result::NotPossible;

    auto lock = std::make_unique<QLockFile>(directory_.filePath(fileNameFor(userCode)));
    lock->setStaleLockTime(kStaleAfter);
    if (!lock->tryLock())
        return lock->error() == QLockFile::LockFailedError ? Result::InUse : Result::NotPossible;
    lock_ = std::move(lock);
    heldCode_ = userCode;
    renewal_.start();
    return Result::Held;
}

void UserCodeLock::renew() const
{
    if (!lock_)
        return;
    ::utimensat(AT_FDCWD, QFile::encodeName(directory_.filePath(fileNameFor(heldCode_))).constData(), nullptr, 0);
}

} // namespace piyota
