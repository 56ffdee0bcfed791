// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/textimport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringDecoder>
#include <QSysInfo>

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace larkspan {

namespace {

struct IconvCloser {
    void operator()(void* descriptor) const { iconv_close(static_cast<iconv_t>(descriptor)); }
};
using Iconv = std::unique_ptr<void, IconvCloser>;

Iconv openWindows1252Decoder()
{
    const char* utf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
    iconv_t descriptor = iconv_open(utf16, "WINDOWS-1252");
    if (descriptor == iconv_t(-1))
        return nullptr;
    return Iconv(descriptor);
}

QString decodeWindows1252(const QByteArray& bytes)
{
    const Iconv decoder = openWindows1252Decoder();
    if (!decoder)
        return QString::fromLatin1(bytes); // no conversion tables installed: the nearest the library offers

    // Every Windows-1252 byte is one character of the Basic Multilingual Plane.
    QString result(bytes.size(), Qt::Uninitialized);
    char* in = const_cast<char*>(bytes.constData());
    std::size_t inLeft = std::size_t(bytes.size());
    char* out = reinterpret_cast<char*>(result.data());
    std::size_t outLeft = std::size_t(result.size()) * sizeof(QChar);
    while (inLeft > 0) {
        if (iconv(static_cast<iconv_t>(decoder.get()), &in, &inLeft, &out, &outLeft) != std::size_t(-1))
            break;
        if (errno != EILSEQ && errno != EINVAL)
            break;
        // The five bytes the code page leaves undefined come through as the control characters of the same value,
        // as the system's own conversion does.
        const char16_t same = static_cast<unsigned char>(*in);
        std::memcpy(out, &same, sizeof same);
        out += sizeof same;
        outLeft -= sizeof same;
        ++in;
        --inLeft;
    }
    result.truncate(result.size() - qsizetype(outLeft / sizeof(QChar)));
    return result;
}

// The bytes after a UTF-16 byte order mark. A byte left over at the end is half a character: like a sequence cut off
// at the end of a UTF-8 file it is invalid, and shows as U+FFFD, where Qt's decoder would drop it unseen.
QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding byteOrder)
{
    const bool cut = bytes.size() % 2 != 0;
    // The mark is gone already; Qt's decoder would take a second one for the mark too and drop it.
    QStringDecoder decoder(byteOrder, QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(cut ? bytes.chopped(1) : bytes);
    if (cut)
        text += QChar::ReplacementCharacter;
    return text;
}

} // namespace

TextImport::TextImport(const QString& path) : file(path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        fail(Failure::Missing, QCoreApplication::translate("TextPage", "The file does not exist."));
        return;
    }
    if (!info.isFile()) {
        fail(Failure::SizeUnknown,
             QCoreApplication::translate("TextPage", "Its size cannot be read: it is not a plain file."));
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        fail(Failure::Unreadable,
             QCoreApplication::translate("TextPage", "It cannot be read: %1").arg(file.errorString()));
        return;
    }
    if (file.size() > SizeLimit)
        fail(Failure::TooLarge, QCoreApplication::translate("TextPage", "The text box is limited to only 32k."));
}

bool TextImport::read()
{
    if (!result)
        return false;
    // One byte more than allowed tells a file that grew since its size was checked.
    QByteArray bytes(SizeLimit + 1, Qt::Uninitialized);
    qint64 total = 0;
    while (total < bytes.size()) {
        const qint64 got = file.read(bytes.data() + total, bytes.size() - total);
        if (got < 0) {
            fail(Failure::Unreadable,
                 QCoreApplication::translate("TextPage", "It cannot be read: %1").arg(file.errorString()));
            return false;
        }
        if (got == 0)
            break;
        total += got;
    }
    file.close();
    if (total > SizeLimit) {
        fail(Failure::TooLarge, QCoreApplication::translate("TextPage", "The text box is limited to only 32k."));
        return false;
    }
    bytes.truncate(total);
    const QString decoded = decode(bytes);
    // A NUL is in no text a person typed: the file is a program, a picture or a document of another kind.
    if (decoded.contains(QChar(0))) {
        fail(Failure::NotText,
             QCoreApplication::translate("TextPage", "It is not a plain text file: it holds NUL bytes."));
        return false;
    }
    text = withLineBreaks(decoded);
    return true;
}

void TextImport::fail(Failure failure, const QString& reason)
{
    fault = failure;
    result = Outcome::failure(reason);
    text.clear();
    file.close();
}

QString TextImport::decode(const QByteArray& bytes)
{
    // A byte order mark names UTF-16; a UTF-8 one is dropped, and never read as three letters of the code page.
    if (bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16LE);
    if (bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16BE);
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;

    // Stateless, so that a sequence cut off at the end of the file counts as invalid; a mark after the dropped one is
    // a character of the text, kept.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(body);
}

QString TextImport::withLineBreaks(const QString& text)
{
    static const QString lineEnd = QStringLiteral("<BR>\r\n");
    QString result;
    result.reserve(text.size() + text.size() / 4 + lineEnd.size());
    qsizetype lineStart = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (text.at(i) != u'\r' && text.at(i) != u'\n')
            continue;
        result += QStringView(text).sliced(lineStart, i - lineStart);
        result += lineEnd;
        if (text.at(i) == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < n) {
        result += QStringView(text).sliced(lineStart);
        result += lineEnd;
    }
    return result;
}

} // namespace larkspan
