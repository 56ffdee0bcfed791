// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colours/colorattribute.h"
#include "colours/colormenus.h"
#include "platform/platform.h"
#include "ui/wizardpagebase.h"

#include <QCoreApplication>
#include <QPoint>

#include <array>
#include <functional>
#include <string>

class QColor;
class QMenu;

namespace larkspan {

class ColourButton;
class ColourPreview;
class WizardControls;

// The Colors page: default or custom colours, the colour buttons and menus, the live preview, the background image.
class ColourPage : public WizardPageBase {
    Q_DECLARE_TR_FUNCTIONS(ColourPage)

public:
    explicit ColourPage(WizardControls& wiz);

    // Gives the colour buttons their first look.
    void formLoad() override;
    void optRadio_Click(int index) override;
    // Browse: the background image is chosen in the same picture dialog as the page image.
    void cmdButton_Click(int index) override;
    void chkBox_Click(int index) override;
    // The attribute text of one colour slot, as the page writers read it.
    std::string slotText(ColorAttribute attribute) const;

    // The colour buttons, elements ImgFirstColourButton to ImgFirstColourButton + 4 of imgWiz. x and y are relative
    // to the button.
    void imgWiz_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void imgWiz_MouseMove(int index, Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void imgWiz_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // The items chosen in the five colour menus, by item index.
    void mnuColors_Click(int index);
    void mnuColors1_Click(int index);
    void mnuColors2_Click(int index);
    void mnuColors3_Click(int index);
    void mnuColors4_Click(int index);
    // Moves the menu's check mark, then gives the attribute a named colour or one from the colour dialog.
    void ApplyColorChoice(ColorAttribute attribute, int index);

    // Starting another page: default colours and no background image. The custom colours and the menus' check
    // marks stay.
    void resetForAnotherPage() override;
    void describe(PageSpec& spec) const override;
    void restore(const PageSpec& spec, const QString& pageFolder) override;

    const ColorMenus& menus() const { return colorMenus; }
    // Full path of the chosen background image, kept out of sight like the page image's.
    QString backgroundImagePath;
    // The file of the background image that its box names now, empty when none is known.
    QString backgroundPicturePath() const;
    ColourPreview& preview() const { return *pagePreview; }
    ColourButton& colourButton(ColorAttribute attribute) const;
    // The colour the attribute's preview element takes on reset.
    static QColor resetColour(ColorAttribute attribute);

    // Shows a colour menu with its top-left corner at a point in the main window's client coordinates. Tests
    // replace it to see where a menu would open and to pick an item.
    std::function<void(QMenu* menu, const QPoint& clientPoint)> popupMenu;

    // The colour dialog's custom colour slots, kept from one opening to the next.
    CustomColors customColors{};

private:
    void buildPage();
    void openColourMenu(ColorAttribute attribute);
    void resetAttribute(ColorAttribute attribute);
    void setColourAttribute(ColorAttribute attribute, const QColor& colour, std::string slot);

    WizardControls& wiz;
    ColorMenus colorMenus;
    ColourPreview* pagePreview = nullptr;
    std::array<ColourButton*, ColorAttributeCount> buttons{};
    std::array<std::string, ColorAttributeCount> colourSlots;
};

} // namespace larkspan
