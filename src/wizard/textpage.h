// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"

#include <QCoreApplication>

class QPlainTextEdit;
class QString;

namespace larkspan {

class WizardControls;

// The Text page: the page text with the Enter-key mask, Indent Selection and the text import.
class TextPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(TextPage)

public:
    explicit TextPage(WizardControls& wiz);

    void cmdButton_Click(int index) override;

    // Enter in the page text box; returns true when the key is to be swallowed.
    bool txtBox_KeyPress(int index, int keyAscii) override;
    // "Enable Key Mask" changed.
    void chkBox_Click(int index) override;
    void indentSelection();
    void ImportTextFile();
    // Replaces the page text with the file's lines, each ending in "<BR>"; a refused or failed import says why
    // and leaves the page text as it was.
    void LoadTextFile(const QString& path);
    // The finish step's reset: empty text, mask off, "<BR>" chosen.
    void resetForAnotherPage() override;
    void describe(PageSpec& spec) const override;
    void restore(const PageSpec& spec, const QString& pageFolder) override;

private:
    // Puts text (CR LF line ends) in place of the page text box's selection, as one undoable edit.
    void replaceSelection(const QString& text);

    WizardControls& wiz;
    QPlainTextEdit* textBox = nullptr;
};

} // namespace larkspan
