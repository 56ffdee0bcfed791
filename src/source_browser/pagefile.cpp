#include "source_browser/pagefile.h"

#include <QCoreApplication>
#include <QSaveFile>

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace larkspan {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

// The converter, closed when the conversion ends, however it ends.
class Converter {
public:
    Converter() : cd(iconv_open("WINDOWS-1252", "UTF-8")) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd != iconv_t(-1); }
    iconv_t get() const { return cd; }

private:
    iconv_t cd;
};

// The code point of the UTF-8 sequence at the start of bytes and its length; the replacement character and length 1
// when the bytes there are not well-formed UTF-8.
std::pair<char32_t, std::size_t> decodeOne(std::string_view bytes)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {ReplacementCharacter, 1};
    }
    if (bytes.size() < length)
        return {ReplacementCharacter, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {ReplacementCharacter, 1};
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return {ReplacementCharacter, 1};
    return {cp, length};
}

std::size_t asciiPrefixLength(std::string_view bytes)
{
    constexpr std::uint64_t HighBits = 0x8080808080808080u;
    std::size_t i = 0;
    for (std::uint64_t word; i + sizeof word <= bytes.size(); i += sizeof word) {
        std::memcpy(&word, bytes.data() + i, sizeof word);
        if (word & HighBits)
            break;
    }
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80)
        ++i;
    return i;
}

std::size_t nonAsciiPrefixLength(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80)
        ++i;
    return i;
}

} // namespace

std::optional<std::string> toWindows1252(std::string_view utf8)
{
    Converter converter;
    if (!converter.valid())
        return std::nullopt;

    // One character never takes more room in Windows-1252 than in UTF-8, so the input's length is room enough for
    // all but the references.
    std::string out;
    out.resize(utf8.size());
    std::size_t produced = 0;
    const auto makeRoom = [&](std::size_t needed) {
        if (out.size() - produced < needed)
            out.resize(std::max(out.size() * 2, produced + needed));
    };
    const auto append = [&](std::string_view bytes) {
        makeRoom(bytes.size());
        std::memcpy(out.data() + produced, bytes.data(), bytes.size());
        produced += bytes.size();
    };

    // iconv gets the pieces between the ASCII runs. After a character it cannot convert, it must not be handed a
    // long piece again at once: it decodes the whole piece before it finds the next such character, so text made
    // of them would cost the piece's length for every character. The piece grows again while iconv succeeds.
    constexpr std::size_t SmallPiece = 16;
    constexpr std::size_t LargePiece = std::size_t(1) << 20;
    std::size_t piece = LargePiece;

    std::string_view rest = utf8;
    while (!rest.empty()) {
        // ASCII is the same in both, and most of any page.
        const std::size_t ascii = asciiPrefixLength(rest);
        append(rest.substr(0, ascii));
        rest.remove_prefix(ascii);
        if (rest.empty())
            break;

        // Looked at no further than one byte past the piece, to know whether the piece cuts the run.
        const std::size_t run = nonAsciiPrefixLength(rest.substr(0, piece + 1));
        const std::size_t take = std::min(run, piece);
        makeRoom(take);
        char* in = const_cast<char*>(rest.data()); // iconv only reads its input
        std::size_t inLeft = take;
        char* const outStart = out.data() + produced;
        char* outPos = outStart;
        std::size_t outLeft = out.size() - produced;
        const std::size_t converted = iconv(converter.get(), &in, &inLeft, &outPos, &outLeft);
        const int error = errno;
        produced += std::size_t(outPos - outStart);
        rest.remove_prefix(take - inLeft);
        if (converted != std::size_t(-1)) {
            piece = std::min(piece * 2, LargePiece);
            continue;
        }
        // A character cut in two by the end of the piece: the next piece starts with it whole.
        if (error == EINVAL && take < run)
            continue;
        if (error != EILSEQ && error != EINVAL)
            return std::nullopt;
        // The one character iconv stopped at, written as a reference; the conversion goes on after it.
        const auto [cp, length] = decodeOne(rest);
        char reference[16];
        const int referenceLength = std::snprintf(reference, sizeof reference, "&#%u;", unsigned(cp));
        append(std::string_view(reference, std::size_t(referenceLength)));
        rest.remove_prefix(length);
        piece = SmallPiece;
    }
    out.resize(produced);
    return out;
}

PageFileResult SavePageFile(const QString& fileName, std::string_view document)
{
    // The name is what precedes the first NUL; a file dialog's buffer may hold blanks after it.
    const qsizetype end = fileName.indexOf(QChar(u'\0'));
    const QString name = end < 0 ? fileName : fileName.left(end);

    std::optional<std::string> bytes = toWindows1252(document);
    if (!bytes)
        return {false, QCoreApplication::translate("SavePageFile",
                                                   "The system cannot convert the page to Windows-1252.")};
    bytes->append("\r\n");

    // Unbuffered, so that every write reaches the system and its refusal comes back with the system's reason.
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, file.errorString()};
    // A short write (a full disk) reports nothing; writing on gets the refusal and its reason.
    for (std::string_view rest = *bytes; !rest.empty();) {
        const qint64 written = file.write(rest.data(), qint64(rest.size()));
        if (written <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return {false, reason};
        }
        rest.remove_prefix(std::size_t(written));
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

} // namespace larkspan
