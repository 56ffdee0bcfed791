// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the page file that the page library makes for the answers on the command line, dated today as the wizard
// dates it, so that a page saved by the wizard in a real window can be compared with it byte for byte.
//
//   expected_page <file> key=value...
//
// Keys: layout (1 to 5), title, heading, size (the list index), the five colour attributes bg, fg, link-colour, vlink,
// alink (as they stand in the BODY tag, e.g. ` BGCOLOR="#000080"`), background, image, width, height, text (the page
// text, with \r and \n standing for CR and LF), bullet (one per item), style (the list index), link (address, a TAB
// and the description; one per link), jump (1 for the jump menu) and email.

#include "page/asciitext.h"
#include "page/pagewriter.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

using namespace larkspan;

namespace {

std::string unescaped(std::string_view text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()
            && (text[i + 1] == 'r' || text[i + 1] == 'n' || text[i + 1] == 't')) {
            result += text[i + 1] == 'r' ? '\r' : text[i + 1] == 'n' ? '\n' : '\t';
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

bool apply(PageSpec& spec, std::string_view key, const std::string& value)
{
    if (key == "layout")
        spec.layout = LayoutStyle(std::stoi(value));
    else if (key == "title")
        spec.title = value;
    else if (key == "heading")
        spec.heading = value;
    else if (key == "size")
        spec.headingSize = std::stoi(value);
    else if (key == "bg")
        spec.bgColorAttr = value;
    else if (key == "fg")
        spec.textColorAttr = value;
    else if (key == "link-colour")
        spec.linkColorAttr = value;
    else if (key == "vlink")
        spec.visitedLinkColorAttr = value;
    else if (key == "alink")
        spec.activeLinkColorAttr = value;
    else if (key == "background")
        spec.backgroundImage = value;
    else if (key == "image")
        spec.pageImage = value;
    else if (key == "width")
        spec.imageWidth = value;
    else if (key == "height")
        spec.imageHeight = value;
    else if (key == "text")
        spec.pageText = unescaped(value);
    else if (key == "bullet")
        spec.bulletItems.push_back(unescaped(value));
    else if (key == "style")
        spec.bulletStyle = std::stoi(value);
    else if (key == "link")
        spec.links.push_back(unescaped(value));
    else if (key == "jump")
        spec.linkStyle = value == "1" ? LinkStyle::ComboBox : LinkStyle::Default;
    else if (key == "email")
        spec.authorEmail = value;
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: expected_page <file> key=value...\n";
        return 2;
    }
    PageSpec spec;
    for (int i = 2; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const std::size_t equals = argument.find('=');
        if (equals == std::string_view::npos
            || !apply(spec, argument.substr(0, equals), std::string(argument.substr(equals + 1)))) {
            std::cerr << "expected_page: not an answer: " << argument << '\n';
            return 2;
        }
    }
    const QString createdOn = QLocale::system().toString(QDate::currentDate(), QStringLiteral("dddd, MMMM dd, yyyy"));
    PageDocument document;
    const bool table = spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight;
    (table ? BuildTablePage : BuildBasicPage)(spec, createdOn.toStdString(), document);
    std::ofstream out(argv[1], std::ios::binary);
    out << EncodeAsAscii(document.text()) << "\r\n";
    return out ? 0 : 1;
}
