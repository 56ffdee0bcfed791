// SPDX-License-Identifier: GPL-3.0-or-later
// Reads pages back: the golden documents, a few thousand generated pages full of the skeleton's own texts, pages
// that were changed by hand, and the page file's decoding.
#include "page/asciitext.h"
#include "page/pagereader.h"
#include "page/pagewriter.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

using namespace larkspan;

Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(LayoutStyle)
Q_DECLARE_METATYPE(LinkStyle)
Q_DECLARE_METATYPE(Unfit)
Q_DECLARE_METATYPE(PageField)

namespace {

const std::string kCreatedOn = "Monday, December 07, 2026";
const QString kGoldenMarker = QStringLiteral("basic_default.html");

std::string write(const PageSpec& spec, const std::string& createdOn)
{
    PageDocument target;
    const bool table = spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight;
    (table ? BuildTablePage : BuildBasicPage)(spec, createdOn, target);
    return std::string(target.text());
}

QByteArray visible(const std::string& text)
{
    return QByteArray::fromStdString(text).replace("\r", "\\r").replace("\n", "\\n\n");
}

std::string readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// The first from in text as to; a from that is not there is a mistake in the table, not a case.
std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    if (at == std::string::npos)
        qFatal("not in the document: %s", from.c_str());
    return text.replace(at, from.size(), to);
}

// Reads document and checks that the reading writes expected; an empty string when it does, else what went wrong.
QByteArray roundTripFailure(const std::string& document, const std::string& expected, bool encoded = false)
{
    const ReadResult result = ReadPage(document);
    if (!result.ok)
        return "not read (fault " + QByteArray::number(int(result.fault)) + ")\n" + visible(document);
    std::string again = write(result.spec, result.createdOn);
    if (encoded)
        again = EncodeAsAscii(again);
    if (again != expected)
        return "rewritten differently:\n" + visible(again) + "\nexpected:\n" + visible(expected);
    return {};
}

// Texts for generated pages: plain characters, line ends, the jump menu's escapes, references the user might type,
// and every line of a page that uses every input, so that user texts hold the skeleton's own lines.
class TextSource {
public:
    explicit TextSource(unsigned seed) : random(seed)
    {
        const std::string golden = readFile(QFINDTESTDATA("../data/basic_image_left_menu.html"));
        const std::string table = readFile(QFINDTESTDATA("../data/table_image_right_anchors.html"));
        const std::string centred = readFile(QFINDTESTDATA("../data/basic_style_anchors.html"));
        for (const std::string& page : {golden, table, centred}) {
            for (std::size_t p = 0; p < page.size();) {
                const std::size_t end = std::min(page.find("\r\n", p), page.size());
                pieces.push_back(page.substr(p, end - p));
                pieces.push_back(page.substr(p, end + 2 - p));
                p = end + 2;
            }
        }
        for (const char* piece : {"a",
                                  "Z",
                                  "0",
                                  " ",
                                  "\t",
                                  "\"",
                                  "'",
                                  "\\",
                                  "<",
                                  ">",
                                  "/",
                                  "&",
                                  "&#233;",
                                  "&#60;",
                                  "&amp;",
                                  "\xC3\xA9",
                                  "\xE6\x97\xA5\xE6\x9C\xAC",
                                  "\xF0\x9F\x98\x80",
                                  "\r\n",
                                  "\r",
                                  "\n",
                                  "<P>",
                                  "<BR>",
                                  "</TD>",
                                  "</UL>",
                                  "<LI>",
                                  "   <LI>",
                                  "\">",
                                  "');",
                                  "document.write('",
                                  "<\\/",
                                  "\\'",
                                  "\\n",
                                  "\" BORDER=0 HEIGHT=",
                                  " WIDTH=",
                                  " ALT=\"Image\"",
                                  " BGCOLOR=\"#FFFFFF\"",
                                  "-->"})
            pieces.emplace_back(piece);
    }

    std::string text(bool oneLine, int longest = 6)
    {
        std::string out;
        for (int n = pick(longest); n > 0; --n)
            out += pieces[std::size_t(pick(int(pieces.size()) - 1))];
        if (oneLine)
            std::erase_if(out, [](char c) { return c == '\r' || c == '\n'; });
        return out;
    }

