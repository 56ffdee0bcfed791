// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/steps.h"

#include <QtGlobal>

#include <array>

namespace larkspan {

namespace {

using P = WizardPage;
using D = StepDirection;
using H = StepHook;
using F = StepFocus;
using V = Visibility;
using C = CancelRole;

// Each return to Welcome loads its picture and caption and captions the forward button "&Start >".
constexpr const char* Start = QT_TRANSLATE_NOOP("larkspan::frmWiz", "&Start >");
constexpr const char* Next = QT_TRANSLATE_NOOP("larkspan::frmWiz", "&Next >");

// Kept as are: the forward caption to Finish and the backward one to Links have no blank before the hyphen, and
// going back to the image page leaves a trailing blank.
constexpr std::array steps{
    Step{.from = P::Welcome,
         .direction = D::Next,
         .to = P::Layout,
         .picture = SidePicture::Layout,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Select a page layout"),
         .forwardCaption = Next,
         .backwardCaption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "< &Back"),
         .cancelRole = C::CancelButton,
         .cancel = V::Shown,
         .about = V::Hidden,
         .focus = F::LayoutCombo},
    Step{.from = P::Layout,
         .direction = D::Next,
         .hook = H::CheckLayout,
         .to = P::Colors,
         .picture = SidePicture::Colors,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Select the color for your page"),
         .about = V::Hidden},
    Step{.from = P::Colors,
         .direction = D::Next,
         .to = P::Image,
         .picture = SidePicture::Image,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Select an image for your page")},
    Step{.from = P::Image,
         .direction = D::Next,
         .to = P::Text,
         .picture = SidePicture::Text,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Add some text to your page"),
         .focus = F::PageText},
    Step{.from = P::Text,
         .direction = D::Next,
         .to = P::BulletList,
         .picture = SidePicture::BulletList,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Add a Bullet List"),
         .focus = F::BulletItem},
    Step{.from = P::BulletList,
         .direction = D::Next,
         .to = P::Links,
         .picture = SidePicture::Links,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Add links to your page"),
         .focus = F::LinkAddress},
    Step{.from = P::Links,
         .direction = D::Next,
         .hook = H::FillSummary,
         .to = P::Finish,
         .picture = SidePicture::Finish,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1- Final Step: Finish your page"),
         .forwardCaption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "&Finish"),
         .focus = F::Email},
    Step{.from = P::Finish, .direction = D::Next, .hook = H::Finish},
    Step{.from = P::About,
         .direction = D::Next,
         .to = P::Welcome,
         .picture = SidePicture::Welcome,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1"),
         .forwardCaption = Start,
         .cancelRole = C::BackwardButton,
         .backward = V::Shown,
         .help = V::Shown,
         .about = V::Shown},

    Step{.from = P::Welcome, .direction = D::Previous, .hook = H::CloseWindow},
    Step{.from = P::Layout,
         .direction = D::Previous,
         .to = P::Welcome,
         .picture = SidePicture::Welcome,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1"),
         .forwardCaption = Start,
         .backwardCaption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "&Cancel"),
         .cancelRole = C::BackwardButton,
         .cancel = V::Hidden,
         .about = V::Shown,
         .focus = F::ForwardButton},
    Step{.from = P::Colors,
         .direction = D::Previous,
         .to = P::Layout,
         .picture = SidePicture::Layout,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Select a page layout"),
         .focus = F::LayoutCombo},
    Step{.from = P::Image,
         .direction = D::Previous,
         .to = P::Colors,
         .picture = SidePicture::Colors,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Select the color for your page")},
    Step{.from = P::Text,
         .direction = D::Previous,
         .to = P::Image,
         .picture = SidePicture::Image,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Select an image for your page ")},
    Step{.from = P::BulletList,
         .direction = D::Previous,
         .to = P::Text,
         .picture = SidePicture::Text,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Add some text to your page"),
         .focus = F::PageText},
    Step{.from = P::Links,
         .direction = D::Previous,
         .to = P::BulletList,
         .picture = SidePicture::BulletList,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1 - Add a Bullet List"),
         .focus = F::BulletItem},
    Step{.from = P::Finish,
         .direction = D::Previous,
         .to = P::Links,
         .picture = SidePicture::Links,
         .caption = QT_TRANSLATE_NOOP("larkspan::frmWiz", "Larkspan 1.1- Add links to your page"),
         .forwardCaption = Next,
         .focus = F::LinkAddress},
    // The About page has no backward button.
    Step{.from = P::About, .direction = D::Previous},
};

#undef CAPTION

} // namespace

std::span<const Step> wizardSteps()
{
    return steps;
}

const Step* findStep(int page, StepDirection direction)
{
    for (const Step& step : steps)
        if (int(step.from) == page && step.direction == direction)
            return &step;
    return nullptr;
}

} // namespace larkspan
