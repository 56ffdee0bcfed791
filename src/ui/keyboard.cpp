// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/keyboard.h"

#include <QApplication>
#include <QFocusEvent>
#include <QProxyStyle>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolTip>

#include <utility>

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

// The application's style, except that a one-line box draws no caret while it does not have the focus. Qt's styles
// show the caret of a box whose text is selected, focus or not, and the select-all rule selects the text of boxes
// that do not have the focus: each of them would show a caret that never blinks.
class CaretWithFocusOnly : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_BlinkCursorWhenTextSelected && widget && !widget->hasFocus())
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The selection of a box as anchor and caret, and setting it.
struct Selection {
    int anchor = 0;
    int position = 0;
};

Selection selectionOf(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        if (!line->hasSelectedText())
            return {line->cursorPosition(), line->cursorPosition()};
        const int start = line->selectionStart();
        const int end = start + line->selectionLength();
        return line->cursorPosition() == start ? Selection{end, start} : Selection{start, end};
    }
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(box))
        return {edit->textCursor().anchor(), edit->textCursor().position()};
    return {};
}

void select(QWidget* box, Selection selection)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setSelection(selection.anchor, selection.position - selection.anchor);
    } else if (auto* edit = qobject_cast<QPlainTextEdit*>(box)) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(selection.anchor);
        cursor.setPosition(selection.position, QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    }
}

QString textOf(const QWidget* box)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(box))
        return edit->toPlainText();
    return {};
}

} // namespace

void TextBoxEvents::watch(QWidget* box, int index)
{
    if (boxes.size() <= index) {
        boxes.resize(index + 1);
        held.resize(index + 1);
    }
    boxes[index] = box;
    box->installEventFilter(this);
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        if (!lineBoxStyle) {
            lineBoxStyle = new CaretWithFocusOnly;
            lineBoxStyle->setParent(this);
        }
        line->setStyle(lineBoxStyle);
    }
    showSelection(box, false);
}

void TextBoxEvents::detach()
{
    for (QWidget* box : std::as_const(boxes))
        if (box)
            box->removeEventFilter(this);
    boxes.clear();
    held.clear();
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
    case QEvent::Hide: holdSelection(int(index)); break;
    case QEvent::Show: restoreSelection(int(index)); break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

void TextBoxEvents::selectAll(int index)
{
    QWidget* box = boxes.value(index);
    if (!box)
        return;
    const QString text = textOf(box);
    if (box->isVisible())
        select(box, {0, int(text.size())});
    else
        held[index] = HeldSelection{text, 0, int(text.size())};
}

void TextBoxEvents::holdSelection(int index)
{
    QWidget* box = boxes[index];
    const Selection selection = selectionOf(box);
    if (selection.anchor == selection.position)
        return;
    held[index] = HeldSelection{textOf(box), selection.anchor, selection.position};
    // The caret stays where it was.
    select(box, {selection.position, selection.position});
}

void TextBoxEvents::restoreSelection(int index)
{
    const std::optional<HeldSelection> selection = std::exchange(held[index], std::nullopt);
    QWidget* box = boxes[index];
    if (selection && selection->text == textOf(box))
        select(box, {selection->anchor, selection->position});
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