    int pick(int highest) { return std::uniform_int_distribution<int>(0, highest)(random); }

private:
    std::mt19937 random;
    std::vector<std::string> pieces;
};

PageSpec randomPage(TextSource& source, LayoutStyle layout, LinkStyle linkStyle)
{
    const auto colour = [&](const char* name) {
        static const char* const values[] = {"#FFFFFF", "#000080", "#FF0000", "#00FF00"};
        return source.pick(2) == 0 ? std::string() : std::string(" ") + name + "=\"" + values[source.pick(3)] + "\"";
    };
    const auto number = [&] { return source.pick(3) == 0 ? std::string() : std::to_string(source.pick(2000)); };
    PageSpec spec;
    spec.layout = layout;
    spec.title = source.text(true);
    spec.heading = source.pick(2) == 0 ? std::string() : source.text(true);
    spec.headingSize = source.pick(5);
    spec.bgColorAttr = colour("BGCOLOR");
    spec.textColorAttr = colour("TEXT");
    spec.linkColorAttr = colour("LINK");
    spec.visitedLinkColorAttr = colour("VLINK");
    spec.activeLinkColorAttr = colour("ALINK");
    spec.backgroundImage = source.pick(2) == 0 ? std::string() : source.text(true);
    spec.pageImage = source.pick(2) == 0 ? std::string() : source.text(true);
    spec.imageWidth = number();
    spec.imageHeight = number();
    // The page text box and the item box end their lines at CR LF: a CR alone is not a text they hold.
    const auto textBox = [](std::string text) {
        for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', cr + 2))
            if (cr + 1 == text.size() || text[cr + 1] != '\n')
                text.insert(cr + 1, 1, '\n');
        return text;
    };
    spec.pageText = textBox(source.text(false, 12));
    for (int n = source.pick(4); n > 0; --n)
        spec.bulletItems.push_back(textBox(source.text(false)));
    spec.bulletStyle = source.pick(2);
    // The links page takes an entry only with both parts.
    for (int n = source.pick(4); n > 0; --n)
        spec.links.push_back("x" + source.text(true) + "\t" + source.text(true) + "y");
    spec.linkStyle = linkStyle;
    spec.authorEmail = source.pick(1) == 0 ? std::string() : source.text(true);
    return spec;
}

} // namespace

class TestPageReader : public QObject {
    Q_OBJECT

private slots:
    void goldenDocuments_data()
    {
        QTest::addColumn<QString>("path");
        const QString marker = QFINDTESTDATA(u"../data/"_s + kGoldenMarker);
        QVERIFY2(!marker.isEmpty(), "golden files not found");
        const QDir folder = QFileInfo(marker).dir();
        const QStringList names = folder.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
        QVERIFY(names.size() >= 13);
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }

    void goldenDocuments()
    {
        QFETCH(QString, path);
        const std::string document = readFile(path);
        QVERIFY(!document.empty());
        QByteArray failure = roundTripFailure(document, document);
        QVERIFY2(failure.isEmpty(), failure.constData());
        failure = roundTripFailure(document + "\r\n", document);
        QVERIFY2(failure.isEmpty(), failure.constData());
        QCOMPARE(ReadPage(document).createdOn, kCreatedOn);
    }

    void generatedPages_data()
    {
        QTest::addColumn<LayoutStyle>("layout");
        QTest::addColumn<LinkStyle>("linkStyle");
        for (int layout = 1; layout <= 5; ++layout) {
            QTest::newRow(qPrintable(QStringLiteral("layout %1, anchors").arg(layout)))
                << LayoutStyle(layout) << LinkStyle::Default;
            QTest::newRow(qPrintable(QStringLiteral("layout %1, jump menu").arg(layout)))
                << LayoutStyle(layout) << LinkStyle::ComboBox;
        }
    }

