// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/stringconvert.h"

#include <QPlainTextEdit>

namespace larkspan {

QString plainTextWithCrLf(const QPlainTextEdit* box)
{
    return fromEditorText(box->document()->toRawText());
}

// A text box line ends at CR LF (or a lone CR); a lone LF is kept in its line as a line separator, which the editor
// shows as a break but keeps apart from its paragraph ends.
QString toEditorText(const QString& crlfText)
{
    QString result;
    result.reserve(crlfText.size());
    const qsizetype n = crlfText.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = crlfText.at(i);
        if (c == u'\r') {
            if (i + 1 < n && crlfText.at(i + 1) == u'\n')
                ++i;
            result += QChar::ParagraphSeparator;
        } else if (c == u'\n') {
            result += QChar::LineSeparator;
        } else {
            result += c;
        }
    }
    return result;
}

QString fromEditorText(const QString& editorText)
{
    QString result;
    result.reserve(editorText.size() + editorText.size() / 16);
    for (const QChar c : editorText) {
        if (c == QChar::ParagraphSeparator)
            result += QStringLiteral("\r\n");
        else if (c == QChar::LineSeparator)
            result += u'\n';
        else
            result += c;
    }
    return result;
}

} // namespace larkspan
