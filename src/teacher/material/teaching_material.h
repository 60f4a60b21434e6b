// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "printed_document.h"

#include <QList>
#include <QString>

namespace piyota::teacher {

// Printed material for a class: what frames its pages and what they hold,
// for printDocument() or pdfOf().
struct TeachingMaterial {
    PageFrame frame;
    QList<PrintedBlock> blocks;
};

// What the course is called at the top of printed material.
inline QString courseName()
{
    return QStringLiteral("ぴよたの研修旅行2008（２次関数の巻）");
}

} // namespace piyota::teacher
