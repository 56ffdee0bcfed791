// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace larkspan {

// A last resort when an expected window never came: rejects whatever modal window is still up, innermost first.
// Bounded, so a window that refuses to go cannot turn the rescue itself into a hang.
inline void closeModalWindows()
{
    for (int left = 16; left > 0; --left) {
        QWidget* stuck = QApplication::activeModalWidget();
        if (!stuck)
            return;
        if (auto* dialog = qobject_cast<QDialog*>(stuck))
            dialog->reject();
        else
            stuck->hide();
    }
}

// Runs action on the next modal window of type Window that opens, as a user at the keyboard would. A dialog
// may open its own question from inside itself, so a modal window of another type is waited past. The polling
// lives on scope: deleting scope ends it, so a chain still waiting when its test is over never acts on a window
// of the next test. If none comes in time every modal window is closed, so the test fails instead of hanging.
// Actions only record what they see and always close the window; the test checks the record afterwards.
template <typename Window>
void whenModal(QObject* scope, std::function<void(Window*)> action, int triesLeft = 1000)
{
    QTimer::singleShot(10, scope, [scope, action = std::move(action), triesLeft]() mutable {
        if (auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget()))
            action(modal);
        else if (triesLeft > 0)
            whenModal<Window>(scope, std::move(action), triesLeft - 1);
        else
            closeModalWindows();
    });
}

// Presses one of the box's buttons. A box without that button is dismissed instead, so an unexpected box still
// closes; the caller learns which happened.
inline bool pressButton(QMessageBox* box, QMessageBox::StandardButton which)
{
    if (QAbstractButton* button = box->button(which)) {
        button->click();
        return true;
    }
    box->reject();
    return false;
}

// Names a file in the dialog and presses its accept button. The dialog does not overwrite a name the user is
// busy typing, so the name box must not hold the focus when the name is put in. A dialog that refuses the name
// stays open; it is cancelled then, so the test fails on its result instead of waiting.
inline void chooseFile(QFileDialog* dialog, const QString& name)
{
    if (QWidget* focused = dialog->focusWidget())
        focused->clearFocus();
    dialog->selectFile(name);
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    if (dialog->isVisible())
        dialog->reject();
}

} // namespace larkspan
