// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/filename.h"

#include "page/asciitext.h"

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

} // namespace

QString fileNameFromBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return QFile::decodeName(bytes.toByteArray());
    const std::string_view view(bytes.data(), std::size_t(bytes.size()));
    QString name;
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        if (const std::size_t length = Utf8SequenceLength(view.substr(std::size_t(i)))) {
            i += qsizetype(length);
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
