// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"
#include "wizard/entrylist.h"

#include <QCoreApplication>

namespace larkspan {

class WizardControls;

// The Links page: the link entries and the link style.
class LinksPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(LinksPage)

public:
    // Where the descriptions start in the link list, in dialog units from its left edge.
    static constexpr int DescriptionColumn = 50;

    explicit LinksPage(WizardControls& wiz);

    void cmdButton_Click(int index) override;

    // Gives the link list its description column.
    void formLoad() override;
    void addLink();
    // Any text box changed: "Add Link" follows the description box.
    void txtBox_Change(int index) override;
    // Either list was clicked: "Remove Link" follows this list's selection.
    void lstBox_Click(int index) override;
    // The finish step's reset: no links, default style, empty boxes. "Remove Link" is left as it is.
    void resetForAnotherPage() override;
    void describe(PageSpec& spec) const override;
    void restore(const PageSpec& spec, const QString& pageFolder) override;

private:
    WizardControls& wiz;
    entrylist::Rows rows;
};

} // namespace larkspan
