// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QPlainTextEdit;

namespace larkspan {

// The one place where Qt's strings meet the core's UTF-8 strings.
inline std::string toStd(const QString& text)
{
    return text.toStdString();
}

inline QString toQt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Text of a several-line box with CR LF between its lines; a line break inside a line (a lone LF) comes back as LF.
QString plainTextWithCrLf(const QPlainTextEdit* box);
// Puts text with CR LF line ends into a several-line box; a lone LF stays a break inside its line.
QString toEditorText(const QString& crlfText);
QString fromEditorText(const QString& editorText);

} // namespace larkspan
