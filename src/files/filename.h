// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace larkspan {

// A file name as the system holds it, bytes, made a QString without losing any: UTF-8 reads as QFile::decodeName
// reads it, and each byte that is no part of valid UTF-8 becomes the lone surrogate U+DC00 plus the byte (U+DC80 to
// U+DCFF), which no decoded name holds otherwise.
QString fileNameFromBytes(QByteArrayView bytes);

// The bytes of such a name again: what QFile::encodeName gives, each of those surrogates its own byte.
QByteArray fileNameBytes(const QString& name);

// The name for a message: each byte that is not UTF-8 shown as the replacement character.
QString fileNameForDisplay(const QString& name);

} // namespace larkspan
