// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/pagedocument.h"

#include <QDialog>

#include <string_view>

class QPlainTextEdit;

namespace larkspan {

// The read-only source browser: the window that holds the generated document, shows it and hands it to the page
// file exactly as it was written.
class frmEdit : public QDialog {
    Q_OBJECT

public:
    // The inner size each time the window is created.
    static constexpr QSize InitialSize{291, 242};

    explicit frmEdit(QWidget* owner);

    void Form_Load();
    void Form_Resize();

    // Replaces the document, the one kept and the one shown, in one step.
    void setPageDocument(PageDocument&& document);
    // The document exactly as written, CR LF pairs included; the text box shows it but turns its line ends into
    // paragraph breaks, so its text is not what the page file needs.
    std::string_view pageDocument() const { return document.text(); }

    // True once the window has been closed: its text is gone and it is on its way out, so the next use needs a
    // new one.
    bool isUnloaded() const { return unloaded; }

    // Escape ends the window through done() without a close event; it is unloaded all the same.
    void done(int result) override;

    QPlainTextEdit* txtSource = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Unload();
    void centreOnScreen();

    PageDocument document;
    bool unloaded = false;
};

} // namespace larkspan
