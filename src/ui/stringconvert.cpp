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
    // Written through a pointer: appending character by character costs more than the box's own filling.
    QString result(crlfText.size(), Qt::Uninitialized);
    QChar* out = result.data();
    const QChar* in = crlfText.constData();
    const QChar* const end = in + crlfText.size();
    for (; in != end; ++in) {
        if (*in == u'\r') {
            if (in + 1 != end && in[1] == u'\n')
                ++in;
            *out++ = QChar::ParagraphSeparator;
        } else {
            *out++ = *in == u'\n' ? QChar(QChar::LineSeparator) : *in;
        }
    }
    result.truncate(out - result.constData());
    return result;
}

QString fromEditorText(const QString& editorText)
{
    // Room for every character to become two; cut to what was written.
    QString result(2 * editorText.size(), Qt::Uninitialized);
    QChar* out = result.data();
    for (const QChar c : editorText) {
        if (c == QChar::ParagraphSeparator) {
            *out++ = u'\r';
            *out++ = u'\n';
        } else {
            *out++ = c == QChar::LineSeparator ? QChar(u'\n') : c;
        }
    }
    result.truncate(out - result.constData());
    return result;
}

} // namespace larkspan
