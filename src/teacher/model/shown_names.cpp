// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shown_names.h"

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

namespace piyota::teacher {

namespace {

// The length of the UTF-8 sequence a byte starts, 0 when none starts with it.
qsizetype sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

QString escaped(unsigned char byte)
{
    return QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString readableName(QByteArrayView bytes)
{
    QString shown;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        const qsizetype length = sequenceLength(byte);
        const QByteArrayView sequence = bytes.sliced(i, std::min(length, bytes.size() - i));
        if (length == 0 || sequence.size() < length || !sequence.isValidUtf8() || byte < 0x20 || byte == 0x7F) {
            shown += escaped(byte);
            ++i;
        } else if (byte == '\\') {
            shown += QLatin1String("\\\\");
            ++i;
        } else {
            shown += QString::fromUtf8(sequence);
            i += length;
        }
    }
    return shown;
}

QString accountName(uid_t uid)
{
    const long bufferSize = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size_t(bufferSize > 0 ? bufferSize : 16384));
    passwd entry {};
    passwd *found = nullptr;
    if (::getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return QString::fromLocal8Bit(found->pw_name);
    return QString::number(uid);
}

} // namespace piyota::teacher
