// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace larkspan {

// Shows a top-level window of the program to screen readers as a frame named by its caption, as they meet any
// application's main window; Qt presents a plain top-level widget as a filler without a role of its own. Called
// first thing in the window's constructor, before anything asks for its accessible interface.
void presentAsFrame(QWidget* window);

} // namespace larkspan
