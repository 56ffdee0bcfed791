#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QMenu;
class QMovie;
class QWheelEvent;

namespace larkspan {

class PreviewPicture;
class frmWiz;

enum class ImageTarget { BackgroundImage, PageImage };

// Items of the properties menu.
inline constexpr int MnuPropImageProperties = 0;
inline constexpr int MnuPropSeparator = 1;
inline constexpr int MnuPropCancel = 2;
inline constexpr int MnuPropCount = 3;

// The Image page: the page picture, its scrolling preview, its size and its properties. It also browses for the
// Colors page's background image, which shares the file dialog.
class ImagePage : public QObject {
    Q_OBJECT

public:
    explicit ImagePage(frmWiz& wiz);

    void BrowseForImage(ImageTarget target);
    // Shows a picture that has been read successfully, centred in the inner viewport, with the scroll bars it needs.
    void ShowImagePreview(const PreviewPicture& picture);
    void hsbImg_Change(int value);
    void vsbImg_Change(int value);
    // "Include Image" changed.
    void chkBox_Click();
    void imgWiz_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos);
    void picBox_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos);
    void mnuProp_Click(int index);
    // Result code of the platform: greater than 32 when the properties are shown.
    int ShowFileProperties(const QString& path, QWidget* owner);
    // Starting another page: no picture, "Include Image" unticked.
    void resetForAnotherPage();

    // The hidden top-level menu "Properties" and its items.
    QMenu* zmnuProperties = nullptr;
    std::array<QAction*, MnuPropCount> mnuProp{};
    // Opens the properties menu at a global position; tests replace it to see and choose the items.
    std::function<void(QMenu*, const QPoint&)> popupMenu;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeViewport();
    void showPicture(const PreviewPicture& picture);
    // The mouse wheel over the preview moves the picture through the scroll bars.
    void scrollPreview(const QWheelEvent& wheel);
    void removePicture();
    void showPropertiesMenu(const QPoint& globalPos);

    frmWiz& wiz;
    QPointer<QMovie> movie;
};

} // namespace larkspan
