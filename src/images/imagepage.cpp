// SPDX-License-Identifier: GPL-3.0-or-later
#include "images/imagepage.h"

#include "images/previewpicture.h"
#include "ui/picturedialog.h"
#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QMovie>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace larkspan {

namespace {

constexpr QSize OuterViewportSize{236, 210};
constexpr QSize BrowseIconSize{20, 20};
constexpr QSize BrowseButtonSize{30, 28};
// Scroll ranges are 16-bit: a picture that overhangs the viewport by more scrolls only this far.
constexpr int ScrollLimit = std::numeric_limits<std::int16_t>::max();
constexpr int ScrollArrowStep = 10;

// Gives a scroll bar its range for a picture that overhangs the viewport by overhang pixels, and puts its thumb
// where the picture stands, without moving the picture.
void setUpScrollBar(QScrollBar* bar, int overhang, int viewportExtent, int position)
{
    const int maximum = std::clamp(overhang, 0, ScrollLimit);
    const QSignalBlocker blocker(bar);
    bar->setRange(0, maximum);
    bar->setSingleStep(ScrollArrowStep);
    bar->setPageStep(std::max(1, viewportExtent));
    bar->setValue(std::clamp(position, 0, maximum));
}

} // namespace

ImagePage::ImagePage(WizardControls& wiz) : wiz(wiz)
{
    QWidget* panel = wiz.panel(WizardPage::Image);

    // Kept as is: "a good it idea".
    QLabel* instruction = wiz.addInstruction(
        panel,
        tr("Select an image for your web page. It's a good it idea to select an image "
           "that isn't too large since it will increase the page's download time."));

    QCheckBox* include = wiz.addCheckBox(panel, ChkPageImage, tr("Include I&mage"));

    auto* box = new QLineEdit(panel);
    box->setAccessibleName(tr("Image file name"));
    box->setEnabled(false);
    wiz.txtBox[TxtPageImage] = box;

    QPushButton* browse = wiz.addPictureButton(panel, CmdBrowseImage, QStringLiteral(":/buttons/browse"),
                                               tr("Browse for Image"), BrowseIconSize, BrowseButtonSize, false);

    auto* dimensions = new QLabel(tr("Image Dimensions:"), panel);
    const int fieldWidth = panel->fontMetrics().horizontalAdvance(QStringLiteral("000000"));
    // The size reads as it shows, "Image Dimensions: 240 x 160": the two fields are named by their numbers.
    QLabel* width = wiz.addLabel(panel, LblImageWidth);
    width->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    width->setMinimumWidth(fieldWidth);
    auto* by = new QLabel(tr("x"), panel);
    QLabel* height = wiz.addLabel(panel, LblImageHeight);
    height->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    height->setMinimumWidth(fieldWidth);

    auto* frame = new QGroupBox(tr("Image Preview"), panel);
    auto* outer = new QFrame(frame);
    outer->setObjectName(QStringLiteral("picBox_%1").arg(PicImageOuter));
    outer->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    outer->setLineWidth(2);
    outer->setFixedSize(OuterViewportSize);
    wiz.picBox[PicImageOuter] = outer;

    auto* inner = new QWidget(outer);
    inner->setObjectName(QStringLiteral("picBox_%1").arg(PicImageInner));
    wiz.picBox[PicImageInner] = inner;

    auto* image = new QLabel(inner);
    image->setObjectName(QStringLiteral("imgWiz_%1").arg(ImgPageImage));
    image->setScaledContents(false);
    image->setAlignment(Qt::AlignCenter);
    image->setWordWrap(true);
    image->hide();
    wiz.imgWiz[ImgPageImage] = image;
    previewImage = image;

    const int barExtent = outer->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, outer);
    hsbImg = new QScrollBar(Qt::Horizontal, outer);
    hsbImg->setObjectName(QStringLiteral("hsbImg"));
    hsbImg->setAccessibleName(tr("Scroll the preview sideways"));
    hsbImg->resize(hsbImg->width(), barExtent);
    hsbImg->hide();
    vsbImg = new QScrollBar(Qt::Vertical, outer);
    vsbImg->setObjectName(QStringLiteral("vsbImg"));
    vsbImg->setAccessibleName(tr("Scroll the preview up and down"));
    vsbImg->resize(barExtent, vsbImg->height());
    vsbImg->hide();
    placeViewport();

    connect(hsbImg, &QScrollBar::valueChanged, this, &ImagePage::hsbImg_Change);
    connect(vsbImg, &QScrollBar::valueChanged, this, &ImagePage::vsbImg_Change);
    image->installEventFilter(this);
    inner->installEventFilter(this);
    outer->installEventFilter(this);

    zmnuProperties = new QMenu(tr("Properties"), &wiz.window);
    zmnuProperties->setObjectName(QStringLiteral("zmnuProperties"));
    mnuProp[MnuPropImageProperties] = zmnuProperties->addAction(tr("&Image Properties"));
    mnuProp[MnuPropSeparator] = zmnuProperties->addSeparator();
    mnuProp[MnuPropCancel] = zmnuProperties->addAction(tr("&Cancel"));
    for (int i = 0; i < MnuPropCount; ++i)
        connect(mnuProp[i], &QAction::triggered, this, [this, i] { mnuProp_Click(i); });
    popupMenu = [](QMenu* menu, const QPoint& at) { menu->popup(at); };

    auto* framed = new QVBoxLayout(frame);
    framed->addWidget(outer, 0, Qt::AlignCenter);

    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(box, 1);
    fileRow->addWidget(browse);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(width);
    sizeRow->addWidget(by);
    sizeRow->addWidget(height);
    sizeRow->addStretch();

    auto* choice = new QVBoxLayout;
    choice->addWidget(include);
    choice->addLayout(fileRow);
    choice->addSpacing(12);
    choice->addWidget(dimensions);
    choice->addLayout(sizeRow);
    choice->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(choice, 1);
    body->addWidget(frame, 0, Qt::AlignTop);

    QVBoxLayout* column = wiz.addColumn(panel, instruction);
    column->addLayout(body, 1);
}

