// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <optional>

namespace larkspan {

class WizardControls;

// The file dialog in which both the page image and the background image are chosen. Empty when it is cancelled.
std::optional<OpenFileResult> choosePicture(WizardControls& wiz);

// The file that a picture box's name refers to, when the wizard knows it: the full path of the picture chosen in the
// dialog or found beside a reopened page, for as long as the box names that file. A name typed over the chosen one
// refers to another file, which the wizard does not know: empty then, and when the box is empty.
QString knownPicturePath(const QString& boxName, const QString& chosenPath);

} // namespace larkspan
