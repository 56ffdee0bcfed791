#pragma once

#include <QCoreApplication>

namespace larkspan {

class frmWiz;

// The Text page: the page text with the Enter-key mask, Indent Selection and the text import.
class TextPage {
    Q_DECLARE_TR_FUNCTIONS(TextPage)

public:
    explicit TextPage(frmWiz& wiz);

    // Enter in the page text box; returns true when the key is to be swallowed.
    bool txtBox_KeyPress(int keyAscii);
    // "Enable Key Mask" changed.
    void chkBox_Click();
    void indentSelection();
    void ImportTextFile();

private:
    frmWiz& wiz;
};

} // namespace larkspan
