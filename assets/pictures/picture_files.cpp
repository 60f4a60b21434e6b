// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picture_files.h"

namespace piyota::Picture {

FramePair boy()
{
    return {QStringLiteral(":/pictures/boy_frame1.xpm"), QStringLiteral(":/pictures/boy_frame2.xpm")};
}

FramePair companion()
{
    return {QStringLiteral(":/pictures/companion_frame1.xpm"),
            QStringLiteral(":/pictures/companion_frame2.xpm")};
}

FramePair doctor()
{
    return {QStringLiteral(":/pictures/doctor_frame1.xpm"),
            QStringLiteral(":/pictures/doctor_frame2.xpm")};
}

QString titleDecoration()
{
    return QStringLiteral(":/pictures/title_decoration.xpm");
}

} // namespace piyota::Picture
