// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "testpictures.h"
#include "wizardfixture.h"

#include "colours/colourbutton.h"
#include "colours/colourpage.h"
#include "colours/colourpreview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QRadioButton>

#include <algorithm>
#include <functional>

Q_DECLARE_METATYPE(larkspan::ColorAttribute)

namespace larkspan {

// Items the menu draws with a check box or a check mark before them: only the checked one may be.
inline qsizetype checkedCount(const QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    return std::count_if(actions.begin(), actions.end(), std::mem_fn(&QAction::isCheckable));
}

// A colour button face as the drawing of that name gives it at the button's size and pixel ratio.
inline QImage drawnFace(const char* name, qreal ratio)
{
    return drawnPicture(QStringLiteral(":/colours/") + QLatin1String(name), QSize(18, 18) * ratio);
}

inline QImage shownFace(const ColourButton& button)
{
    return shownPicture(button.facePicture());
}

using A = ColorAttribute;

// What the page must write and paint, written out here rather than taken from the code's own tables.
const char* const prefixes[] = {" BGCOLOR=", " TEXT=", " LINK=", " VLINK=", " ALINK="};
const char* const menuTitles[] = {"Color", "Color1", "Color2", "Color3", "Color4"};
const char* const hiddenMenuNames[] = {"zmnuColors0", "zmnuColors1", "zmnuColors2", "zmnuColors3", "zmnuColors4"};

// A table of one row for each attribute, named what and the attribute's prefix: "untick BGCOLOR=".
inline void addAttributeRows(const char* what)
{
    QTest::addColumn<A>("attribute");
    for (const A attribute : AllColorAttributes)
        QTest::addRow("%s%s", what, prefixes[int(attribute)]) << attribute;
}

struct ExpectedColour {
    const char* caption;
    int red, green, blue;
    const char* text;
};
const ExpectedColour namedColours[] = {
    {"&Aqua", 0, 255, 255, "#00FFFF"},     {"&Black", 0, 0, 0, "#000000"},      {"Bl&ue", 0, 0, 255, "#0000FF"},
    {"&Fuchsia", 255, 0, 255, "#FF00FF"},  {"&Gray", 128, 128, 128, "#808080"}, {"Gr&een", 0, 128, 0, "#008000"},
    {"&Lime", 0, 255, 0, "#00FF00"},       {"&Maroon", 128, 0, 0, "#800000"},   {"&Navy", 0, 0, 128, "#000080"},
    {"&Olive", 128, 128, 0, "#808000"},    {"&Purple", 128, 0, 128, "#800080"}, {"&Red", 255, 0, 0, "#FF0000"},
    {"&Silver", 192, 192, 192, "#C0C0C0"}, {"&Teal", 0, 128, 128, "#008080"},   {"&White", 255, 255, 255, "#FFFFFF"},
    {"&Yellow", 255, 255, 0, "#FFFF00"},
};
constexpr int NavyItem = 10;

inline QString resetSlot(A attribute)
{
    return attribute == A::Background ? QStringLiteral(" BGCOLOR=\"#FFFFFF\"") : QString();
}

inline QColor buttonTextColour()
{
    return QApplication::palette().color(QPalette::ButtonText);
}

inline QColor resetPreview(A attribute)
{
    switch (attribute) {
    case A::Background: return QColor(255, 255, 255);
    case A::Text: return buttonTextColour();
    case A::Link: return QColor(0, 0, 255);
    case A::VisitedLink: return QColor(128, 0, 128);
    case A::ActiveLink: return QColor(255, 0, 0);
    }
    return {};
}

inline CustomColors numberedSlots(ColorRef first)
{
    CustomColors table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = first + ColorRef(i);
    return table;
}

// The wizard on its Colors page, with colour menus that record where they would open instead of opening.
struct ColourFixture : WizardFixture {
    struct Popup {
        QMenu* menu;
        QPoint clientPoint;
    };

    ColourFixture()
    {
        goTo(WizardPage::Colors);
        page().popupMenu = [this](QMenu* menu, const QPoint& clientPoint) { popups.push_back({menu, clientPoint}); };
    }

    // With "Custom Colors" chosen and the box of that attribute ticked.
    explicit ColourFixture(A ticked) : ColourFixture()
    {
        chooseCustom();
        tick(ticked);
    }

    ColourPage& page() const { return wiz->colourPage(); }
    ColourButton& button(A attribute) const { return page().colourButton(attribute); }
    QCheckBox* box(A attribute) const { return wiz->chkBox[ChkFirstColour + int(attribute)]; }
    QString slot(A attribute) const { return QString::fromStdString(page().slotText(attribute)); }
    QString specSlot(A attribute) const
    {
        const PageSpec spec = wiz->pageSpec();
        const std::string* fields[] = {&spec.bgColorAttr, &spec.textColorAttr, &spec.linkColorAttr,
                                       &spec.visitedLinkColorAttr, &spec.activeLinkColorAttr};
        return QString::fromStdString(*fields[int(attribute)]);
    }
    QColor previewColour(A attribute) const { return page().preview().colour(attribute); }
    int checkedItem(A attribute) const { return page().menus().checkedItem(attribute); }

    void chooseCustom() { wiz->optRadio[OptCustomColors]->click(); }
    void chooseDefault() { wiz->optRadio[OptDefaultColors]->click(); }
    void tick(A attribute) { box(attribute)->click(); }
    // Picks an item as the user does: the menu's action is triggered.
    void pick(A attribute, int item) { page().menus().item(attribute, item)->trigger(); }

    std::vector<Popup> popups;
};

} // namespace larkspan
