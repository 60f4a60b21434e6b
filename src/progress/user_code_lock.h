#pragma once

#include <QDir>
#include <QString>
#include <QTimer>

#include <memory>

class QLockFile;

namespace piyota {

// One program per user code at a time. The program that works on a code
// holds a lock file beside the progress files, ".<code>.lock", from the
// start menu until it ends; a second program that asks for the code is
// refused. The name is hidden and ends in ".lock", so that a teacher who
// copies the ".ucd" files never takes a lock along.
//
// The lock of a program that crashed or was killed is taken over at once on
// the same machine, and on another machine sharing the folder once it has
// not been renewed for five minutes: the holder renews it every minute.
class UserCodeLock {
public:
    explicit UserCodeLock(QDir directory);
    ~UserCodeLock();
    UserCodeLock(const UserCodeLock &) = delete;
    UserCodeLock &operator=(const UserCodeLock &) = delete;

    enum class Result {
        Held,       // this program has the code now
        InUse,      // another program works on it
        NotPossible // no lock file can be made here (an unusable code, a read-only folder)
    };

    // Takes the lock of `userCode`, letting go of one held on another code.
    Result take(const QString &userCode);

    static QString fileNameFor(const QString &userCode);

    // Marks the lock held as still in use, for programs on other machines;
    // done every minute while it is held.
    void renew() const;

private:
    QDir directory_;
    QString heldCode_;
    std::unique_ptr<QLockFile> lock_;
    QTimer renewal_;
};

} // namespace piyota
