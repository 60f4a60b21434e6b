// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "teaching_material.h"

#include <QDateTime>

namespace piyota::teacher {

// The math doctor's lectures, numbered from 1.
int lectureCount();

// Lecture `lecture` (1..lectureCount()) as a handout: its number and topic
// above every sheet, then its introduction and each of its pages as the
// student sees it once it is performed (the text and graph panels, and the
// math doctor's speech when asked for), captioned, two to an A4 sheet.
TeachingMaterial lectureHandout(int lecture, bool withSpeech, const QDateTime &madeAt);

// The caption of a handout's page: the introduction, or page k.
QString handoutPageCaption(int page);

} // namespace piyota::teacher