void ImagePage::BrowseForImage()
{
    const std::optional<OpenFileResult> chosen = choosePicture(wiz);
    if (!chosen)
        return;

    // The picture is read before anything changes, so that a file that cannot be shown leaves the page as it was.
    const PreviewPicture picture = PreviewPicture::read(chosen->fullPath);
    if (!picture.isValid()) {
        wiz.platform.messageBox(&wiz.window,
                                tr("The picture %1 cannot be shown: %2")
                                    .arg(QDir::toNativeSeparators(chosen->fullPath), picture.outcome().reason),
                                MessageButtons::Ok, MessageIcon::Critical, tr("Larkspan"));
        return;
    }
    wiz.setBoxText(TxtPageImage, chosen->fileName);
    ShowImagePreview(picture);
    pageImagePath = chosen->fullPath;
    wiz.lblLabel[LblImageWidth]->setText(QString::number(picture.size().width()));
    wiz.lblLabel[LblImageHeight]->setText(QString::number(picture.size().height()));
}

void ImagePage::ShowImagePreview(const PreviewPicture& picture)
{
    QLabel* image = previewImage;
    showPicture(picture);
    placeViewport();

    // Halves of an odd difference are dropped toward zero, so a larger picture shows its middle part.
    const QWidget* inner = wiz.picBox[PicImageInner];
    const int innerWidth = inner->width();
    const int innerHeight = inner->height();
    image->move((innerWidth - image->width()) / 2, (innerHeight - image->height()) / 2);

    setUpScrollBar(hsbImg, image->width() - innerWidth, innerWidth, -image->x());
    setUpScrollBar(vsbImg, image->height() - innerHeight, innerHeight, -image->y());
    hsbImg->setVisible(image->width() > innerWidth);
    vsbImg->setVisible(image->height() > innerHeight);
}

void ImagePage::hsbImg_Change(int value)
{
    QLabel* image = previewImage;
    image->move(-value, image->y());
}

void ImagePage::vsbImg_Change(int value)
{
    QLabel* image = previewImage;
    image->move(image->x(), -value);
}

void ImagePage::cmdButton_Click(int index)
{
    if (index == CmdBrowseImage)
        BrowseForImage();
}

void ImagePage::describe(PageSpec& spec) const
{
    spec.pageImage = toStd(wiz.boxText(TxtPageImage));
    spec.imageWidth = toStd(wiz.lblLabel[LblImageWidth]->text());
    spec.imageHeight = toStd(wiz.lblLabel[LblImageHeight]->text());
}

QString ImagePage::picturePath() const
{
    return knownPicturePath(wiz.boxText(TxtPageImage), pageImagePath);
}

void ImagePage::restore(const PageSpec& spec, const QString& pageFolder)
{
    if (spec.pageImage.empty() && spec.imageWidth.empty() && spec.imageHeight.empty())
        return;
    wiz.chkBox[ChkPageImage]->setChecked(true);
    const QString name = toQt(spec.pageImage);
    wiz.setBoxText(TxtPageImage, name);
    // Without the picture beside the page there is no preview and nothing to show properties of.
    const QString path = QDir(pageFolder).filePath(name);
    if (!name.isEmpty() && QFileInfo(path).isFile()) {
        const PreviewPicture picture = PreviewPicture::read(path);
        if (picture.isValid()) {
            ShowImagePreview(picture);
            pageImagePath = QFileInfo(path).absoluteFilePath();
        }
    }
    // The size as the page gives it, which may differ from the picture's own.
    wiz.lblLabel[LblImageWidth]->setText(toQt(spec.imageWidth));
    wiz.lblLabel[LblImageHeight]->setText(toQt(spec.imageHeight));
}

void ImagePage::chkBox_Click(int index)
{
    if (index == ChkPageImage)
        includeImageChanged();
}

