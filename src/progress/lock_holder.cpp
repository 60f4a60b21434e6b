// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lock_holder.h"

#include <QList>
#include <QSysInfo>

namespace piyota {

namespace {

const QByteArray kProgramName = "piyota";

} // namespace

Machine Machine::current()
{
    return {QSysInfo::machineHostName().toUtf8(), QSysInfo::machineUniqueId()};
}

QByteArray lockFileContents(qint64 pid, const Machine &machine)
{
    return QByteArray::number(pid) + '\n' + kProgramName + '\n' + machine.hostName + '\n' + machine.machineId + '\n';
}

std::optional<Machine> holderMachine(QByteArrayView contents)
{
    // At least the pid, the program and the host name, each ended by a line
    // break (the split leaves one more, empty or the start of a cut line);
    // the machine id came later and may be missing.
    const QList<QByteArray> lines = contents.toByteArray().split('\n');
    if (lines.size() < 4)
        return std::nullopt;
    bool isNumber = false;
    const qint64 pid = lines[0].toLongLong(&isNumber);
    if (!isNumber || pid <= 0 || lines[2].isEmpty())
        return std::nullopt;
    return Machine{lines[2], lines.size() > 4 ? lines[3] : QByteArray()};
}

bool inUseOnAnotherMachine(const std::optional<Machine> &holder, const Machine &here,
                           std::chrono::seconds sinceRenewal)
{
    if (!holder)
        return false;
    // Machines cloned from one disk image share a machine id, so either
    // differing names another machine; a file without one names a host only.
    const bool anotherMachine = holder->hostName != here.hostName
        || (!holder->machineId.isEmpty() && holder->machineId != here.machineId);
    return anotherMachine && sinceRenewal < kLockStaleAfter;
}

} // namespace piyota
