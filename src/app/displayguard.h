// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace larkspan {

// Qt ends the program with a fatal message of several lines, and an abort, when its window system cannot start:
// on a machine without a graphical desktop, or with a display that does not answer. While it lives, a guard holds
// Qt's messages back; a fatal one becomes one plain line on the standard error and exit code 1, and the messages
// held back are passed on when the guard ends without one.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace larkspan
