// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scriptedplatform.h"

#include "ui/wizardcontrols.h"

#include <QWidget>

#include <optional>

namespace larkspan {

// One page built on a bare panel of the wizard's size, lent the controls and the scripted platform as the window
// lends them, with no window around it: for tests of what the page's own controls do.
template <typename Page>
struct PanelFixture {
    explicit PanelFixture(WizardPage shown)
    {
        auto* panel = new QWidget(&window);
        panel->resize(430, 300);
        controls.picContainer[int(shown)] = panel;
        page.emplace(controls);
        page->formLoad();
        window.show();
    }

    QWidget window;
    ScriptedPlatform platform;
    WizardControls controls{window, platform};
    std::optional<Page> page; // made after the controls and gone before them
};

} // namespace larkspan
