// SPDX-License-Identifier: GPL-3.0-or-later
// Any file's bytes through the text import's decoding and line splitting: every character of the file comes through,
// read in the encoding the import chooses for it, and every line end becomes "<BR>" and CR LF.
#include "check.h"
#include "wellformedutf8.h"

#include "files/textimport.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

using larkspan::TextImport;

namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined stand for the control characters of their value.
constexpr std::array<char16_t, 32> Windows1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString asWindows1252(QByteArrayView bytes)
{
    QString text;
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text += QChar(b >= 0x80 && b <= 0x9F ? Windows1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// Each pair of bytes one code unit, unpaired surrogates included; a byte left over at the end is half a character,
// invalid, and shows as U+FFFD.
QString asUtf16(QByteArrayView bytes, bool bigEndian)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        text += QChar(char16_t(bigEndian ? first << 8 | second : second << 8 | first));
    }
    if (bytes.size() % 2 != 0)
        text += QChar::ReplacementCharacter;
    return text;
}

void checkDecoding(QByteArrayView bytes, const QString& text)
{
    if (bytes.startsWith("\xFF\xFE")) {
        FUZZ_CHECK(text == asUtf16(bytes.sliced(2), false));
        return;
    }
    if (bytes.startsWith("\xFE\xFF")) {
        FUZZ_CHECK(text == asUtf16(bytes.sliced(2), true));
        return;
    }
    // One UTF-8 byte order mark goes; a second one is a character of the text.
    const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
    if (fuzzutf8::isWellFormed(std::string_view(body.data(), std::size_t(body.size()))))
        FUZZ_CHECK(text.toUtf8() == body);
    else
        FUZZ_CHECK(text == asWindows1252(body));
}

void checkLines(const QString& text, const QString& lines)
{
    const QString lineEnd = QStringLiteral("<BR>\r\n");
    QString expected;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            expected += lineEnd;
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else {
            expected += text[i];
        }
    }
    // The last line gets its break even when the file does not end with one.
    if (!text.isEmpty() && !text.endsWith(u'\r') && !text.endsWith(u'\n'))
        expected += lineEnd;
    FUZZ_CHECK(lines == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Not copied, so that a read past the end of the file is a read past the end of libFuzzer's buffer.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString text = TextImport::decode(bytes);
    checkDecoding(bytes, text);
    checkLines(text, TextImport::withLineBreaks(text));
    return 0;
}
