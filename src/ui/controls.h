// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Indexes of the main window's control arrays. Each array element has one fixed meaning everywhere.
namespace larkspan {

// The nine pages, valued by the index of their panel.
enum class WizardPage : int {
    Layout = 0,
    Colors = 1,
    Image = 2,
    Text = 3,
    BulletList = 4,
    Links = 5,
    Finish = 6,
    About = 7,
    Welcome = 8
};
inline constexpr int PageCount = 9;

// cmdButton
inline constexpr int CmdForward = 0;
inline constexpr int CmdBackward = 1;
inline constexpr int CmdCancel = 2;
inline constexpr int CmdHelp = 3;
inline constexpr int CmdAbout = 4;
inline constexpr int CmdBrowseBackground = 5;
inline constexpr int CmdBrowseImage = 6;
inline constexpr int CmdIndent = 7;
inline constexpr int CmdImportText = 8;
inline constexpr int CmdAddItem = 9;
inline constexpr int CmdRemoveItem = 10;
inline constexpr int CmdAddLink = 11;
inline constexpr int CmdRemoveLink = 12;
inline constexpr int CmdSourceBrowser = 13;
inline constexpr int CmdPreviewBrowser = 14;
inline constexpr int CmdButtonCount = 15;

// txtBox
inline constexpr int TxtTitle = 0;
inline constexpr int TxtHeading = 1;
inline constexpr int TxtBackgroundImage = 2;
inline constexpr int TxtPageImage = 3;
inline constexpr int TxtPageText = 4;
inline constexpr int TxtBulletItem = 5;
inline constexpr int TxtLinkAddress = 6;
inline constexpr int TxtLinkDescription = 7;
inline constexpr int TxtEmail = 8;
inline constexpr int TxtBoxCount = 9;

// cbBox
inline constexpr int CbLayout = 0;
inline constexpr int CbHeadingSize = 1;
inline constexpr int CbBulletStyle = 2;
inline constexpr int CbBoxCount = 3;

// chkBox: 0 to 4 are the five colour attributes in ColorAttribute order.
inline constexpr int ChkFirstColour = 0;
inline constexpr int ChkBackgroundImage = 5;
inline constexpr int ChkPageImage = 6;
inline constexpr int ChkKeyMask = 7;
inline constexpr int ChkBoxCount = 8;

// optRadio
inline constexpr int OptDefaultColors = 0;
inline constexpr int OptCustomColors = 1;
inline constexpr int OptEnterBreak = 2;
inline constexpr int OptEnterParagraph = 3;
inline constexpr int OptDefaultLinkStyle = 4;
inline constexpr int OptComboLinkStyle = 5;
inline constexpr int OptRadioCount = 6;

// lstBox
inline constexpr int LstItems = 0;
inline constexpr int LstLinks = 1;
inline constexpr int LstBoxCount = 2;

// lblLabel: only the labels that the program changes are in the array.
inline constexpr int LblLayoutDescription = 1;
inline constexpr int LblItemCounter = 18;
inline constexpr int LblLinkCounter = 22;
inline constexpr int LblImageWidth = 26;
inline constexpr int LblImageHeight = 27;
inline constexpr int LblFirstSummary = 32;
inline constexpr int LblSummaryCount = 6;
inline constexpr int LblLabelCount = 38;

// imgWiz: the side picture, the five colour buttons (ColorAttribute order), the page image.
inline constexpr int ImgSide = 0;
inline constexpr int ImgFirstColourButton = 1;
inline constexpr int ImgPageImage = 6;
inline constexpr int ImgWizCount = 7;

// picBox
inline constexpr int PicLayoutPreview = 0;
inline constexpr int PicColourPreview = 1;
inline constexpr int PicImageOuter = 2;
inline constexpr int PicImageInner = 3;
inline constexpr int PicBoxCount = 4;

inline constexpr int TemplateCount = 6;

} // namespace larkspan