void ImagePage::includeImageChanged()
{
    const bool ticked = wiz.chkBox[ChkPageImage]->isChecked();
    if (ticked) {
        wiz.txtBox[TxtPageImage]->setEnabled(true);
        wiz.cmdButton[CmdBrowseImage]->setEnabled(true);
        return;
    }
    removePicture();
    previewImage->hide();
    hsbImg->hide();
    vsbImg->hide();
    wiz.setBoxText(TxtPageImage, QString());
    wiz.txtBox[TxtPageImage]->setEnabled(false);
    wiz.cmdButton[CmdBrowseImage]->setEnabled(false);
    wiz.lblLabel[LblImageWidth]->clear();
    wiz.lblLabel[LblImageHeight]->clear();
    pageImagePath.clear();
}

void ImagePage::imgWiz_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos)
{
    if (index != ImgPageImage || button != Qt::RightButton)
        return;
    showPropertiesMenu(globalPos);
}

void ImagePage::picBox_MouseUp(int index, Qt::MouseButton button, const QPoint& globalPos)
{
    if ((index != PicImageOuter && index != PicImageInner) || button != Qt::RightButton)
        return;
    showPropertiesMenu(globalPos);
}

void ImagePage::mnuProp_Click(int index)
{
    if (index != MnuPropImageProperties)
        return;
    if (ShowFileProperties(pageImagePath, &wiz.window) <= 32)
        wiz.platform.messageBox(&wiz.window, tr("Error"), MessageButtons::Ok, MessageIcon::None, tr("Larkspan"));
}

int ImagePage::ShowFileProperties(const QString& path, QWidget* owner)
{
    return wiz.platform.showFileProperties(owner, path);
}

void ImagePage::resetForAnotherPage()
{
    wiz.setBoxText(TxtPageImage, QString());
    // Unticking runs the tick step, which clears the preview, the dimensions and the path.
    wiz.chkBox[ChkPageImage]->setChecked(false);
}

bool ImagePage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        scrollPreview(*static_cast<QWheelEvent*>(event));
        return true;
    }
    if (event->type() != QEvent::MouseButtonRelease)
        return QObject::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->globalPosition().toPoint();
    // A handled release goes no further, so that the viewport behind the picture does not open the menu again.
    const bool handled = mouse->button() == Qt::RightButton;
    if (watched == wiz.imgWiz[ImgPageImage]) {
        imgWiz_MouseUp(ImgPageImage, mouse->button(), at);
        return handled;
    }
    for (const int index : {PicImageOuter, PicImageInner}) {
        if (watched == wiz.picBox[index]) {
            picBox_MouseUp(index, mouse->button(), at);
            return handled;
        }
    }
    return QObject::eventFilter(watched, event);
}

void ImagePage::scrollPreview(const QWheelEvent& wheel)
{
    // A notch scrolls as many arrow steps as the desktop scrolls lines; Shift turns the wheel sideways.
    QPoint pixels = wheel.pixelDelta();
    if (pixels.isNull())
        pixels = wheel.angleDelta() * (QApplication::wheelScrollLines() * ScrollArrowStep) / 120;
    if (wheel.modifiers().testFlag(Qt::ShiftModifier) && pixels.x() == 0)
        pixels = pixels.transposed();
    hsbImg->setValue(hsbImg->value() - pixels.x());
    vsbImg->setValue(vsbImg->value() - pixels.y());
}

void ImagePage::placeViewport()
{
    // The inner viewport fills the outer one's inside, less the strips where the scroll bars go.
    const QRect contents = wiz.picBox[PicImageOuter]->contentsRect();
    const int innerWidth = contents.width() - vsbImg->width();
    const int innerHeight = contents.height() - hsbImg->height();
    wiz.picBox[PicImageInner]->setGeometry(contents.left(), contents.top(), innerWidth, innerHeight);
    hsbImg->setGeometry(contents.left(), contents.top() + innerHeight, innerWidth, hsbImg->height());
    vsbImg->setGeometry(contents.left() + innerWidth, contents.top(), vsbImg->width(), innerHeight);
}

void ImagePage::showPicture(const PreviewPicture& picture)
{
    QLabel* image = previewImage;
    removePicture();
    if (picture.isTooLargeToShow()) {
        image->setText(tr("This picture is too large to show here. Its name and size go into the page."));
        image->resize(wiz.picBox[PicImageInner]->size());
        image->show();
        return;
    }
    if (picture.isAnimated()) {
        movie = new QMovie(picture.path(), QByteArray(), image);
        image->setMovie(movie);
        movie->start();
    } else {
        image->setPixmap(QPixmap::fromImage(picture.firstFrame()));
    }
    // The picture keeps its natural size; the viewport clips what does not fit.
    image->resize(picture.size());
    image->show();
}

void ImagePage::removePicture()
{
    previewImage->clear();
    delete movie.data();
}

void ImagePage::showPropertiesMenu(const QPoint& globalPos)
{
    mnuProp[MnuPropImageProperties]->setEnabled(!pageImagePath.isEmpty());
    popupMenu(zmnuProperties, globalPos);
}

} // namespace larkspan
