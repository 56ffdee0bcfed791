// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace larkspan {

// What became of something that can fail for a reason the user is to be told: done, or the reason in words.
struct Outcome {
    bool ok = true;
    QString reason;

    static Outcome failure(QString why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

} // namespace larkspan
