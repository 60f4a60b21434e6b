// SPDX-FileCopyrightText: 2026 The Piyota developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "event_recorder.h"

#include <QAccessibleBridgePlugin>
#include <QList>

namespace piyota::testing {

namespace {

struct Event {
    const QObject *object;
    QAccessible::Event type;
    QString text;
};

QList<Event> &recorded()
{
    static QList<Event> events;
    return events;
}

QString textFor(QAccessibleEvent *event)
{
    QAccessibleInterface *iface = event->accessibleInterface();
    if (!iface || !iface->isValid())
        return {};
    switch (event->type()) {
    case QAccessible::NameChanged:
        return iface->text(QAccessible::Name);
    case QAccessible::DescriptionChanged:
        return iface->text(QAccessible::Description);
    default:
        return {};
    }
}

} // namespace

class RecordingBridge final : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        recorded().append({event->object(), event->type(), textFor(event)});
    }
};

void AccessibilityEvents::clear()
{
    recorded().clear();
}

QStringList AccessibilityEvents::told(const QObject *object, QAccessible::Event type)
{
    QStringList texts;
    for (const Event &event : recorded()) {
        if (event.object == object && event.type == type)
            texts.append(event.text);
    }
    return texts;
}

} // namespace piyota::testing

// Qt makes the bridge of every plugin it has for the interface, static ones
// too, and keeps it to the end of the process.
class AccessibilityEventRecorderPlugin final : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "event_recorder.json")
public:
    QAccessibleBridge *create(const QString &) override
    {
        static auto *const bridge = new piyota::testing::RecordingBridge;
        return bridge;
    }
};

#include "event_recorder.moc"
