#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The Welcome page: what the wizard is for, and where to start.
class WelcomePage {
    Q_DECLARE_TR_FUNCTIONS(WelcomePage)

public:
    explicit WelcomePage(frmWiz& wiz);
};

} // namespace larkspan
