// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "testpictures.h"
#include "wizardfixture.h"

#include "colours/colourbutton.h"
#include "colours/colourpage.h"
#include "page/asciitext.h"
#include "page/pagewriter.h"
#include "wizard/finishpage.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRadioButton>

namespace larkspan {

inline const QString Congratulation = QStringLiteral(
    "Congradulations on your successful Web Page.\r\nLarkspan has given you a fantastic\r\nplace to start. Now you "
    "can tinker with the HTML\r\nand become the next pro!\r\n\r\nWould you like to create another?");

// The footer's date as most tests fix it.
inline const QDate FixedDay(2026, 12, 7);
inline const char* const FixedFooter = "Monday, December 07, 2026";

inline QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

inline QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// The wizard with the footer's date and regional settings fixed, so that no result depends on the day or the
// machine.
struct FinishFixture : WizardFixture {
    FinishFixture()
    {
        wiz->finishPage().setCalendar([] { return FixedDay; }, english());
    }
    FinishFixture(WizardPage page, int layout) : FinishFixture() { goTo(page, layout); }
};

// Colour menu items, written out here rather than taken from the code's own tables.
constexpr int CustomItem = 0;
constexpr int NavyItem = 10;
constexpr int SilverItem = 14;
constexpr int NoItem = -1;

// The custom slots the user leaves in every confirmed colour dialog.
inline CustomColors definedSlots()
{
    CustomColors table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = ColorRef(0x00102030 + i);
    return table;
}

// One colour on the Colors page: its box ticked, then an item picked from the menu under its button (NoItem: only
// ticked), for "Custom..." the colour confirmed in the dialog. slot is what the page must then write for it.
struct ColourPick {
    ColorAttribute attribute;
    int item;
    ColorRef dialogColour;
    const char* slot;
};

// One user's answers, page by page, and the day and regional settings of the footer.
struct Answers {
    LayoutStyle layout = LayoutStyle::BasicStyle;
    QString title;
    QString heading;
    int headingSize = 1;
    bool customColours = false;
    QList<ColourPick> colours; // in the order they are chosen
    QString backgroundImage;   // ticked and named when not empty
    bool pageImage = false;    // photo.jpg, 40 x 30, chosen through the file dialog
    QString pageText;
    QStringList items;
    int bulletStyle = 0;
    QList<std::pair<QString, QString>> links;
    bool comboLinks = false;
    QString email;
    QDate day = FixedDay;
    QLocale settings = english();
    QString footer = QString::fromLatin1(FixedFooter);
};

// The answers of the whole-wizard rows, one set per layout.
inline Answers answersFor(LayoutStyle layout)
{
    using A = ColorAttribute;
    Answers a;
    a.layout = layout;
    switch (layout) {
    case LayoutStyle::BasicStyle:
        a.title = QStringLiteral("My Caf\u00e9");
        a.heading = QStringLiteral("Welcome to the caf\u00e9");
        a.customColours = true;
        a.colours = {{A::Background, SilverItem, 0, " BGCOLOR=\"#C0C0C0\""},
                     {A::Text, CustomItem, 0x0C0B0A, " TEXT=\"#0A0B0C\""},
                     {A::Link, NoItem, 0, ""}};
        a.pageText = QStringLiteral("Coffee for 2 \u20ac<BR>\r\nTea from \u65e5\u672c<BR>\r\n");
        a.items = {QStringLiteral("Espresso"), QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e")};
        a.links = {{QStringLiteral("http://example.com/menu.htm"), QStringLiteral("The menu")}};
        a.email = QStringLiteral("owner@example.com");
        break;
    case LayoutStyle::BasicImageLeft:
        a.title = QStringLiteral("Holiday");
        a.heading = QStringLiteral("Our trip");
        a.headingSize = 0;
        a.pageImage = true;
        a.pageText = QStringLiteral("We went to the sea.");
        a.links = {{QStringLiteral("http://example.com/a.htm"), QStringLiteral("Day one")},
                   {QStringLiteral("http://example.com/b.htm"), QStringLiteral("Day two")}};
        a.comboLinks = true;
        break;
    case LayoutStyle::BasicImageRight:
        a.heading = QStringLiteral("No title given");
        a.backgroundImage = QStringLiteral("paper.gif");
        a.pageText = QStringLiteral("Plain words.");
        a.items = {QStringLiteral("only one")};
        a.bulletStyle = 2;
        a.email = QStringLiteral("me@example.org");
        break;
    case LayoutStyle::TableImageLeft:
        a.title = QStringLiteral("Club");
        a.heading = QStringLiteral("Members");
        a.headingSize = 4;
        a.customColours = true;
        a.colours = {{A::VisitedLink, NavyItem, 0, " VLINK=\"#000080\""},
                     {A::ActiveLink, CustomItem, 0x0080FF, " ALINK=\"#FF8000\""},
                     {A::Background, CustomItem, 0x000000, " BGCOLOR=\"#000000\""}};
        a.pageImage = true;
        a.backgroundImage = QStringLiteral("stone.jpg");
        a.pageText = QStringLiteral("Meetings every Monday.<P>\r\n");
        a.items = {QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Chidi")};
        a.bulletStyle = 1;
        a.links = {{QStringLiteral("mailto:club@example.com"), QStringLiteral("Write to us")}};
        a.email = QStringLiteral("club@example.com");
        // A German user: the month's name reaches the file as numeric references.
        a.day = QDate(2027, 3, 5);
        a.settings = german();
        a.footer = QStringLiteral("Freitag, M\u00e4rz 05, 2027");
        break;
    case LayoutStyle::TableImageRight:
        // Custom colours chosen but none ticked: the page keeps the default ones.
        a.customColours = true;
        break;
    case LayoutStyle::None: break;
    }
    return a;
}

inline std::string* slotOf(PageSpec& spec, ColorAttribute attribute)
{
    switch (attribute) {
    case ColorAttribute::Background: return &spec.bgColorAttr;
    case ColorAttribute::Text: return &spec.textColorAttr;
    case ColorAttribute::Link: return &spec.linkColorAttr;
    case ColorAttribute::VisitedLink: return &spec.visitedLinkColorAttr;
    case ColorAttribute::ActiveLink: return &spec.activeLinkColorAttr;
    }
    return nullptr;
}

inline PageSpec specFor(const Answers& a)
{
    const auto entries = [](const QStringList& texts) {
        TextList result;
        for (const QString& text : texts)
            result.push_back(text.toStdString());
        return result;
    };
    PageSpec spec;
    spec.layout = a.layout;
    spec.title = a.title.toStdString();
    spec.heading = a.heading.toStdString();
    spec.headingSize = a.headingSize;
    for (const ColourPick& pick : a.colours)
        *slotOf(spec, pick.attribute) = pick.slot;
    spec.backgroundImage = a.backgroundImage.toStdString();
    if (a.pageImage) {
        spec.pageImage = "photo.jpg";
        spec.imageWidth = "40";
        spec.imageHeight = "30";
    }
    spec.pageText = a.pageText.toStdString();
    spec.bulletItems = entries(a.items);
    spec.bulletStyle = a.bulletStyle;
    QStringList links;
    for (const auto& [address, description] : a.links)
        links << address + u'\t' + description;
    spec.links = entries(links);
    spec.linkStyle = a.comboLinks ? LinkStyle::ComboBox : LinkStyle::Default;
    spec.authorEmail = a.email.toStdString();
    return spec;
}

inline std::string documentFor(const PageSpec& spec, const QString& footer = QString::fromLatin1(FixedFooter))
{
    PageDocument document;
    if (spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight)
        BuildTablePage(spec, footer.toStdString(), document);
    else
        BuildBasicPage(spec, footer.toStdString(), document);
    return std::string(document.text());
}

inline std::string documentFor(const Answers& a)
{
    return documentFor(specFor(a), a.footer);
}

// The page file of a document: ASCII through the product's own encoder, which has tests of its own, and one CR LF at
// the end.
inline QByteArray pageFileOf(const std::string& document)
{
    return QByteArray::fromStdString(EncodeAsAscii(document)) + "\r\n";
}

inline SaveFileResult saveAs(const QString& folder, const QString& name)
{
    return {folder, name, QDir(folder).filePath(name)};
}

// Chooses the colours on the Colors page as a user does: the option, the boxes, then each colour from the menu
// that opens under its button, "Custom..." through the colour dialog.
inline void chooseColours(WizardFixture& f, const Answers& a)
{
    if (!a.customColours)
        return;
    frmWiz& wiz = *f.wiz;
    wiz.optRadio[OptCustomColors]->click();
    ColourPage& page = wiz.colourPage();
    for (const ColourPick& pick : a.colours) {
        wiz.chkBox[ChkFirstColour + int(pick.attribute)]->click();
        if (pick.item == NoItem)
            continue;
        if (pick.item == CustomItem)
            f.platform.colorAnswers.push_back({pick.dialogColour, definedSlots()});
        // The menu that would pop up is answered at once with the item the user picks in it.
        page.popupMenu = [item = pick.item](QMenu* menu, const QPoint&) { menu->actions().at(item)->trigger(); };
        QTest::mouseClick(&page.colourButton(pick.attribute), Qt::LeftButton, {}, QPoint(5, 5));
    }
}

// A check inside a helper that returns whether it got through: a failure is reported where it happened and the helper
// returns false, so that the calling test stops at its own QVERIFY(helper(...)) instead of running on.
#define HELPER_VERIFY(statement)                                                                                       \
    do {                                                                                                               \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, "", __FILE__, __LINE__))                         \
            return false;                                                                                              \
    } while (false)
#define HELPER_COMPARE(actual, expected)                                                                               \
    do {                                                                                                               \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))                                \
            return false;                                                                                              \
    } while (false)

