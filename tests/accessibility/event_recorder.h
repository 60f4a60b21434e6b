// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QStringList>

class QObject;

namespace piyota::testing {

// What a screen reader is told. Every accessibility event of the program
// reaches the recorder through Qt's interface for accessibility bridges (the
// way the AT-SPI bridge is told), also on the headless platform. Link
// event_recorder.cpp and import its plugin with
// Q_IMPORT_PLUGIN(AccessibilityEventRecorderPlugin).
namespace AccessibilityEvents {

void clear();

// What the object said of itself with each event of the type since the last
// clear, in order: its accessible name for NameChanged, its description for
// DescriptionChanged, as a screen reader reads them when told.
QStringList told(const QObject *object, QAccessible::Event type);

} // namespace AccessibilityEvents

} // namespace piyota::testing
