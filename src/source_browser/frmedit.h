#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace larkspan {

// The read-only source browser: the window that holds the generated document.
class frmEdit : public QDialog {
    Q_OBJECT

public:
    explicit frmEdit(QWidget* owner);

    void Form_Load();

    QPlainTextEdit* txtSource = nullptr;
};

} // namespace larkspan
