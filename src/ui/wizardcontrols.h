// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"
#include "ui/controls.h"

#include <QSize>
#include <QString>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;
class QWidget;

namespace larkspan {

// The main window's controls as its pages reach them: the control arrays, the factories that fill them, the page
// panels and the platform seam. The window owns every widget; it lends this to each page that it builds.
class WizardControls {
public:
    WizardControls(QWidget& window, Platform& platform);
    WizardControls(const WizardControls&) = delete;
    WizardControls& operator=(const WizardControls&) = delete;

    // The main window: the owner of dialogs and menus, and the frame of client coordinates.
    QWidget& window;
    Platform& platform;

    // The control arrays. Elements that a page does not have stay null.
    std::array<QPushButton*, CmdButtonCount> cmdButton{};
    std::array<QWidget*, TxtBoxCount> txtBox{}; // QLineEdit, or QPlainTextEdit for the page text and item boxes
    std::array<QComboBox*, CbBoxCount> cbBox{};
    std::array<QCheckBox*, ChkBoxCount> chkBox{};
    std::array<QRadioButton*, OptRadioCount> optRadio{};
    std::array<QListWidget*, LstBoxCount> lstBox{};
    std::array<QLabel*, LblLabelCount> lblLabel{};
    std::array<QWidget*, PageCount> picContainer{};
    std::array<QWidget*, PicBoxCount> picBox{};
    std::array<QWidget*, ImgWizCount> imgWiz{}; // pictures, and the colour buttons

    // Tab followed by the page text box's selection, taken at every button press.
    QString capturedSelection;

    QWidget* panel(WizardPage page) const { return picContainer[int(page)]; }

    // Makes element index of cmdButton on a page's panel. A picture button's tool tip is its accessible name too.
    QPushButton* addButton(QWidget* panel, int index, const QString& caption, bool enabled);
    QPushButton* addPictureButton(QWidget* panel, int index, const QString& picture, const QString& tip,
                                  QSize pictureSize, QSize buttonSize, bool enabled);
    // Makes element index of lblLabel on a panel or a frame in it, or element index of lstBox.
    QLabel* addLabel(QWidget* panel, int index, const QString& text = {});
    QListWidget* addList(QWidget* panel, int index, const QString& accessibleName);
    // Makes element index of chkBox or optRadio.
    QCheckBox* addCheckBox(QWidget* panel, int index, const QString& caption);
    QRadioButton* addRadio(QWidget* panel, int index, const QString& caption);
    // Makes a page's word-wrapped instruction at its top.
    static QLabel* addInstruction(QWidget* panel, const QString& text);
    // Lays a page's panel out as one column inset at the sides, top (its instruction or heading) first; the page
    // adds the rest below.
    static QVBoxLayout* addColumn(QWidget* panel, QWidget* top);
    // Makes element index of txtBox as a one-line box with its caption, the caption's buddy.
    struct CaptionedBox {
        QLabel* caption;
        QLineEdit* box;
    };
    CaptionedBox addLineBox(QWidget* panel, int index, const QString& caption);

    // Text of any text box, with CR LF line ends; setting it replaces the whole text.
    QString boxText(int index) const;
    void setBoxText(int index, const QString& text);
};

} // namespace larkspan