// Answers every page from Welcome on, as a user would, and stops on Finish; false, with the failure reported, when it
// could not.
[[nodiscard]] inline bool fillWizard(WizardFixture& f, const Answers& a, const QString& imageFolder)
{
    frmWiz& wiz = *f.wiz;
    wiz.finishPage().setCalendar([day = a.day] { return day; }, a.settings);
    f.forward();
    wiz.cbBox[CbLayout]->setCurrentIndex(int(a.layout));
    wiz.setBoxText(TxtTitle, a.title);
    wiz.setBoxText(TxtHeading, a.heading);
    wiz.cbBox[CbHeadingSize]->setCurrentIndex(a.headingSize);
    f.forward();

    chooseColours(f, a);
    if (!a.backgroundImage.isEmpty()) {
        wiz.chkBox[ChkBackgroundImage]->setChecked(true);
        wiz.setBoxText(TxtBackgroundImage, a.backgroundImage);
    }
    f.forward();

    if (a.pageImage) {
        const QString path = makePicture(imageFolder, QStringLiteral("photo.jpg"), QSize(40, 30));
        HELPER_VERIFY(!path.isEmpty());
        wiz.chkBox[ChkPageImage]->setChecked(true);
        f.platform.openAnswers.push_back(OpenFileResult{path, QStringLiteral("photo.jpg")});
        f.press(CmdBrowseImage);
    }
    f.forward();

    wiz.setBoxText(TxtPageText, a.pageText);
    f.forward();

    wiz.cbBox[CbBulletStyle]->setCurrentIndex(a.bulletStyle);
    for (const QString& item : a.items) {
        wiz.setBoxText(TxtBulletItem, item);
        f.press(CmdAddItem);
    }
    f.forward();

    for (const auto& [address, description] : a.links) {
        wiz.setBoxText(TxtLinkAddress, address);
        wiz.setBoxText(TxtLinkDescription, description);
        f.press(CmdAddLink);
    }
    if (a.comboLinks)
        wiz.optRadio[OptComboLinkStyle]->setChecked(true);
    f.forward();

    wiz.setBoxText(TxtEmail, a.email);
    HELPER_COMPARE(wiz.CurrentPage(), int(WizardPage::Finish));
    return true;
}

