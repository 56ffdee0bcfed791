// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the documents the two page writers produce, against golden files and in the corners of the layout rules.
#include "testfiles.h"

#include "page/pagewriter.h"

#include <QFile>
#include <QTest>

#include <string>

using namespace Qt::StringLiterals;

using namespace larkspan;

Q_DECLARE_METATYPE(PageSpec)

namespace {

const std::string kCreatedOn = "Monday, December 07, 2026";

std::string write(const PageSpec& spec, std::string_view earlier = {})
{
    PageDocument target(earlier);
    const bool table = spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight;
    (table ? BuildTablePage : BuildBasicPage)(spec, kCreatedOn, target);
    return std::string(target.text());
}

QByteArray bytes(const std::string& text)
{
    return QByteArray::fromStdString(text);
}

QByteArray firstDifference(const QByteArray& actual, const QByteArray& expected)
{
    const QList<QByteArray> actualLines = visible(actual).split('\n');
    const QList<QByteArray> expectedLines = visible(expected).split('\n');
    for (qsizetype i = 0; i < qMax(actualLines.size(), expectedLines.size()); ++i) {
        const QByteArray a = actualLines.value(i, "<end of document>");
        const QByteArray e = expectedLines.value(i, "<end of document>");
        if (a != e)
            return "first difference in line " + QByteArray::number(i + 1) + "\n   actual: " + a + "\n expected: " + e;
    }
    return {};
}

// A page that uses every input; the golden files vary only the layout and the link style.
PageSpec fullPage(LayoutStyle layout, LinkStyle linkStyle)
{
    return {.layout = layout,
            .title = "My Home Page",
            .heading = "Welcome to my page",
            .headingSize = 1,
            .bgColorAttr = " BGCOLOR=\"#FFFFCC\"",
            .textColorAttr = " TEXT=\"#000080\"",
            .linkColorAttr = " LINK=\"#0000FF\"",
            .visitedLinkColorAttr = " VLINK=\"#800080\"",
            .activeLinkColorAttr = " ALINK=\"#FF0000\"",
            .backgroundImage = "paper.gif",
            .pageImage = "photo.jpg",
            .imageWidth = "120",
            .imageHeight = "80",
            .pageText = "Hello and welcome.<BR>\r\nThis is my page.<BR>\r\n",
            .bulletItems = {"Cats", "Dogs", "Birds"},
            .bulletStyle = 1,
            .links = {"http://www.example.com/\tExample site", "http://www.example.org/news.html\tBob's news"},
            .linkStyle = linkStyle,
            .authorEmail = "me@example.net"};
}

PageSpec linksPage(LayoutStyle layout, LinkStyle linkStyle, TextList links)
{
    return {.layout = layout, .links = std::move(links), .linkStyle = linkStyle};
}

PageSpec headingPage(int headingSize)
{
    return {.layout = LayoutStyle::BasicStyle, .heading = "Welcome", .headingSize = headingSize};
}

PageSpec bulletPage(int bulletStyle)
{
    return {.layout = LayoutStyle::BasicStyle, .bulletItems = {"One"}, .bulletStyle = bulletStyle};
}

PageSpec imagePage(LayoutStyle layout)
{
    return {.layout = layout, .pageImage = "a.gif"};
}

} // namespace

class TestPageWriter : public QObject {
    Q_OBJECT

private slots:
    void goldenDocuments_data()
    {
        QTest::addColumn<PageSpec>("spec");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("lines");

        QTest::newRow("layout 1 defaults: 26 lines")
            << PageSpec{.layout = LayoutStyle::BasicStyle} << "basic_default" << 26;
        QTest::newRow("layout 4 defaults: 41 lines")
            << PageSpec{.layout = LayoutStyle::TableImageLeft} << "table_image_left_default" << 41;
        QTest::newRow("layout 5 defaults: 42 lines")
            << PageSpec{.layout = LayoutStyle::TableImageRight} << "table_image_right_default" << 42;

        const struct {
            LayoutStyle layout;
            const char* name;
        } layouts[] = {{LayoutStyle::BasicStyle, "basic_style"},
                       {LayoutStyle::BasicImageLeft, "basic_image_left"},
                       {LayoutStyle::BasicImageRight, "basic_image_right"},
                       {LayoutStyle::TableImageLeft, "table_image_left"},
                       {LayoutStyle::TableImageRight, "table_image_right"}};
        for (const auto& [layout, name] : layouts) {
            for (const auto& [linkStyle, suffix] :
                 {std::pair{LinkStyle::Default, "_anchors"}, std::pair{LinkStyle::ComboBox, "_menu"}}) {
                const QString file = QString::fromLatin1(name) + QLatin1String(suffix);
                QTest::newRow(qPrintable(u"every input: "_s + file)) << fullPage(layout, linkStyle) << file << -1;
            }
        }
    }

