#pragma once

#include <QCoreApplication>

class QString;

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
    // Replaces the page text with the file's lines, each ending in "<BR>"; a refused or failed import says why
    // and leaves the page text as it was.
    void LoadTextFile(const QString& path);
    // The finish step's reset: empty text, mask off, "<BR>" chosen.
    void resetForAnotherPage();

private:
    // Puts text (CR LF line ends) in place of the page text box's selection, as one undoable edit.
    void replaceSelection(const QString& text);

    frmWiz& wiz;
};

} // namespace larkspan
