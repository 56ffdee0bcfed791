#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The Finish page: the summary, the e-mail address, the source browser, saving and starting again.
class FinishPage {
    Q_DECLARE_TR_FUNCTIONS(FinishPage)

public:
    explicit FinishPage(frmWiz& wiz);

    void fillSummary();
    void sourceBrowser();
    // The forward button on this page.
    void finish();

private:
    frmWiz& wiz;
};

} // namespace larkspan
