// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/guardedboxes.h"

#include <QMimeData>

namespace larkspan {

QString offeredText(const QMimeData* source)
{
    if (source == nullptr || source->formats().isEmpty() || !source->hasText())
        return {};
    return source->text();
}

bool GuardedTextBox::canInsertFromMimeData(const QMimeData* source) const
{
    return !isReadOnly() && !offeredText(source).isEmpty();
}

void GuardedTextBox::insertFromMimeData(const QMimeData* source)
{
    if (isReadOnly())
        return;
    const QString text = offeredText(source);
    if (!text.isEmpty())
        insertPlainText(text);
}

QValidator::State OneLineValidator::validate(QString& input, int& pos) const
{
    // A CR LF pair is one break, so it gives one blank; the cursor moves back by what the pair lost.
    const QString before = input.left(pos);
    fixup(input);
    QString head = before;
    fixup(head);
    pos = static_cast<int>(head.size());
    return Acceptable;
}

void OneLineValidator::fixup(QString& input) const
{
    input.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    input.replace(QLatin1Char('\r'), QLatin1Char(' '));
    input.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

} // namespace larkspan
