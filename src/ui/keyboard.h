// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QKeyEvent;

class QStyle;

namespace larkspan {

// The Enter key as the text boxes' key handlers know it.
inline constexpr int KeyAsciiReturn = 13;

// What the main window's text boxes share beyond their own widgets: a box draws its selection only while it has
// the focus, a box on a hidden page holds none (screen readers would read it out), its getting the focus and its
// Enter key reach the window's handlers, and Shift+, Ctrl+ and Alt+Enter start a line exactly as Enter does.
class TextBoxEvents : public QObject {
public:
    std::function<void(int index)> gotFocus;
    // True when the key is to be swallowed.
    std::function<bool(int index, int keyAscii)> keyPress;

    explicit TextBoxEvents(QObject* parent) : QObject(parent) {}

    // Starts watching box as element index of the text box array.
    void watch(QWidget* box, int index);
    // Stops passing anything on; the window calls this before its controls and pages go.
    void detach();
    // Selects the box's whole text; a hidden box gets it selected when it shows again.
    void selectAll(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool enterKey(QObject* watched, int index, const QKeyEvent& key);
    // A hidden box's selection, put back when it shows if its text has not changed meanwhile (a new text has none).
    struct HeldSelection {
        QString text;
        int anchor = 0;
        int position = 0;
    };
    void holdSelection(int index);
    void restoreSelection(int index);

    QList<QWidget*> boxes;
    QList<std::optional<HeldSelection>> held;
    // The style of the one-line boxes: the application's, with no caret in a box that does not have the focus.
    QStyle* lineBoxStyle = nullptr;
};

// An open drop-down list, menu or completer folds on Escape, and the tool tip goes; nothing else happens.
// They take the key only after the shortcut map has asked, so the window's Escape shortcut is kept out here.
class PopupEscapeGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace larkspan
