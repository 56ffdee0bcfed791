// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/wizardpagebase.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QLabel;
class QScrollBar;
class QMenu;
class QMovie;
class QWheelEvent;

namespace larkspan {

class PreviewPicture;
class WizardControls;

// Items of the properties menu.
inline constexpr int MnuPropImageProperties = 0;
inline constexpr int MnuPropSeparator = 1;
inline constexpr int MnuPropCancel = 2;
inline constexpr int MnuPropCount = 3;

// The Image page: the page picture, its scrolling preview, its size and its properties.
class ImagePage : public QObject, public WizardPageBase {
    Q_OBJECT

public:
    explicit ImagePage(WizardControls& wiz);

    void cmdButton_Click(int index) override;
    void chkBox_Click(int index) override;
    void describe(PageSpec& spec) const override;
    // The picture is looked for in the page's folder, where the page refers to it.
    void restore(const PageSpec& spec, const QString& pageFolder) override;

    // Only the picture's name goes into the page, which refers to its pictures relative to its own folder.
    void BrowseForImage();
    // Shows a picture that has been read successfully, centred in the inner viewport, with the scroll bars it needs.
    void ShowImagePreview(const PreviewPicture& picture);
    void hsbImg_Change(int value);
    void vsbImg_Change(int value);
    void imgWiz_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos);
    void picBox_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos);
    void mnuProp_Click(int index);
    // Result code of the platform: greater than 32 when the properties are shown.
    int ShowFileProperties(const QString& path, QWidget* owner);
    // Starting another page: no picture, "Include Image" unticked.
    void resetForAnotherPage() override;

    // The hidden top-level menu "Properties" and its items.
    QMenu* zmnuProperties = nullptr;
    std::array<QAction*, MnuPropCount> mnuProp{};
    // Opens the properties menu at a global position; tests replace it to see and choose the items.
    std::function<void(QMenu*, const QPoint&)> popupMenu;

    // The preview's scroll bars, shown when the picture is larger than the preview.
    QScrollBar* hsbImg = nullptr;
    QScrollBar* vsbImg = nullptr;
    // Full path of the chosen page image.
    QString pageImagePath;
    // The file of the picture that the box names now, so that it can be shown or copied beside the page; empty
    // when none is known (the box names another file than was chosen, or nothing).
    QString picturePath() const;
    QLabel* previewLabel() const { return previewImage; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeViewport();
    void showPicture(const PreviewPicture& picture);
    // The mouse wheel over the preview moves the picture through the scroll bars.
    void scrollPreview(const QWheelEvent& wheel);
    // "Include Image" changed.
    void includeImageChanged();
    void removePicture();
    void showPropertiesMenu(const QPoint& globalPos);

    WizardControls& wiz;
    QLabel* previewImage = nullptr;
    QPointer<QMovie> movie;
};

} // namespace larkspan
