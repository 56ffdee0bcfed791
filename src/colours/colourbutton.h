// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QPointer>

namespace larkspan {

// A small picture button that opens a colour menu. It shows one of two faces, raised or pressed; which one it
// shows is the state its owner's mouse handling tests, so the face is changed only through setFace. It is a
// button to the keyboard and to screen readers, but the press and release are its owner's to interpret. A screen
// reader's Press clicks it, and it is the only thing that does.
class ColourButton : public QAbstractButton {
    Q_OBJECT

public:
    enum class Face { Raised, Pressed };
    static constexpr QSize FaceSize{18, 18};

    explicit ColourButton(QWidget* parent = nullptr);

    Face face() const { return shown; }
    // Replaces the picture, whether or not it differs.
    void setFace(Face face);
    // The picture of the current face, drawn for the screen that shows the button now.
    const QPixmap& facePicture() const;

    QSize sizeHint() const override { return FaceSize; }

    // The control that says what the button is for, which screen readers read as its label.
    void setLabel(QWidget* control) { label = control; }
    QWidget* labelControl() const { return label; }

Q_SIGNALS:
    // Positions are relative to the button, in pixels; x equal to the width is on the right edge.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Space or Enter while the button has the keyboard focus.
    void keyActivated();
    void faceReplaced(ColourButton::Face face);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    Face shown = Face::Raised;
    mutable QPixmap picture;
    QPointer<QWidget> label;
};

} // namespace larkspan
