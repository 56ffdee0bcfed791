// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windowaccessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace larkspan {

namespace {

constexpr char FrameProperty[] = "larkspanFrame";

QAccessibleInterface* frameInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || !object->property(FrameProperty).toBool())
        return nullptr;
    // A window's name is its caption, which QAccessibleWidget already reads.
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

void presentAsFrame(QWidget* window)
{
    static const bool installed = [] {
        QAccessible::installFactory(frameInterface);
        return true;
    }();
    Q_UNUSED(installed);
    window->setProperty(FrameProperty, true);
}

} // namespace larkspan
