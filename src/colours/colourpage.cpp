// SPDX-License-Identifier: GPL-3.0-or-later
#include "colours/colourpage.h"

#include "colours/colorformat.h"
#include "colours/colourbutton.h"
#include "colours/colourpreview.h"
#include "colours/namedcolors.h"
#include "page/pagereader.h"
#include "ui/picturedialog.h"
#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdint>
#include <utility>

namespace larkspan {

namespace {

constexpr QSize BrowseButtonSize{30, 28};
constexpr QSize BrowseIconSize{20, 20};
// Indent of the five attribute rows under the options.
constexpr int AttributeIndent = 18;

QColor toQColor(ColorRef c)
{
    return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
}

// The attribute of a colour button's imgWiz index, if it is one.
std::optional<ColorAttribute> attributeOfButton(int index)
{
    const int offset = index - ImgFirstColourButton;
    if (offset < 0 || offset >= ColorAttributeCount)
        return std::nullopt;
    return ColorAttribute(offset);
}

// The attribute of a colour check box's chkBox index, if it is one.
std::optional<ColorAttribute> attributeOfCheckBox(int index)
{
    const int offset = index - ChkFirstColour;
    if (offset < 0 || offset >= ColorAttributeCount)
        return std::nullopt;
    return ColorAttribute(offset);
}

int checkBoxIndex(ColorAttribute attribute)
{
    return ChkFirstColour + int(attribute);
}

// The colour of a slot text as a page may hold it (prefix, "#RRGGBB" or a colour name in double quotes); none for
// another text.
std::optional<ColorRef> colourOfSlot(ColorAttribute attribute, std::string_view slot)
{
    // A page edited by hand may have any case of digits or a colour name; it shows as the browser shows it.
    if (!slot.starts_with(properties(attribute).prefix))
        return std::nullopt;
    const std::optional<std::uint32_t> rgb = ColourOfSlot(slot);
    if (!rgb)
        return std::nullopt;
    return ColorRef((*rgb >> 16) & 0xFF) | ColorRef((*rgb >> 8) & 0xFF) << 8 | ColorRef(*rgb & 0xFF) << 16;
}

// The menu item that carries a colour: its named colour, or "Custom..." for any other.
int menuItemOf(std::optional<ColorRef> colour)
{
    for (const NamedColor& named : NamedColors)
        if (colour && named.value() == *colour)
            return named.menuIndex;
    return CustomColorItem;
}

} // namespace

ColourPage::ColourPage(WizardControls& wiz)
    : wiz(wiz), colorMenus(&wiz.window, [this](ColorAttribute attribute, int index) {
          switch (attribute) {
          case ColorAttribute::Background: mnuColors_Click(index); break;
          case ColorAttribute::Text: mnuColors1_Click(index); break;
          case ColorAttribute::Link: mnuColors2_Click(index); break;
          case ColorAttribute::VisitedLink: mnuColors3_Click(index); break;
          case ColorAttribute::ActiveLink: mnuColors4_Click(index); break;
          }
      })
{
    popupMenu = [&wiz](QMenu* menu, const QPoint& clientPoint) { menu->popup(wiz.window.mapToGlobal(clientPoint)); };
    buildPage();
    for (const ColorAttribute attribute : AllColorAttributes)
        resetAttribute(attribute);
}

void ColourPage::buildPage()
{
    QWidget* panel = wiz.panel(WizardPage::Colors);

    QLabel* instruction = wiz.addInstruction(
        panel,
        tr("Select the color style of your web page. Choose Default or Choose Custom "
           "Colors then check the desired page color properties and select a color."));

    QRadioButton* defaultColors = wiz.addRadio(panel, OptDefaultColors, tr("&Default Colors"));
    defaultColors->setChecked(true);
    QRadioButton* customChoice = wiz.addRadio(panel, OptCustomColors, tr("C&ustom Colors"));

    auto* attributes = new QGridLayout;
    attributes->setContentsMargins(AttributeIndent, 0, 0, 0);
    attributes->setHorizontalSpacing(8);
    attributes->setVerticalSpacing(4);
    for (const ColorAttribute attribute : AllColorAttributes) {
        const int row = int(attribute);
        QCheckBox* box = wiz.addCheckBox(panel, checkBoxIndex(attribute), tr(properties(attribute).checkBoxCaption));
        box->setEnabled(false);

        const int index = ImgFirstColourButton + row;
        auto* button = new ColourButton(panel);
        button->setObjectName(QStringLiteral("imgWiz_%1").arg(index));
        button->setToolTip(tr("Select a Color"));
        button->setLabel(box);
        button->setEnabled(false);
        button->hide();
        wiz.imgWiz[index] = button;
        buttons[std::size_t(row)] = button;
        QObject::connect(button, &ColourButton::mouseDown, button,
                         [this, index](Qt::MouseButton b, Qt::KeyboardModifiers shift, int x, int y) {
                             imgWiz_MouseDown(index, b, shift, x, y);
                         });
        QObject::connect(button, &ColourButton::mouseMove, button,
                         [this, index](Qt::MouseButtons b, Qt::KeyboardModifiers shift, int x, int y) {
                             imgWiz_MouseMove(index, b, shift, x, y);
                         });
        QObject::connect(button, &ColourButton::mouseUp, button,
                         [this, index](Qt::MouseButton b, Qt::KeyboardModifiers shift, int x, int y) {
                             imgWiz_MouseUp(index, b, shift, x, y);
                         });
        QObject::connect(button, &ColourButton::keyActivated, button, [this, attribute] { openColourMenu(attribute); });
        QObject::connect(button, &ColourButton::clicked, button, [this, attribute] { openColourMenu(attribute); });

        attributes->addWidget(box, row, 0);
        attributes->addWidget(button, row, 1, Qt::AlignLeft | Qt::AlignVCenter);
    }
    attributes->setColumnStretch(2, 1);

    auto* choices = new QVBoxLayout;
    choices->setSpacing(4);
    choices->addWidget(defaultColors);
    choices->addWidget(customChoice);
    choices->addLayout(attributes);
    choices->addStretch();

    auto* frame = new QGroupBox(tr("Page Preview"), panel);
    pagePreview = new ColourPreview(frame);
    pagePreview->setObjectName(QStringLiteral("picBox_%1").arg(PicColourPreview));
    wiz.picBox[PicColourPreview] = pagePreview;
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(pagePreview);

    auto* top = new QHBoxLayout;
    top->addLayout(choices, 3);
    top->addWidget(frame, 2);

    QCheckBox* includeImage = wiz.addCheckBox(panel, ChkBackgroundImage, tr("Include Background I&mage"));

    auto* imageBox = new QLineEdit(panel);
    imageBox->setObjectName(QStringLiteral("txtBox_%1").arg(TxtBackgroundImage));
    imageBox->setAccessibleName(tr("Background image file"));
    imageBox->setEnabled(false);
    wiz.txtBox[TxtBackgroundImage] = imageBox;

    QPushButton* browse = wiz.addPictureButton(panel, CmdBrowseBackground, QStringLiteral(":/buttons/browse"),
                                               tr("Browse for Image"), BrowseIconSize, BrowseButtonSize, false);

    auto* imageRow = new QHBoxLayout;
    imageRow->setContentsMargins(AttributeIndent, 0, 0, 0);
    imageRow->addWidget(imageBox, 1);
    imageRow->addWidget(browse);

    QVBoxLayout* column = wiz.addColumn(panel, instruction);
    column->addSpacing(4);
    column->addLayout(top, 1);
    column->addSpacing(6);
    column->addWidget(includeImage);
    column->addLayout(imageRow);
    column->addSpacing(4);
}

void ColourPage::formLoad()
{
    for (const ColorAttribute attribute : AllColorAttributes) {
        ColourButton& button = colourButton(attribute);
        button.setFace(ColourButton::Face::Raised);
        button.show();
    }
}

ColourButton& ColourPage::colourButton(ColorAttribute attribute) const
{
    return *buttons[std::size_t(attribute)];
}

QColor ColourPage::resetColour(ColorAttribute attribute)
{
    const std::optional<ColorRef> reset = properties(attribute).resetColor;
    // The button text colour follows the desktop's colour scheme, so it is read at each reset.
    return reset ? toQColor(*reset) : QGuiApplication::palette().color(QPalette::ButtonText);
}

void ColourPage::resetAttribute(ColorAttribute attribute)
{
    setColourAttribute(attribute, resetColour(attribute), std::string(properties(attribute).resetSlot));
}

void ColourPage::setColourAttribute(ColorAttribute attribute, const QColor& colour, std::string slot)
{
    pagePreview->setColour(attribute, colour);
    // A screen reader hears what the button is for and the colour it has given, which the tool tip does not say.
    QString attributeName = tr(properties(attribute).checkBoxCaption);
    attributeName.remove(u'&');
    const std::optional<ColorRef> chosen = colourOfSlot(attribute, slot);
    QString colourName = tr("none chosen");
    if (const NamedColor* named = chosen ? namedColorAt(menuItemOf(chosen)) : nullptr)
        colourName = tr(named->caption).remove(u'&');
    else if (chosen)
        colourName = toQt(FormatColor(*chosen));
    colourButton(attribute).setAccessibleName(tr("%1: %2").arg(attributeName, colourName));
    colourSlots[std::size_t(attribute)] = std::move(slot);
}

std::string ColourPage::slotText(ColorAttribute attribute) const
{
    return colourSlots[std::size_t(attribute)];
}

void ColourPage::optRadio_Click(int index)
{
    if (index == OptDefaultColors) {
        // Unticking a disabled box runs no tick step, so the check marks of the menus stay.
        for (const ColorAttribute attribute : AllColorAttributes) {
            QCheckBox* box = wiz.chkBox[checkBoxIndex(attribute)];
            box->setEnabled(false);
            box->setChecked(false);
        }
        for (const ColorAttribute attribute : AllColorAttributes)
            resetAttribute(attribute);
        for (const ColorAttribute attribute : AllColorAttributes)
            colourButton(attribute).setEnabled(false);
    } else if (index == OptCustomColors) {
        for (const ColorAttribute attribute : AllColorAttributes)
            colorMenus.removeCheckMarks(attribute);
        for (const ColorAttribute attribute : AllColorAttributes)
            wiz.chkBox[checkBoxIndex(attribute)]->setEnabled(true);
    }
}

void ColourPage::cmdButton_Click(int index)
{
    if (index != CmdBrowseBackground)
        return;
    // Only the name goes into the page, which refers to its pictures relative to its own folder.
    if (const std::optional<OpenFileResult> chosen = choosePicture(wiz)) {
        wiz.setBoxText(TxtBackgroundImage, chosen->fileName);
        backgroundImagePath = chosen->fullPath;
    }
}

void ColourPage::chkBox_Click(int index)
{
    if (index == ChkBackgroundImage) {
        const bool ticked = wiz.chkBox[ChkBackgroundImage]->isChecked();
        if (!ticked)
            wiz.setBoxText(TxtBackgroundImage, QString());
        wiz.txtBox[TxtBackgroundImage]->setEnabled(ticked);
        wiz.cmdButton[CmdBrowseBackground]->setEnabled(ticked);
        return;
    }

    const std::optional<ColorAttribute> attribute = attributeOfCheckBox(index);
    if (!attribute)
        return;
    const QCheckBox* box = wiz.chkBox[index];
    if (!box->isEnabled())
        return;
    if (box->isChecked()) {
        // The slot and the preview wait until a colour is picked from the menu.
        colourButton(*attribute).setEnabled(true);
        colorMenus.checkItem(*attribute, properties(*attribute).defaultItem);
    } else {
        colourButton(*attribute).setEnabled(false);
        colorMenus.removeCheckMarks(*attribute);
        resetAttribute(*attribute);
    }
}

void ColourPage::imgWiz_MouseDown(int index, Qt::MouseButton button, Qt::KeyboardModifiers, int, int)
{
    const std::optional<ColorAttribute> attribute = attributeOfButton(index);
    if (!attribute || button != Qt::LeftButton)
        return;
    colourButton(*attribute).setFace(ColourButton::Face::Pressed);
}

void ColourPage::imgWiz_MouseMove(int index, Qt::MouseButtons button, Qt::KeyboardModifiers, int x, int y)
{
    const std::optional<ColorAttribute> attribute = attributeOfButton(index);
    if (!attribute || !(button & Qt::LeftButton))
        return;
    ColourButton& colour = colourButton(*attribute);
    // Kept as is: a pointer exactly on the right or bottom edge (x equal to the width) counts as inside.
    const bool outside = x < 0 || x > colour.width() || y < 0 || y > colour.height();
    const ColourButton::Face wanted = outside ? ColourButton::Face::Raised : ColourButton::Face::Pressed;
    // Moves arrive continuously while the button is held; repaint only when the face changes.
    if (colour.face() != wanted)
        colour.setFace(wanted);
}

void ColourPage::imgWiz_MouseUp(int index, Qt::MouseButton button, Qt::KeyboardModifiers, int, int)
{
    const std::optional<ColorAttribute> attribute = attributeOfButton(index);
    if (!attribute || button != Qt::LeftButton)
        return;
    ColourButton& colour = colourButton(*attribute);
    if (colour.face() != ColourButton::Face::Pressed)
        return;
    colour.setFace(ColourButton::Face::Raised);
    openColourMenu(*attribute);
}

void ColourPage::openColourMenu(ColorAttribute attribute)
{
    // Directly under the button, its left edge one pixel left of the button's: the panel's offset in the window
    // (160, 7) is folded into the constants.
    const ColourButton& button = colourButton(attribute);
    const QPoint inPanel = button.mapTo(wiz.panel(WizardPage::Colors), QPoint(0, 0));
    const QPoint clientPoint(inPanel.x() + 159, inPanel.y() + button.height() + 6);
    popupMenu(colorMenus.menu(attribute), clientPoint);
}

void ColourPage::mnuColors_Click(int index)
{
    ApplyColorChoice(ColorAttribute::Background, index);
}

void ColourPage::mnuColors1_Click(int index)
{
    ApplyColorChoice(ColorAttribute::Text, index);
}

void ColourPage::mnuColors2_Click(int index)
{
    ApplyColorChoice(ColorAttribute::Link, index);
}

void ColourPage::mnuColors3_Click(int index)
{
    ApplyColorChoice(ColorAttribute::VisitedLink, index);
}

void ColourPage::mnuColors4_Click(int index)
{
    ApplyColorChoice(ColorAttribute::ActiveLink, index);
}

void ColourPage::ApplyColorChoice(ColorAttribute attribute, int index)
{
    // The check mark moves first, also to "Custom..." when the dialog is then cancelled.
    colorMenus.checkItem(attribute, index);

    if (index == CustomColorItem) {
        // The dialog works on a copy, so slots edited in a cancelled dialog are not taken over.
        CustomColors edited = customColors;
        const std::optional<ColorRef> chosen = wiz.platform.chooseColor(&wiz.window, edited);
        if (!chosen)
            return;
        customColors = edited;
        setColourAttribute(attribute, toQColor(*chosen), colorSlotText(attribute, FormatColor(*chosen)));
    } else if (const NamedColor* named = namedColorAt(index)) {
        setColourAttribute(attribute, QColor(named->red, named->green, named->blue),
                           colorSlotText(attribute, named->colorText));
    }
}

void ColourPage::resetForAnotherPage()
{
    // Both choices run their click behaviour even when nothing changes, so the page is surely back at its start.
    QRadioButton* defaultColors = wiz.optRadio[OptDefaultColors];
    if (defaultColors->isChecked())
        optRadio_Click(OptDefaultColors);
    else
        defaultColors->setChecked(true);

    backgroundImagePath.clear();
    wiz.setBoxText(TxtBackgroundImage, QString());
    QCheckBox* includeImage = wiz.chkBox[ChkBackgroundImage];
    if (includeImage->isChecked())
        includeImage->setChecked(false);
    else
        chkBox_Click(ChkBackgroundImage);
}

QString ColourPage::backgroundPicturePath() const
{
    return knownPicturePath(wiz.boxText(TxtBackgroundImage), backgroundImagePath);
}

void ColourPage::restore(const PageSpec& spec, const QString& pageFolder)
{
    // An attribute at its reset text reads as unticked: ticked or not, it writes the same page.
    bool custom = false;
    for (const ColorAttribute attribute : AllColorAttributes)
        custom = custom || spec.*properties(attribute).slot != properties(attribute).resetSlot;
    if (custom) {
        wiz.optRadio[OptCustomColors]->setChecked(true);
        for (const ColorAttribute attribute : AllColorAttributes) {
            const std::string& slot = spec.*properties(attribute).slot;
            if (slot == properties(attribute).resetSlot)
                continue;
            wiz.chkBox[checkBoxIndex(attribute)]->setChecked(true);
            const std::optional<ColorRef> colour = colourOfSlot(attribute, slot);
            colorMenus.checkItem(attribute, menuItemOf(colour));
            // The custom slots of the colour dialog stay as the user left them.
            setColourAttribute(attribute, colour ? toQColor(*colour) : resetColour(attribute), slot);
        }
    }
    if (!spec.backgroundImage.empty()) {
        wiz.chkBox[ChkBackgroundImage]->setChecked(true);
        wiz.setBoxText(TxtBackgroundImage, toQt(spec.backgroundImage));
        // The picture is where the page refers to it: beside the page.
        backgroundImagePath = QFileInfo(QDir(pageFolder).filePath(toQt(spec.backgroundImage))).absoluteFilePath();
    }
}

void ColourPage::describe(PageSpec& spec) const
{
    for (const ColorAttribute attribute : AllColorAttributes)
        spec.*properties(attribute).slot = slotText(attribute);
    spec.backgroundImage = toStd(wiz.boxText(TxtBackgroundImage));
}

} // namespace larkspan
