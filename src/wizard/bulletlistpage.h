// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"
#include "wizard/entrylist.h"

#include <QCoreApplication>

class QPlainTextEdit;

namespace larkspan {

class WizardControls;

// The BulletList page: the bullet items and their style.
class BulletListPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(BulletListPage)

public:
    explicit BulletListPage(WizardControls& wiz);

    void cmdButton_Click(int index) override;

    // Fills the style combo with its first choice.
    void formLoad() override;
    // Returns false when the list is full; the item box then keeps its text.
    bool addItem();
    // Any text box changed: "Add Item" follows the item box.
    void txtBox_Change(int index) override;
    // Enter in the item box; returns true when the key is to be swallowed.
    bool txtBox_KeyPress(int index, int keyAscii) override;
    // Either list was clicked: "Remove Item" follows this list's selection.
    void lstBox_Click(int index) override;
    // The finish step's reset: no items, first style, empty item box. "Remove Item" is left as it is.
    void resetForAnotherPage() override;
    void describe(PageSpec& spec) const override;
    void restore(const PageSpec& spec, const QString& pageFolder) override;

    // An item as the list shows it: its line breaks as visible marks.
    static QString shownText(const QString& item);

private:
    WizardControls& wiz;
    entrylist::Rows rows;
    QPlainTextEdit* itemBox = nullptr;
};

} // namespace larkspan