    void goldenDocuments()
    {
        QFETCH(PageSpec, spec);
        QFETCH(QString, file);
        QFETCH(int, lines);

        const QString path = QFINDTESTDATA(u"../data/"_s + file + u".html"_s);
        QVERIFY2(!path.isEmpty(), qPrintable(u"golden file not found: "_s + file));
        QFile golden(path);
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const QByteArray expected = golden.readAll();

        // Written twice over a stale text: the target must end up holding exactly one document.
        const QByteArray actual = bytes(write(spec, write(spec, "stale text from an earlier run\r\n")));

        QVERIFY2(actual == expected, firstDifference(actual, expected).constData());
        if (lines > 0)
            QCOMPARE(actual.count("\r\n") + 1, lines);
    }

    void fragments_data()
    {
        QTest::addColumn<PageSpec>("spec");
        QTest::addColumn<QByteArray>("present");
        QTest::addColumn<QByteArray>("absent"); // empty: nothing looked for

        const auto row = [](const char* name, const PageSpec& spec, const QByteArray& present,
                            const QByteArray& absent = {}) { QTest::newRow(name) << spec << present << absent; };
        const auto basic = LayoutStyle::BasicStyle;
        const auto tableLeft = LayoutStyle::TableImageLeft;
        const auto tableRight = LayoutStyle::TableImageRight;
        const auto anchors = LinkStyle::Default;
        const auto menu = LinkStyle::ComboBox;

        // Head and BODY tag.
        row("empty title gives Untitled, whatever the heading", PageSpec{.layout = basic, .heading = "Welcome"},
            "   <TITLE>Untitled</TITLE>\r\n</HEAD>", "Welcome</TITLE>");
        row("title with mark-up, quotes and UTF-8 unchanged",
            PageSpec{.layout = basic, .title = "Tom's \"<B>Caf\xc3\xa9</B>\" & \xe6\x97\xa5\xe6\x9c\xac"},
            "   <TITLE>Tom's \"<B>Caf\xc3\xa9</B>\" & \xe6\x97\xa5\xe6\x9c\xac</TITLE>\r\n");
        row("background image comes before the colour slots",
            PageSpec{.layout = basic, .backgroundImage = "my back.gif"},
            "<BODY BACKGROUND=\"my back.gif\" BGCOLOR=\"#FFFFFF\">\r\n");
        row("colour slots in order, empty ones leave nothing",
            PageSpec{.layout = basic,
                     .bgColorAttr = "",
                     .textColorAttr = " TEXT=1",
                     .linkColorAttr = " LINK=2",
                     .visitedLinkColorAttr = "",
                     .activeLinkColorAttr = " ALINK=3"},
            "<BODY TEXT=1 LINK=2 ALINK=3>\r\n");
        row("links without the menu style write no script", linksPage(basic, anchors, {"a\tb"}),
            "</TITLE>\r\n</HEAD>\r\n\r\n<BODY", "<SCRIPT");
        row("menu style without links writes no script", linksPage(basic, menu, {}), "</TITLE>\r\n</HEAD>\r\n\r\n<BODY",
            "SCRIPT");

        // Page header.
        const char* const headings[] = {"H1", "H2", "H3", "H4", "H5"};
        for (int size = 0; size < 5; ++size)
            row(qPrintable(QStringLiteral("heading size %1 gives %2").arg(size).arg(QLatin1String(headings[size]))),
                headingPage(size),
                QByteArray("<CENTER><") + headings[size] + ">Welcome</" + headings[size] + "></CENTER>\r\n");
        for (const int size : {-1, 5})
            row(qPrintable(QStringLiteral("heading size %1 gives H6").arg(size)), headingPage(size),
                "<CENTER><H6>Welcome</H6></CENTER>\r\n");
        row("heading block sits between BODY and the page text", headingPage(1),
            "\">\r\n\r\n<!-- Page Header -->\r\n<CENTER><H2>Welcome</H2></CENTER>\r\n\r\n<P>\r\n\r\n"
            "<!-- Page Text -->\r\n");
        row("empty heading drops the header and its <P>", PageSpec{.layout = basic, .headingSize = 0},
            "<BODY BGCOLOR=\"#FFFFFF\">\r\n<!-- Page Text -->\r\n", "Page Header");
        row("empty heading: the table follows BODY directly", PageSpec{.layout = tableRight},
            "<BODY BGCOLOR=\"#FFFFFF\">\r\n<TABLE WIDTH", "Page Header");

        // Page text and the missing image.
        row("page text with mark-up, quotes, CR LF and UTF-8 unchanged",
            PageSpec{.layout = basic, .pageText = "<B>\"Gr\xc3\xbc\xc3\x9f\"</B> 'x' &amp;\r\nline two<BR>\r\n"},
            "<!-- Page Text -->\r\n<B>\"Gr\xc3\xbc\xc3\x9f\"</B> 'x' &amp;\r\nline two<BR>\r\n\r\n<P>\r\n");
        row("layout 2 without an image leaves no line for it", PageSpec{.layout = LayoutStyle::BasicImageLeft},
            "\">\r\n<!-- Page Text -->\r\n\r\n<P>\r\n\r\n\r\n\r\n<HR", "Image");
        row("layout 1 without an image keeps one empty line for it", PageSpec{.layout = basic},
            "<P>\r\n\r\n\r\n\r\n\r\n<HR", "Image");
        // In an address "%", "#", "?" and a quote would not name the file: they are escaped, nothing else is.
        row("image name's quote escaped, its mark-up and the sizes unchanged",
            PageSpec{.layout = tableLeft, .pageImage = "a\"b<c>.gif", .imageWidth = "<w>", .imageHeight = "\"h\""},
            "<IMG SRC=\"a%22b<c>.gif\" BORDER=0 HEIGHT=\"h\" WIDTH=<w> ALT=\"Image\">\r\n");
        row("image name's %, # and ? escaped", PageSpec{.layout = tableLeft, .pageImage = "100% #2?.gif"},
            "<IMG SRC=\"100%25 %232%3F.gif\" BORDER=0");
        row("background picture's # escaped, blank and é as they are",
            PageSpec{.layout = basic, .backgroundImage = "bg #2 \xC3\xA9.gif"},
            "<BODY BACKGROUND=\"bg %232 \xC3\xA9.gif\" BGCOLOR=");

        // Empty image sizes still write both attributes.
        row("empty size, centred image", imagePage(basic),
            "<CENTER><IMG SRC=\"a.gif\" BORDER=0 HEIGHT= WIDTH= ALT=\"Image\"></CENTER>");
        row("empty size, floating image", imagePage(LayoutStyle::BasicImageRight),
            "<IMG SRC=\"a.gif\" BORDER=0 HEIGHT= WIDTH= ALT=\"Image\" ALIGN=\"RIGHT\" HSPACE=5 VSPACE=5>");
        row("empty size, table image", imagePage(tableRight),
            "<IMG SRC=\"a.gif\" BORDER=0 HEIGHT= WIDTH= ALT=\"Image\">\r\n\r\n</TD>");

        // Bullets.
        const std::pair<int, const char*> bulletTypes[] = {{0, "disc"}, {1, "square"}, {2, "circle"}, {-1, "circle"}};
        for (const auto& [style, type] : bulletTypes)
            row(qPrintable(QStringLiteral("bullet style %1 gives %2").arg(style).arg(QLatin1String(type))),
                bulletPage(style), QByteArray("<UL TYPE=\"") + type + "\">\r\n");
        row("bullet items with mark-up and a TAB unchanged, in order",
            PageSpec{.layout = basic, .bulletItems = {"<I>first</I>", "a\tb \"c\""}},
            "<UL TYPE=\"disc\">\r\n   <LI><I>first</I>\r\n   <LI>a\tb \"c\"\r\n</UL>\r\n");
        {
            // Every length around the block sizes in which the writer copies short texts.
            PageSpec spec{.layout = basic};
            QByteArray lines = "<UL TYPE=\"disc\">\r\n";
            for (int length = 0; length <= 70; ++length) {
                std::string item;
                for (int i = 0; i < length; ++i)
                    item += static_cast<char>('A' + (i * 7 + length) % 26);
                spec.bulletItems.push_back(item);
                lines += "   <LI>" + bytes(item) + "\r\n";
            }
            row("bullet items of every length from 0 to 70 unchanged", spec, lines + "</UL>\r\n");
        }

        // Link entries.
        row("anchor: two TABs keep the second in the description",
            linksPage(basic, anchors, {"http://x.example/\tPart one\tPart two"}),
            "<A HREF=\"http://x.example/\">Part one\tPart two</A><BR>\r\n");
        row("menu: two TABs keep the second in the description",
            linksPage(basic, menu, {"http://x.example/\tPart one\tPart two"}),
            "document.write('<option value=\"http://x.example/\">Part one\tPart two');\r\n");
        row("anchor: no TAB gives the address and an empty description",
            linksPage(basic, anchors, {"http://x.example/"}), "<A HREF=\"http://x.example/\"></A><BR>\r\n");
        row("menu: no TAB gives the address and an empty description", linksPage(basic, menu, {"http://x.example/"}),
            "document.write('<option value=\"http://x.example/\">');\r\n");
        row("menu: quote, backslash, line breaks and </ escaped in both texts, mark-up kept",
            linksPage(basic, menu, {"C:\\My Pages\\Bob's.htm\t<B>Bob's</B>\r\n\"x\"</SCRIPT>\\"}),
            "document.write('<option value=\"C:\\\\My Pages\\\\Bob\\'s.htm\">"
            "<B>Bob\\'s<\\/B>\\r\\n\"x\"<\\/SCRIPT>\\\\');\r\n",
            "</SCRIPT>\\");
        row("menu: a < before the TAB and a / after it are not one </", linksPage(basic, menu, {"a<\t/b"}),
            "<option value=\"a<\">/b');\r\n");
        row("anchor: quote, backslash and </ unchanged outside the script",
            linksPage(basic, anchors, {"C:\\Bob's\t</B>it's"}), "<A HREF=\"C:\\Bob's\"></B>it's</A><BR>\r\n");
        row("anchor: description with mark-up and quotes unchanged",
            linksPage(basic, anchors, {"a.html?q=\"1\"\t<B>Bold</B> & \"more\""}),
            "<A HREF=\"a.html?q=\"1\"\"><B>Bold</B> & \"more\"</A><BR>\r\n");

        // The Go button in each column.
        row("layout 4: right text column drops the blank before Go", linksPage(tableLeft, menu, {"a\tb"}),
            "document.write('</select>');\r\ndocument.write('<INPUT TYPE=\"button\" VALUE=\"Go\"", "&nbsp;");
        row("layout 5: left text column keeps the blank before Go, image on the right",
            PageSpec{.layout = tableRight, .pageImage = "a.gif", .links = {"a\tb"}, .linkStyle = menu},
            "document.write('</select>');\r\ndocument.write('&nbsp; <INPUT TYPE=\"button\" VALUE=\"Go\"",
            "document.write('<INPUT");

        // Table cells.
        row("layout 4 with text only: three empty lines before </TD>", PageSpec{.layout = tableLeft, .pageText = "Hi"},
            "Hi\r\n<P>\r\n\r\n\r\n\r\n</TD>\r\n</TR>");
        row("layout 5 with text only: three empty lines before </TD>", PageSpec{.layout = tableRight, .pageText = "Hi"},
            "Hi\r\n<P>\r\n\r\n\r\n\r\n</TD>\r\n\r\n<!-- Right hand column -->");

        // Footer.
        row("author e-mail adds its line before the credit",
            PageSpec{.layout = basic, .authorEmail = "a\"b@example.org"},
            "<HR NOSHADE SIZE=1>\r\n\r\nEmail the author of this page at "
            "<A HREF=\"mailto:a\"b@example.org\">a\"b@example.org</A><BR>\r\n"
            "<A HREF=\"http://www.larkspan.example/lks/\">Created by the Larkspan</A> \r\n");
    }

    void fragments()
    {
        QFETCH(PageSpec, spec);
        QFETCH(QByteArray, present);
        QFETCH(QByteArray, absent);

        const QByteArray document = bytes(write(spec));
        QVERIFY2(document.contains(present),
                 ("missing:\n" + visible(present) + "\nin:\n" + visible(document)).constData());
        if (!absent.isEmpty())
            QVERIFY2(!document.contains(absent), ("unexpected: " + visible(absent)).constData());
        QVERIFY(document.endsWith("</BODY>\r\n</HTML>"));
    }
};

QTEST_APPLESS_MAIN(TestPageWriter)

#include "tst_pagewriter.moc"