    void generatedPages()
    {
        QFETCH(LayoutStyle, layout);
        QFETCH(LinkStyle, linkStyle);
        constexpr int kPages = 400;
        TextSource source(unsigned(layout) * 2 + unsigned(linkStyle));
        for (int i = 0; i < kPages; ++i) {
            const PageSpec spec = randomPage(source, layout, linkStyle);
            const std::string createdOn = source.pick(3) == 0 ? source.text(true) : kCreatedOn;
            const std::string document = write(spec, createdOn);
            QByteArray failure = roundTripFailure(document, document);
            if (failure.isEmpty())
                failure = roundTripFailure(document + "\r\n", document);
            // Saved as ASCII and opened again: the same file once more.
            const std::string file = EncodeAsAscii(document);
            if (failure.isEmpty())
                failure = roundTripFailure(DecodePageFile(file + "\r\n"), file, true);
            QVERIFY2(failure.isEmpty(), qPrintable(QStringLiteral("page %1: ").arg(i) + QString::fromUtf8(failure)));
        }
    }

    void otherDocuments_data()
    {
        QTest::addColumn<std::string>("document");
        QTest::addColumn<ReadFault>("fault"); // None: the page reads
        QTest::addColumn<int>("part");        // for ReadFault::Changed, the PagePart named; -1: any
        QTest::addColumn<std::string>("rewritten");

        const std::string menu = readFile(QFINDTESTDATA("../data/table_image_left_menu.html"));
        const std::string basic = readFile(QFINDTESTDATA("../data/basic_style_anchors.html"));
        const std::string imageLeft = readFile(QFINDTESTDATA("../data/basic_image_left_anchors.html"));
        QVERIFY(!menu.empty() && !basic.empty() && !imageLeft.empty());
        const std::string otherMaker = replaced(replaced(replaced(menu, "Larkspan 1.1 -->", "Another Build 2.0 -->"),
                                                         "http://www.larkspan.example/lks or contact the author at "
                                                         "larkspan@larkspan.example-->",
                                                         "http://lks.example.org/lks or contact the author at x@y-->"),
                                                "\"http://www.larkspan.example/lks/\"",
                                                "\"http://lks.example.org/lks/\"");
        QVERIFY(!otherMaker.empty() && otherMaker != menu);

        const auto rejected = [](const char* name, const std::string& document, auto why) {
            if constexpr (std::is_same_v<decltype(why), ReadFault>)
                QTest::newRow(name) << document << why << -1 << std::string();
            else
                QTest::newRow(name) << document << ReadFault::Changed << int(why) << std::string();
        };
        QTest::newRow("another maker's addresses read, ours written") << otherMaker << ReadFault::None << -1 << menu;
        // Saved in the ANSI code page before the pages became ASCII.
        const std::string ansi = DecodePageFile(replaced(menu, "My Home Page", "Caf\xE9 \x93Home\x94"));
        QTest::newRow("a page in Windows-1252 reads once decoded") << ansi << ReadFault::None << -1 << ansi;
        // Saved again by an editor that writes UTF-8, with its byte-order mark and LF line ends.
        const std::string utf8 = replaced(menu, "My Home Page", "Caf\xC3\xA9");
        std::string lfOnly = "\xEF\xBB\xBF" + utf8;
        std::erase(lfOnly, '\r');
        QTest::newRow("UTF-8 with a byte-order mark and LF line ends reads once decoded")
            << DecodePageFile(lfOnly) << ReadFault::None << -1 << utf8;
        rejected("empty file", std::string(), ReadFault::Empty);
        rejected("a line end alone", std::string("\r\n"), ReadFault::Empty);
        rejected("another HTML file",
                 std::string("<!DOCTYPE html>\r\n<html><head><title>x</title></head><body></body></html>\r\n"),
                 ReadFault::NotOurs);
        rejected("our comment lines, another head", replaced(basic, "HTML 3.2", "HTML 4.01"), ReadFault::OtherHead);
        rejected("first comment line missing", basic.substr(basic.find("\r\n") + 2), ReadFault::NotOurs);
        rejected("cut in the middle", basic.substr(0, basic.size() / 2), ReadFault::Changed);
        rejected("cut before </HTML>", basic.substr(0, basic.size() - 3), PagePart::PageEnd);
        rejected("title line broken", replaced(basic, "</TITLE>", "</TITEL>"), PagePart::TitleLine);
        rejected("BODY tag broken", replaced(basic, "\">\r\n\r\n<!-- Page Header", "\r\n\r\n<!-- Page Header"),
                 PagePart::BodyTag);
        rejected("bullet type in capitals", replaced(basic, "\"square\"", "\"SQUARE\""), PagePart::BulletListStart);
        rejected("end of bullet list removed", replaced(basic, "</UL>\r\n", ""), PagePart::BulletListEnd);
        rejected("a link without its <BR>", replaced(basic, "</A><BR>\r\n\r\n<HR", "</A>\r\n\r\n<HR"),
                 PagePart::LinkListEnd);
        rejected("jump menu's script gone from the head",
                 replaced(menu, "<SCRIPT LANGUAGE=\"JavaScript\">\r\n<!--//", "<SCRIPT>\r\n<!--//"), PagePart::HeadEnd);
        rejected("an escape the menu never writes", replaced(menu, "Bob\\'s", "Bob\\x"), PagePart::JumpMenu);
        rejected("the last menu option's line end changed",
                 replaced(menu, "Bob\\'s news');\r\ndocument.write('</select>');",
                          "Bob\\'s news');\rxdocument.write('</select>');"),
                 PagePart::JumpMenu);
        // The writer would end the address at the TAB.
        rejected("a TAB in a menu option's address",
                 replaced(menu, "value=\"http://www.example.com/\">", "value=\"http://www.\texample.com/\">"),
                 ReadFault::ChangedLine);
        rejected("table cell closed twice", replaced(menu, "</TD>\r\n</TR>", "</TD>\r\n</TD>\r\n</TR>"),
                 PagePart::LinkListEnd);
        rejected("table cell aligned otherwise", replaced(menu, "VALIGN=\"TOP\"", "VALIGN=\"MIDDLE\""),
                 PagePart::Table);
        rejected("e-mail address changed in one place", replaced(basic, ">me@example.net<", ">you@example.net<"),
                 PagePart::EmailLine);
        const std::string blankLine = replaced(basic, "<!-- Page Text -->\r\n", "<!-- Page Text -->\r\n\r\n");
        QTest::newRow("a blank line added to the page text reads") << blankLine << ReadFault::None << -1 << blankLine;
        rejected("heading size that does not exist", replaced(basic, "<H2>", "<H7>"), PagePart::Heading);
        rejected("floating image aligned otherwise", replaced(imageLeft, "ALIGN=\"LEFT\"", "ALIGN=\"CENTER\""),
                 PagePart::PageImage);
        // Layout 2 without an image writes the whole block as page text.
        const std::string centredImage = replaced(basic, " ALT=\"Image\"></CENTER>", " ALT=\"Image\" ID=1></CENTER>");
        QTest::newRow("attribute added to the centred image reads")
            << centredImage << ReadFault::None << -1 << centredImage;
    }

