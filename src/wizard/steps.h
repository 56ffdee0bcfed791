// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/controls.h"

#include <optional>
#include <span>

namespace larkspan {

// The side pictures, by their resource numbers, which run on from 2.
enum class SidePicture : int { Welcome = 2, Colors, Image, Text, BulletList, Links, Finish, Layout };
static_assert(int(SidePicture::Layout) == 9);

enum class StepDirection { Next, Previous };

// What a step does beyond moving between panels, done by the window's own code.
enum class StepHook {
    None,
    CheckLayout, // before anything: the step is made only when a layout style is chosen
    FillSummary, // after the next panel is shown, before the focus moves
    Finish,      // instead of a move: the finish action
    CloseWindow  // instead of a move: the program ends
};

enum class StepFocus { Unchanged, ForwardButton, LayoutCombo, PageText, BulletItem, LinkAddress, Email };
enum class Visibility { Unchanged, Shown, Hidden };
enum class CancelRole { Unchanged, BackwardButton, CancelButton };

// One row of the navigation: leaving a page in one direction. A step hides the panel of the page shown, loads the
// side picture, sets the window caption, shows the next panel, then makes its button and focus changes.
struct Step {
    WizardPage from;
    StepDirection direction;
    StepHook hook = StepHook::None;
    std::optional<WizardPage> to{}; // none: no panel changes
    SidePicture picture = SidePicture::Welcome;
    const char* caption = nullptr; // translated in the frmWiz context
    const char* forwardCaption = nullptr;
    const char* backwardCaption = nullptr;
    CancelRole cancelRole = CancelRole::Unchanged;
    Visibility backward = Visibility::Unchanged;
    Visibility cancel = Visibility::Unchanged;
    Visibility help = Visibility::Unchanged;
    Visibility about = Visibility::Unchanged;
    StepFocus focus = StepFocus::Unchanged;
};

// Every step of the wizard, forward and backward; each page has exactly one row for each direction.
std::span<const Step> wizardSteps();
// The row for leaving page in direction; null for a page outside the wizard.
const Step* findStep(int page, StepDirection direction);

} // namespace larkspan
