// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "class_overview.h"
#include "progress_reader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QFuture>
#include <QString>

#include <functional>

namespace piyota::teacher {

// Reads the progress file `name` of the open folder `folder`;
// readProgressFileAt() but in tests.
using ProgressFileReader = std::function<ProgressFileRead(int folder, const QByteArray &name)>;

// The name of a progress file as the program writes it: "<code>.ucd", the
// extension in lower case.
bool isProgressFileName(QByteArrayView name);

// Reads a class folder into an overview of the class, on a thread of the
// global pool: the progress files lying in the folder itself, and those of
// each student's folder in it (a directory, not hidden, not a link; its
// owner is the student's login). Files are only ever read, each through
// `read`; every ".ucd" entry that is not a progress file, and every
// student's folder that cannot be listed, is listed with the reason.
// Reports its progress as files read out of the files found, and stops at
// the next file once cancelled, with no result.
QFuture<ClassOverview> readClassOverview(const QString &folder, ProgressFileReader read = readProgressFileAt);

} // namespace piyota::teacher
