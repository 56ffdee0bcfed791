// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagespec.h"

class QString;

namespace larkspan {

// What every page of the wizard serves. The main window's handlers pass each control's event to the page that made
// the control, and to no other.
class WizardPageBase {
public:
    virtual ~WizardPageBase() = default;

    // The window has opened: first choices and first looks.
    virtual void formLoad() {}
    virtual void cmdButton_Click(int /*index*/) {}
    // Enter in a text box; true when the key is to be swallowed.
    virtual bool txtBox_KeyPress(int /*index*/, int /*keyAscii*/) { return false; }
    virtual void txtBox_Change(int /*index*/) {}
    virtual void chkBox_Click(int /*index*/) {}
    virtual void optRadio_Click(int /*index*/) {}
    virtual void lstBox_Click(int /*index*/) {}
    virtual void cbBox_Click(int /*index*/) {}

    // Starting another page: the page's answers as at the first start.
    virtual void resetForAnotherPage() {}
    // The page's answers into the description that the writers read.
    virtual void describe(PageSpec& /*spec*/) const {}
    // The answers of a page read back, set as if the user had made them on a page as at the first start.
    // pageFolder is the folder of the page file, where the page's pictures are.
    virtual void restore(const PageSpec& /*spec*/, const QString& /*pageFolder*/) {}

protected:
    WizardPageBase() = default;
    WizardPageBase(const WizardPageBase&) = delete;
    WizardPageBase& operator=(const WizardPageBase&) = delete;
};

} // namespace larkspan
