// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filename.h"

#include <QFile>

namespace larkspan {

namespace {

constexpr char16_t FirstEscape = 0xDC80;
constexpr char16_t LastEscape = 0xDCFF;

// A byte's surrogate at i: a low surrogate of that range not preceded by a high one, with which it would be half of a
// character beyond U+FFFF.
bool isEscape(const QString& name, qsizetype i)
{
    const char16_t c = name[i].unicode();
    return c >= FirstEscape && c <= LastEscape && (i == 0 || !name[i - 1].isHighSurrogate());
}

// The length of the valid UTF-8 sequence at the start of bytes, or 0: the lead byte's length, each continuation
// byte in 80..BF, and no overlong form, surrogate or code point over U+10FFFF (the second byte's narrower ranges).
qsizetype validSequence(QByteArrayView bytes)
{
    const auto at = [&](qsizetype i) { return quint8(bytes[i]); };
    const quint8 lead = at(0);
    qsizetype length = 0;
    quint8 low = 0x80;
    quint8 high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else
        return 0;
    if (bytes.size() < length || at(1) < low || at(1) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (at(i) < 0x80 || at(i) > 0xBF)
            return 0;
    return length;
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QFile::decodeName(bytes.toByteArray());
    QString name;
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (const qsizetype length = validSequence(bytes.sliced(i))) {
            i += length;
            continue;
        }
        name += QFile::decodeName(bytes.sliced(runStart, i - runStart).toByteArray());
        name += QChar(char16_t(0xDC00 + quint8(bytes[i])));
        runStart = ++i;
    }
    name += QFile::decodeName(bytes.sliced(runStart).toByteArray());
    return name;
}

QByteArray fileNameBytes(const QString& name)
{
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (!isEscape(name, i))
            continue;
        bytes += QFile::encodeName(name.sliced(runStart, i - runStart));
        bytes += char(name[i].unicode() - 0xDC00);
        runStart = i + 1;
    }
    if (runStart == 0)
        return QFile::encodeName(name);
    bytes += QFile::encodeName(name.sliced(runStart));
    return bytes;
}

QString fileNameForDisplay(const QString& name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i)
        if (isEscape(name, i))
            shown[i] = QChar::ReplacementCharacter;
    return shown;
}

} // namespace larkspan
