// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolTip>

namespace larkspan {

namespace {

// A box draws its selection only while it has the focus, so that boxes selected by the select-all rule do not
// all look focused at once; the selection itself stays (Indent Selection works on it).
void showSelection(QWidget* box, bool shown)
{
    QPalette palette = box->parentWidget() ? box->parentWidget()->palette() : QPalette();
    if (!shown) {
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            palette.setColor(group, QPalette::Highlight, palette.color(group, QPalette::Base));
            palette.setColor(group, QPalette::HighlightedText, palette.color(group, QPalette::Text));
        }
    }
    box->setPalette(palette);
}

} // namespace

void TextBoxEvents::watch(QWidget* box, int index)
{
    if (boxes.size() <= index)
        boxes.resize(index + 1);
    boxes[index] = box;
    box->installEventFilter(this);
    showSelection(box, false);
}

void TextBoxEvents::detach()
{
    for (QWidget* box : std::as_const(boxes))
        if (box)
            box->removeEventFilter(this);
    boxes.clear();
    gotFocus = nullptr;
    keyPress = nullptr;
}

bool TextBoxEvents::eventFilter(QObject* watched, QEvent* event)
{
    const qsizetype index = boxes.indexOf(watched);
    if (index < 0)
        return QObject::eventFilter(watched, event);
    QWidget* box = boxes[index];
    switch (event->type()) {
    case QEvent::FocusIn:
        showSelection(box, true);
        if (gotFocus)
            gotFocus(int(index));
        break;
    case QEvent::FocusOut:
        // The box's own context menu leaves the selection showing: it is what Copy and Cut work on.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            showSelection(box, false);
        break;
    case QEvent::KeyPress:
        if (enterKey(watched, int(index), *static_cast<QKeyEvent*>(event)))
            return true;
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

bool TextBoxEvents::enterKey(QObject* watched, int index, const QKeyEvent& key)
{
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && keyPress && keyPress(index, KeyAsciiReturn))
        return true;
    // Shift+Enter would put a lone line feed into the page, and the box ignores Ctrl+ and Alt+Enter; each starts
    // a new line exactly like Enter instead.
    constexpr auto otherEnter = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
    auto* edit = qobject_cast<QPlainTextEdit*>(watched);
    if (!edit || !((enter && (key.modifiers() & otherEnter)) || key.matches(QKeySequence::InsertLineSeparator)))
        return false;
    if (!edit->isReadOnly()) {
        QTextCursor cursor = edit->textCursor();
        cursor.insertBlock();
        edit->setTextCursor(cursor);
        edit->ensureCursorVisible();
    }
    return true;
}

bool PopupEscapeGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        if (QApplication::activePopupWidget()) {
            event->accept();
        } else if (QToolTip::isVisible()) {
            QToolTip::hideText();
            event->accept();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace larkspan
