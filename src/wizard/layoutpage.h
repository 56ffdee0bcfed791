// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/controls.h"
#include "ui/wizardpagebase.h"

#include <QCoreApplication>

#include <array>

class QLabel;

namespace larkspan {

class WizardControls;

// The Layout page: layout style with its thumbnail and description, page title, heading and heading size.
class LayoutPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(LayoutPage)

public:
    explicit LayoutPage(WizardControls& wiz);

    // Centres the thumbnails and fills the layout and heading size combos with their first choices.
    void formLoad() override;
    // The layout combo's choice changed, by the user or by the program.
    void cbBox_Click(int index) override;
    void resetForAnotherPage() override;
    void describe(PageSpec& spec) const override;
    void restore(const PageSpec& spec, const QString& pageFolder) override;
    void DescribeLayout(int index);
    // True when a layout style is chosen; otherwise tells the user and keeps the page.
    bool checkLayout();

    // The thumbnails of the six layout choices, stacked in the preview; the chosen one on top.
    std::array<QLabel*, TemplateCount> imgTemplates{};

private:
    void layoutChosen();

    WizardControls& wiz;
};

} // namespace larkspan
