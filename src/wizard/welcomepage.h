// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"

#include <QCoreApplication>

namespace larkspan {

class WizardControls;

// The Welcome page: what the wizard is for, and where to start.
class WelcomePage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(WelcomePage)

public:
    explicit WelcomePage(WizardControls& wiz);
};

} // namespace larkspan
