#include "colours/colourbutton.h"

#include "wizard/artwork.h"

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

} // namespace

ColourButton::ColourButton(QWidget* parent) : QLabel(parent)
{
    setFixedSize(FaceSize);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourButton::setFace(Face face)
{
    shown = face;
    setPixmap(artworkPixmap(faceResource(face), FaceSize, this));
    Q_EMIT faceReplaced(face);
}

void ColourButton::refreshPicture()
{
    if (!pixmap().isNull() && !qFuzzyCompare(pixmap().devicePixelRatio(), devicePixelRatioF()))
        setPixmap(artworkPixmap(faceResource(shown), FaceSize, this));
}

bool ColourButton::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show)
        refreshPicture();
    return QLabel::event(event);
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
    case Qt::Key_Enter:
        Q_EMIT keyActivated();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ColourButton::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

} // namespace larkspan
