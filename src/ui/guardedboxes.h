// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QValidator>

class QMimeData;

namespace larkspan {

// A several-line box that takes only text from the clipboard, the selection or a drop. Qt 6.4's own paste
// dereferences the first format of the offered data, so an empty clipboard (normal on a fresh login) would end the
// program; here a paste with no data, or with no text in it, does nothing.
class GuardedTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

// Keeps a one-line box on one line: every line break that arrives by a paste or a drop becomes one blank.
class OneLineValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
};

// The text of data offered to a box, or an empty string when it offers none.
QString offeredText(const QMimeData* source);

} // namespace larkspan
