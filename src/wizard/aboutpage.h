#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The About page, reached only from Welcome.
class AboutPage {
    Q_DECLARE_TR_FUNCTIONS(AboutPage)

public:
    explicit AboutPage(frmWiz& wiz);
};

} // namespace larkspan
