// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <optional>

namespace larkspan {

class WizardControls;

// The file dialog in which both the page image and the background image are chosen. Empty when it is cancelled.
std::optional<OpenFileResult> choosePicture(WizardControls& wiz);

} // namespace larkspan
