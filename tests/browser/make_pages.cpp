// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the pages that the browser check opens: one set of answers in every layout, link style and with and
// without the page image, each saved through SavePageFile as the finish step saves it, with the two pictures they
// name and an answers.json that tells the check what was typed.
//
//   make_pages <folder>

#include "colours/colorformat.h"
#include "page/pagewriter.h"
#include "files/pagefile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

using namespace larkspan;

namespace {

struct Layout {
    LayoutStyle style;
    const char* name;
};

constexpr std::array<Layout, 5> Layouts{{
    {LayoutStyle::BasicStyle, "basic_style"},
    {LayoutStyle::BasicImageLeft, "basic_image_left"},
    {LayoutStyle::BasicImageRight, "basic_image_right"},
    {LayoutStyle::TableImageLeft, "table_image_left"},
    {LayoutStyle::TableImageRight, "table_image_right"},
}};

struct Link {
    const char* address;
    const char* description;
};

// Absolute, relative, then the characters that a script string or a URL treats specially.
constexpr std::array<Link, 5> Links{{
    {"http://www.example.com/news/index.html", "Example News"},
    {"about/team.htm", "Our team"},
    {"bob's/page.htm", "Bob's page"},
    {"files\\report.htm", "C:\\Reports\\2026"},
    {"caf\u00e9/men\u00fc.htm", "Caf\u00e9 Z\u00fcrich \u2013 \u65e5\u672c\u8a9e \u20ac"},
}};

// Colours as the colour dialog returns them, 0x00BBGGRR.
constexpr std::array<ColorRef, 5> Colours{0x00C8F0FF, 0x00602020, 0x000000C0, 0x00008000, 0x00FF00FF};

constexpr const char* Title = "Gr\u00fc\u00dfe \u2013 a test page";
constexpr const char* Heading = "Caf\u00e9 Z\u00fcrich \u2014 na\u00efve \u65e5\u672c\u8a9e";
constexpr int HeadingSize = 1;
// Typed with the Enter key adding line breaks: each line ends in "<BR>" and CR LF but the last.
constexpr std::array<const char*, 3> TextLines{
    "Welcome to our caf\u00e9 in Z\u00fcrich: cr\u00e8me br\u00fbl\u00e9e, sm\u00f8rrebr\u00f8d and \u65e5\u672c\u8a9e "
    "tea, served every day from seven in the morning until late in the evening.",
    "Prices in \u20ac and \u00a3; ask for the \u201cdaily special\u201d and the l\u2019\u00e9t\u00e9 menu.",
    "We look forward to seeing you and your friends at one of our tables by the window or in the garden.",
};
constexpr std::array<const char*, 3> Bullets{"Fresh bread every morning", "Soupe \u00e0 l'oignon",
                                             "Sp\u00e4tzle & K\u00e4se"};
constexpr int BulletStyle = 1;
constexpr const char* Email = "anne@example.org";
constexpr const char* CreatedOn = "Tuesday, December 08, 2026";
constexpr const char* BackgroundImage = "dots.gif";
constexpr const char* PageImage = "photo.jpg";
constexpr int ImageWidth = 120;
constexpr int ImageHeight = 90;

std::string json(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + '"';
}

template <class Range, class Item>
std::string jsonArray(const Range& items, Item item)
{
    std::string out = "[";
    for (const auto& each : items)
        out += (out.size() > 1 ? ", " : "") + item(each);
    return out + "]";
}

// A GIF of a 16 by 16 tile, transparent but for a dot, written with a clear code before every pixel so that the
// codes stay three bits wide and no table is needed.
QByteArray dotsGif()
{
    constexpr int Tile = 16;
    QByteArray gif("GIF89a");
    const auto word = [&](int v) { gif += char(v & 0xFF), gif += char(v >> 8); };
    word(Tile), word(Tile);
    gif += char(0x81), gif += char(0), gif += char(0); // global table of 4 colours
    gif += QByteArray::fromHex("ffffff"
                               "d8b070"
                               "000000"
                               "000000");
    gif += QByteArray::fromHex("21f904010000"
                               "00"
                               "00"); // index 0 transparent
    gif += ',';
    word(0), word(0), word(Tile), word(Tile);
    gif += char(0);
    gif += char(2); // minimum code size

    QByteArray data;
    unsigned bits = 0;
    int count = 0;
    const auto code = [&](unsigned c) {
        bits |= c << count;
        count += 3;
        while (count >= 8)
            data += char(bits & 0xFF), bits >>= 8, count -= 8;
    };
    constexpr unsigned Clear = 4, End = 5;
    for (int y = 0; y < Tile; ++y)
        for (int x = 0; x < Tile; ++x)
            code(Clear), code((x == 7 || x == 8) && (y == 7 || y == 8) ? 1 : 0);
    code(End);
    if (count > 0)
        data += char(bits & 0xFF);
    // Data sub-blocks hold at most 255 bytes each.
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif += char(block.size()) + block;
    }
    gif += char(0);
    gif += ';';
    return gif;
}