    void otherDocuments()
    {
        QFETCH(std::string, document);
        QFETCH(ReadFault, fault);
        QFETCH(int, part);
        QFETCH(std::string, rewritten);
        const ReadResult result = ReadPage(document);
        if (fault == ReadFault::None) {
            QVERIFY2(result.ok, qPrintable(QStringLiteral("not read, fault %1").arg(int(result.fault))));
            QVERIFY(write(result.spec, result.createdOn) == rewritten);
            return;
        }
        QVERIFY2(!result.ok, "read a page it should not have read");
        QCOMPARE(int(result.fault), int(fault));
        if (part >= 0)
            QCOMPARE(int(result.part), part);
    }

    // Answers the wizard's boxes cannot hold are refused, naming the field; those at the limits, every colour the
    // Colors step shows and pictures whose names need escapes in an address read.
    void boxLimits_data()
    {
        QTest::addColumn<std::string>("document");
        QTest::addColumn<Unfit>("unfit");
        QTest::addColumn<PageField>("field");
        QTest::addColumn<std::string>("written"); // a part the document must hold

        PageSpec base;
        base.layout = LayoutStyle::BasicStyle;
        base.title = "Title";
        base.pageText = "Text<BR>\r\n";
        const auto row = [&](const char* name, const auto& change, Unfit unfit, PageField field,
                             const std::string& written = std::string()) {
            PageSpec spec = base;
            change(spec);
            QTest::newRow(name) << write(spec, kCreatedOn) << unfit << field << written;
        };
        const std::string longest(kLineBoxLimit, 'x');
        std::string emoji;
        for (std::size_t i = 0; i < kLineBoxLimit / 2 + 1; ++i)
            emoji += "\xF0\x9F\x98\x80";
        row(
            "title as long as its box", [&](PageSpec& s) { s.title = longest; }, Unfit::None, PageField::Title);
        row(
            "title a character too long", [&](PageSpec& s) { s.title = longest + "x"; }, Unfit::TooLong,
            PageField::Title);
        row(
            "title too long in UTF-16 units", [&](PageSpec& s) { s.title = emoji; }, Unfit::TooLong, PageField::Title);
        row(
            "heading too long", [&](PageSpec& s) { s.heading = longest + "x"; }, Unfit::TooLong, PageField::Heading);
        row(
            "e-mail address too long", [&](PageSpec& s) { s.authorEmail = longest + "x"; }, Unfit::TooLong,
            PageField::AuthorEmail);
        row(
            "page picture's name too long", [&](PageSpec& s) { s.pageImage = longest + "x"; }, Unfit::TooLong,
            PageField::PageImage);
        row(
            "a CR in the heading", [&](PageSpec& s) { s.heading = "a\rb"; }, Unfit::LineBreak, PageField::Heading);
        row(
            "a line separator in the title",
            [&](PageSpec& s) {
                s.title = "a\xE2\x80\xA8"
                          "b";
            },
            Unfit::LineBreak, PageField::Title);
        row(
            "a paragraph separator in the title",
            [&](PageSpec& s) {
                s.title = "a\xE2\x80\xA9"
                          "b";
            },
            Unfit::LineBreak, PageField::Title);
        row(
            "a lone CR in the page text", [&](PageSpec& s) { s.pageText = "a\rb"; }, Unfit::LineBreak,
            PageField::PageText);
        row(
            "a lone LF in the page text reads", [&](PageSpec& s) { s.pageText = "a\nb\r\n"; }, Unfit::None,
            PageField::PageText);
        row(
            "page text at its limit", [&](PageSpec& s) { s.pageText = std::string(kPageTextLimit, 'x'); }, Unfit::None,
            PageField::PageText);
        row(
            "page text over its limit", [&](PageSpec& s) { s.pageText = std::string(kPageTextLimit + 1, 'x'); },
            Unfit::TooLong, PageField::PageText);
        row(
            "more bullet items than the list takes", [&](PageSpec& s) { s.bulletItems.assign(kListLimit + 1, "i"); },
            Unfit::TooMany, PageField::BulletItems);
        row(
            "as many links as the list takes", [&](PageSpec& s) { s.links.assign(kListLimit, "a\td"); }, Unfit::None,
            PageField::Links);
        row(
            "more links than the list takes", [&](PageSpec& s) { s.links.assign(kListLimit + 1, "a\td"); },
            Unfit::TooMany, PageField::Links);
        row(
            "not UTF-8", [&](PageSpec& s) { s.title = "Caf\xE9"; }, Unfit::NotWellFormed, PageField::Title);
        row(
            "colour digits in lower case", [&](PageSpec& s) { s.bgColorAttr = " BGCOLOR=\"#ffff00\""; }, Unfit::None,
            PageField::BackgroundColour, " BGCOLOR=\"#ffff00\"");
        row(
            "colour names in any case",
            [&](PageSpec& s) {
                s.textColorAttr = " TEXT=\"yellow\"";
                s.linkColorAttr = " LINK=\"Navy\"";
            },
            Unfit::None, PageField::TextColour, " TEXT=\"yellow\" LINK=\"Navy\"");
        row(
            "colour with five digits", [&](PageSpec& s) { s.linkColorAttr = " LINK=\"#FFFF0\""; }, Unfit::OtherColour,
            PageField::LinkColour);
        row(
            "colour name beyond HTML 3.2", [&](PageSpec& s) { s.activeLinkColorAttr = " ALINK=\"orange\""; },
            Unfit::OtherColour, PageField::ActiveLinkColour);
        row(
            "background picture with # in its name", [&](PageSpec& s) { s.backgroundImage = "bg #2.gif"; }, Unfit::None,
            PageField::BackgroundImage, "BACKGROUND=\"bg %232.gif\"");
        row(
            "page picture with ?, % and a quote in its name",
            [&](PageSpec& s) {
                s.layout = LayoutStyle::TableImageLeft;
                s.pageImage = "a?b \"100%\".jpg";
            },
            Unfit::None, PageField::PageImage, "SRC=\"a%3Fb %22100%25%22.jpg\"");
        row(
            "picture name holding an escape", [&](PageSpec& s) { s.pageImage = "x%23.gif"; }, Unfit::None,
            PageField::PageImage, "SRC=\"x%2523.gif\"");
    }

