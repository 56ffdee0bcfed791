// SPDX-License-Identifier: GPL-3.0-or-later
#include "source_browser/frmedit.h"

#include "ui/guardedboxes.h"
#include "ui/stringconvert.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScreen>

namespace larkspan {

frmEdit::frmEdit(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmEdit"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Source Browser - Read Only"));
    resize(InitialSize);

    txtSource = new GuardedTextBox(this);
    txtSource->setObjectName(QStringLiteral("txtSource"));
    txtSource->setReadOnly(true);
    // Read-only, but the user moves through the text and marks it with the keys as well as with the mouse.
    txtSource->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtSource->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtSource->setWordWrapMode(QTextOption::NoWrap);
    txtSource->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtSource->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Nobody edits this text, so keeping undo steps for a document of several megabytes would only cost time.
    txtSource->setUndoRedoEnabled(false);
    txtSource->setAccessibleName(tr("Page source"));

    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSizeF(8.25);
    courier.setWeight(QFont::Normal);
    courier.setItalic(false);
    courier.setUnderline(false);
    courier.setStrikeOut(false);
    txtSource->setFont(courier);
}

void frmEdit::Form_Load()
{
    Form_Resize();
}

// No layout: a layout would impose the text box's minimum size on the window, and the box must fill the inner area
// at any size, however small.
void frmEdit::Form_Resize()
{
    txtSource->setGeometry(rect());
}

void frmEdit::setPageDocument(PageDocument&& text)
{
    document = std::move(text);
    txtSource->setPlainText(toQt(document.text()));
}

void frmEdit::Form_Unload()
{
    txtSource->clear();
    document = PageDocument();
    // Not minimised on the way out: window managers minimise a dialog together with the window it belongs to, and
    // some (openbox) leave the wizard minimised with it, others give the keyboard to no window.
    unloaded = true;
}

void frmEdit::done(int result)
{
    Form_Unload();
    QDialog::done(result);
}

void frmEdit::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    QDialog::closeEvent(event);
    // Closing is never refused.
    event->accept();
}

void frmEdit::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmEdit::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        centreOnScreen();
    QDialog::showEvent(event);
}

// Centred on the screen, not over the main window. Before the window is first mapped its frame is not known yet;
// the owner's frame is then the best guess.
void frmEdit::centreOnScreen()
{
    const QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull() && owner)
        frame = QMargins(owner->geometry().left() - owner->frameGeometry().left(),
                         owner->geometry().top() - owner->frameGeometry().top(),
                         owner->frameGeometry().right() - owner->geometry().right(),
                         owner->frameGeometry().bottom() - owner->geometry().bottom());
    const QRect available = screen->availableGeometry();
    const QSize outer = size().grownBy(frame);
    const QPoint outerTopLeft(available.left() + (available.width() - outer.width()) / 2,
                              available.top() + (available.height() - outer.height()) / 2);
    move(outerTopLeft);
}

} // namespace larkspan