bool writePhoto(const QString& path)
{
    QImage image(ImageWidth, ImageHeight, QImage::Format_RGB32);
    image.fill(QColor(40, 110, 170));
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 200, 60));
    painter.drawEllipse(QPoint(85, 30), 16, 16);
    painter.setBrush(QColor(60, 140, 60));
    painter.drawRect(0, 60, ImageWidth, ImageHeight - 60);
    painter.end();
    return image.save(path, "JPEG", 90);
}

PageSpec answers(LayoutStyle layout, LinkStyle linkStyle, bool withImage)
{
    PageSpec spec;
    spec.layout = layout;
    spec.title = Title;
    spec.heading = Heading;
    spec.headingSize = HeadingSize;
    for (const ColorAttribute attribute : AllColorAttributes)
        spec.*properties(attribute).slot = colorSlotText(attribute, FormatColor(Colours[std::size_t(attribute)]));
    spec.backgroundImage = BackgroundImage;
    if (withImage) {
        spec.pageImage = PageImage;
        spec.imageWidth = std::to_string(ImageWidth);
        spec.imageHeight = std::to_string(ImageHeight);
    }
    for (const char* line : TextLines)
        spec.pageText += (spec.pageText.empty() ? "" : "<BR>\r\n") + std::string(line);
    spec.bulletItems.assign(Bullets.begin(), Bullets.end());
    spec.bulletStyle = BulletStyle;
    for (const Link& link : Links)
        spec.links.push_back(std::string(link.address) + '\t' + link.description);
    spec.linkStyle = linkStyle;
    spec.authorEmail = Email;
    return spec;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pages <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pages: cannot make %s\n", argv[1]);
        return 1;
    }

    std::vector<std::string> cases;
    for (const Layout& layout : Layouts) {
        for (const LinkStyle linkStyle : {LinkStyle::Default, LinkStyle::ComboBox}) {
            for (const bool withImage : {true, false}) {
                const std::string name = std::string(layout.name)
                    + (linkStyle == LinkStyle::ComboBox ? "_menu" : "_anchors") + (withImage ? "_image" : "_noimage")
                    + ".htm";
                const PageSpec spec = answers(layout.style, linkStyle, withImage);
                PageDocument document;
                (layout.style >= LayoutStyle::TableImageLeft ? BuildTablePage : BuildBasicPage)(spec, CreatedOn,
                                                                                                document);
                if (const Outcome saved = SavePageFile(folder.filePath(QString::fromStdString(name)), document.text());
                    !saved) {
                    std::fprintf(stderr, "make_pages: %s: %s\n", name.c_str(), qPrintable(saved.reason));
                    return 1;
                }
                cases.push_back("{\"file\": " + json(name) + ", \"layout\": " + json(layout.name)
                                + ", \"menu\": " + (linkStyle == LinkStyle::ComboBox ? "true" : "false")
                                + ", \"image\": " + (withImage ? "true" : "false") + "}");
            }
        }
    }

    QFile gif(folder.filePath(QString::fromUtf8(BackgroundImage)));
    if (!gif.open(QIODevice::WriteOnly) || gif.write(dotsGif()) < 0 || !gif.flush()
        || !writePhoto(folder.filePath(QString::fromUtf8(PageImage)))) {
        std::fprintf(stderr, "make_pages: cannot write the pictures\n");
        return 1;
    }

    const auto quoted = [](const char* text) { return json(text); };
    const auto colour = [](ColorRef c) { return json(FormatColor(c)); };
    const auto link = [](const Link& l) {
        return "{\"address\": " + json(l.address) + ", \"description\": " + json(l.description) + "}";
    };
    const std::string manifest = "{\n\"title\": " + json(Title) + ",\n\"heading\": " + json(Heading)
        + ",\n\"headingLevel\": " + std::to_string(HeadingSize + 1)
        + ",\n\"textLines\": " + jsonArray(TextLines, quoted) + ",\n\"bullets\": " + jsonArray(Bullets, quoted)
        + ",\n\"links\": " + jsonArray(Links, link) + ",\n\"email\": " + json(Email)
        + ",\n\"colours\": " + jsonArray(Colours, colour) + ",\n\"backgroundImage\": " + json(BackgroundImage)
        + ",\n\"pageImage\": " + json(PageImage) + ",\n\"imageWidth\": " + std::to_string(ImageWidth)
        + ",\n\"imageHeight\": " + std::to_string(ImageHeight) + ",\n\"cases\": [\n" +
        [&] {
            std::string all;
            for (const auto& c : cases)
                all += (all.empty() ? "" : ",\n") + c;
            return all;
        }()
        + "\n]\n}\n";
    QFile answersFile(folder.filePath(QStringLiteral("answers.json")));
    if (!answersFile.open(QIODevice::WriteOnly) || answersFile.write(manifest.data(), qint64(manifest.size())) < 0) {
        std::fprintf(stderr, "make_pages: cannot write answers.json\n");
        return 1;
    }
    return 0;
}