    void boxLimits()
    {
        QFETCH(std::string, document);
        QFETCH(Unfit, unfit);
        QFETCH(PageField, field);
        QFETCH(std::string, written);
        QVERIFY(document.find(written) != std::string::npos);
        const ReadResult result = ReadPage(document);
        QCOMPARE(result.refusal.unfit, unfit);
        QCOMPARE(result.ok, unfit == Unfit::None);
        if (!result.ok) {
            if (unfit != Unfit::NotWellFormed)
                QCOMPARE(result.refusal.field, field);
            return;
        }
        QVERIFY(write(result.spec, result.createdOn) == document);
    }

    void pageFileDecoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("ASCII unchanged") << QByteArray("<P>Hello\r\n") << QByteArray("<P>Hello\r\n");
        QTest::newRow("references above 127")
            << QByteArray("caf&#233; &#26085;&#128512;") << QByteArray("caf\xC3\xA9 \xE6\x97\xA5\xF0\x9F\x98\x80");
        QTest::newRow("replacement character") << QByteArray("&#65533;") << QByteArray("\xEF\xBF\xBD");
        QTest::newRow("first and last above ASCII")
            << QByteArray("&#128;&#1114111;") << QByteArray("\xC2\x80\xF4\x8F\xBF\xBF");
        QTest::newRow("typed references stay")
            << QByteArray("&#60;&amp;&#127;&#38;") << QByteArray("&#60;&amp;&#127;&#38;");
        QTest::newRow("other spellings stay")
            << QByteArray("&#0233;&#xE9;&#233 &#;&#") << QByteArray("&#0233;&#xE9;&#233 &#;&#");
        QTest::newRow("surrogate and beyond the last stay")
            << QByteArray("&#55296;&#1114112;&#99999999;") << QByteArray("&#55296;&#1114112;&#99999999;");
        QTest::newRow("Windows-1252 bytes")
            << QByteArray("caf\xE9 \x80 \x93x\x94 \x9F")
            << QByteArray("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC5\xB8");
        QTest::newRow("unassigned Windows-1252 bytes as C1 controls")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << QByteArray("\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
        QTest::newRow("a byte then a reference") << QByteArray("\xFF&#255;") << QByteArray("\xC3\xBF\xC3\xBF");
        QTest::newRow("well-formed UTF-8 read as UTF-8")
            << QByteArray("Caf\xC3\xA9 &#233;\r\n") << QByteArray("Caf\xC3\xA9 \xC3\xA9\r\n");
        QTest::newRow("UTF-8 byte-order mark dropped") << QByteArray("\xEF\xBB\xBF<P>\r\n") << QByteArray("<P>\r\n");
        QTest::newRow("LF line ends as CR LF") << QByteArray("<P>\nx\n\r\n") << QByteArray("<P>\r\nx\r\n\r\n");
        QTest::newRow("CR line ends as CR LF") << QByteArray("<P>\rx\r") << QByteArray("<P>\r\nx\r\n");
        QTest::newRow("lone LF kept after a CR LF line end")
            << QByteArray("<P>\r\nx\ny\r") << QByteArray("<P>\r\nx\ny\r");
    }

    void pageFileDecoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, text);
        const std::string decoded = DecodePageFile(bytes.toStdString());
        QCOMPARE(QByteArray::fromStdString(decoded), text);
        // A file that is ASCII already is saved again as it was.
        if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })
            && QByteArray(bytes).replace("\r\n", "").count('\n') == 0
            && QByteArray(bytes).replace("\r\n", "").count('\r') == 0)
            QCOMPARE(QByteArray::fromStdString(EncodeAsAscii(decoded)), bytes);
    }
};

QTEST_APPLESS_MAIN(TestPageReader)

#include "tst_pagereader.moc"
