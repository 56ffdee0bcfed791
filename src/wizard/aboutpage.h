// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"

#include <QCoreApplication>

namespace larkspan {

class WizardControls;

// The About page, reached only from Welcome.
class AboutPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(AboutPage)

public:
    explicit AboutPage(WizardControls& wiz);
};

} // namespace larkspan
