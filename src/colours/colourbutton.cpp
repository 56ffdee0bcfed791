// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours/colourbutton.h"

#include "ui/artwork.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace larkspan {

namespace {

QString faceResource(ColourButton::Face face)
{
    return face == ColourButton::Face::Pressed ? QStringLiteral(":/colours/pressed")
                                               : QStringLiteral(":/colours/raised");
}

// What a screen reader meets: a button labelled by its check box, pressed or not as its face shows, whose Press
// action opens the menu as the keys do. Qt's own button interface presses through the mouse handling, which this
// button leaves to its owner.
class ColourButtonInterface : public QAccessibleWidget {
public:
    explicit ColourButtonInterface(ColourButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.pressed = button()->face() == ColourButton::Face::Pressed;
        return state;
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if (match & QAccessible::Label)
            if (QAccessibleInterface* label = QAccessible::queryAccessibleInterface(button()->labelControl()))
                found.append({label, QAccessible::Label});
        return found;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ColourButton* button() const { return static_cast<ColourButton*>(widget()); }
};

QAccessibleInterface* colourButtonInterface(const QString&, QObject* object)
{
    auto* button = qobject_cast<ColourButton*>(object);
    return button ? new ColourButtonInterface(button) : nullptr;
}

} // namespace

ColourButton::ColourButton(QWidget* parent) : QAbstractButton(parent)
{
    static const bool interfaceInstalled = [] {
        QAccessible::installFactory(colourButtonInterface);
        return true;
    }();
    Q_UNUSED(interfaceInstalled);
    setFixedSize(FaceSize);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourButton::setFace(Face face)
{
    shown = face;
    // Drawn when it is next painted or asked for, so that faces never seen are never drawn.
    picture = QPixmap();
    update();
    Q_EMIT faceReplaced(face);
}

const QPixmap& ColourButton::facePicture() const
{
    // A move to a screen of another pixel ratio shows on the next paint, which draws the face anew.
    if (picture.isNull() || !qFuzzyCompare(picture.devicePixelRatio(), devicePixelRatioF()))
        picture = artworkPixmap(faceResource(shown), FaceSize, this);
    return picture;
}

void ColourButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void ColourButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void ColourButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void ColourButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: Q_EMIT keyActivated(); break;
    default:
        // Arrows and Tab move the focus as from any other control, not as within a button group.
        QWidget::keyPressEvent(event);
    }
}

void ColourButton::keyReleaseEvent(QKeyEvent* event)
{
    // The press has already opened the menu; a button's own release would click it once more.
    QWidget::keyReleaseEvent(event);
}

void ColourButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    painter.drawPixmap(0, 0, facePicture());
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace larkspan