inline QStringList summaryLines(const frmWiz& wiz)
{
    QStringList lines;
    for (int i = 0; i < LblSummaryCount; ++i)
        lines << wiz.lblLabel[LblFirstSummary + i]->text();
    return lines;
}

// The summary the Finish page must show for a set of answers.
inline QStringList summaryOf(const Answers& a)
{
    const char* const layoutNames[] = {"",
                                       "Basic Style",
                                       "Basic Style Image Left",
                                       "Basic Style Image Right",
                                       "Table Style Image Left",
                                       "Table Style Image Right"};
    const QString none = QStringLiteral("None");
    const QString colours = a.customColours ? QStringLiteral("Custom") : QStringLiteral("Default");
    return {QStringLiteral("Layout Style:   ") + QLatin1String(layoutNames[int(a.layout)]),
            QStringLiteral("Page Colors:   ") + colours,
            QStringLiteral("Background Image:   ") + (a.backgroundImage.isEmpty() ? none : a.backgroundImage),
            QStringLiteral("Page Image:   ") + (a.pageImage ? QStringLiteral("photo.jpg") : none),
            QStringLiteral("Number of Lists:   %1").arg(a.items.size()),
            QStringLiteral("Number of Links:   %1").arg(a.links.size())};
}

// Steps backward or forward between Layout and Finish until page shows; false, with the failure reported, when it
// does not.
[[nodiscard]] inline bool walkTo(WizardFixture& f, WizardPage page)
{
    for (int step = 0; step < PageCount && f.wiz->CurrentPage() != int(page); ++step) {
        if (f.wiz->CurrentPage() > int(page))
            f.backward();
        else
            f.forward();
    }
    HELPER_COMPARE(f.wiz->CurrentPage(), int(page));
    return true;
}

} // namespace larkspan
