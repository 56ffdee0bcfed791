// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "testpictures.h"
#include "wizardfixture.h"

#include "images/imagepage.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>

namespace larkspan {

// The wizard on the Image page with "Include Image" ticked, and the properties menu replaced by a recorder.
struct ImageFixture : WizardFixture {
    ImageFixture()
    {
        goTo(WizardPage::Image);
        wiz->chkBox[ChkPageImage]->click();
        page().popupMenu = [this](QMenu* menu, const QPoint&) {
            ++menusShown;
            shownMenu = menu;
            propertiesEnabled = page().mnuProp[MnuPropImageProperties]->isEnabled();
            if (choice >= 0)
                page().mnuProp[choice]->trigger();
        };
    }

    ImagePage& page() const { return wiz->imagePage(); }
    QLabel* image() const { return wiz->imagePage().previewLabel(); }
    QScrollBar* hsb() const { return wiz->imagePage().hsbImg; }
    QScrollBar* vsb() const { return wiz->imagePage().vsbImg; }
    QWidget* outer() const { return wiz->picBox[PicImageOuter]; }
    QWidget* inner() const { return wiz->picBox[PicImageInner]; }
    QSize innerSize() const { return inner()->size(); }

    void choose(const QString& path)
    {
        platform.openAnswers.push_back(OpenFileResult{path, QFileInfo(path).fileName()});
        press(CmdBrowseImage);
    }

    void click(QWidget* widget, Qt::MouseButton button = Qt::RightButton)
    {
        QTest::mouseClick(widget, button, {}, QPoint(2, 2));
    }

    // Everything the page shows about its picture, in one line, to compare before and after.
    QString state() const
    {
        const QLabel* picture = image();
        return QStringLiteral("box '%1' path '%2' size %3 x %4 picture %5 %6x%7 at %8,%9 bars %10%11")
            .arg(wiz->boxText(TxtPageImage), wiz->imagePage().pageImagePath, wiz->lblLabel[LblImageWidth]->text(),
                 wiz->lblLabel[LblImageHeight]->text(),
                 picture->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
            .arg(picture->width())
            .arg(picture->height())
            .arg(picture->x())
            .arg(picture->y())
            .arg(hsb()->isVisible() ? QStringLiteral("h") : QStringLiteral("-"),
                 vsb()->isVisible() ? QStringLiteral("v") : QStringLiteral("-"));
    }

    QTemporaryDir dir;
    int menusShown = 0;
    QMenu* shownMenu = nullptr;
    bool propertiesEnabled = false;
    int choice = -1; // the item the user picks from the properties menu; -1: the menu is closed
};

} // namespace larkspan
