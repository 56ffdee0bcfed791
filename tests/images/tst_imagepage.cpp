#include "wizardfixture.h"

#include "images/imagepage.h"
#include "platform/filepropertieswindow.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMovie>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace larkspan;
using namespace Qt::StringLiterals;

namespace {

// Stands for a named pipe in a table of file contents.
const QByteArray fifo("(a named pipe)");

// Qt reads GIF but does not write it, so the tests write their own: GIF89a of an exact size, two colours, each frame
// one colour. A clear code before every second pixel keeps the compressor's codes three bits wide.
QByteArray gifData(QSize size, int frames)
{
    QByteArray data("GIF89a");
    const auto word = [&data](int value) {
        data.append(char(value & 0xFF));
        data.append(char((value >> 8) & 0xFF));
    };
    word(size.width());
    word(size.height());
    data.append(char(0x80)); // a global colour table of two entries
    data.append(2, '\0');    // background colour, aspect ratio
    data.append("\xFF\x00\x00\x00\x00\xFF", 6);
    constexpr int Clear = 4;
    constexpr int End = 5;
    for (int frame = 0; frame < frames; ++frame) {
        data.append("\x21\xF9\x04\x00", 4); // graphic control: ten hundredths of a second per frame
        word(10);
        data.append(2, '\0');
        data.append(',');
        word(0);
        word(0);
        word(size.width());
        word(size.height());
        data.append('\0');
        data.append(char(2)); // minimum code size

        QByteArray packed;
        quint32 bits = 0;
        int bitCount = 0;
        const auto code = [&](int value) {
            bits |= quint32(value) << bitCount;
            bitCount += 3;
            for (; bitCount >= 8; bitCount -= 8, bits >>= 8)
                packed.append(char(bits & 0xFF));
        };
        const qint64 pixels = qint64(size.width()) * size.height();
        for (qint64 i = 0; i < pixels; ++i) {
            if (i % 2 == 0)
                code(Clear);
            code(frame % 2);
        }
        code(End);
        if (bitCount > 0)
            packed.append(char(bits & 0xFF));
        for (qsizetype at = 0; at < packed.size(); at += 255) {
            const QByteArray block = packed.mid(at, 255);
            data.append(char(block.size()));
            data.append(block);
        }
        data.append('\0');
    }
    data.append(';');
    return data;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A GIF whose header states a size that its one tiny frame does not have: only the header is ever read.
QByteArray gifHeaderOnly(QSize stated)
{
    QByteArray data = gifData(QSize(2, 2), 1);
    for (const int at : {6, 32}) { // the logical screen and the image descriptor
        data[at] = char(stated.width() & 0xFF);
        data[at + 1] = char(stated.width() >> 8);
        data[at + 2] = char(stated.height() & 0xFF);
        data[at + 3] = char(stated.height() >> 8);
    }
    return data;
}

// A JPEG with an EXIF orientation (6: turned a quarter clockwise to stand upright), which Qt does not write itself.
QByteArray withOrientation(const QByteArray& jpeg, int orientation)
{
    QByteArray exif("Exif\0\0II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0", 24);
    exif.append(char(orientation)).append(3, '\0').append(4, '\0'); // the value, then no further directory
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char((exif.size() + 2) >> 8)).append(char((exif.size() + 2) & 0xFF)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// A picture of exactly size pixels as stored, GIF or JPEG after the name's extension, a JPEG with the EXIF
// orientation given (0: none); the empty string when it failed.
QString makePicture(const QTemporaryDir& dir, const QString& name, QSize size, int frames = 1, int orientation = 0)
{
    const QString path = dir.filePath(name);
    if (name.endsWith(QStringLiteral(".gif")))
        return writeFile(path, gifData(size, frames)) ? path : QString();
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    QBuffer jpeg;
    if (!jpeg.open(QIODevice::WriteOnly) || !picture.save(&jpeg, "JPEG"))
        return {};
    const QByteArray bytes = orientation ? withOrientation(jpeg.data(), orientation) : jpeg.data();
    return writeFile(path, bytes) ? path : QString();
}

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
                 wiz->lblLabel[LblImageHeight]->text(), picture->isVisible() ? u"shown"_s : u"hidden"_s)
            .arg(picture->width())
            .arg(picture->height())
            .arg(picture->x())
            .arg(picture->y())
            .arg(hsb()->isVisible() ? u"h"_s : u"-"_s, vsb()->isVisible() ? u"v"_s : u"-"_s);
    }

    QTemporaryDir dir;
    int menusShown = 0;
    QMenu* shownMenu = nullptr;
    bool propertiesEnabled = false;
    int choice = -1; // the item the user picks from the properties menu; -1: the menu is closed
};

} // namespace

class tst_ImagePage : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void browseForPageImage_data();
    void browseForPageImage();
    void backgroundTargetFillsOnlyItsBox();
    void cancelChangesNothing_data();
    void cancelChangesNothing();
    void previewGeometry_data();
    void previewGeometry();
    void hugePictureScrollsToTheLimit_data();
    void hugePictureScrollsToTheLimit();
    void nextPictureStartsCentred();
    void wheelScrollsThePreview_data();
    void wheelScrollsThePreview();
    void animatedGifMoves();
    void unreadablePictureKeepsThePage_data();
    void unreadablePictureKeepsThePage();
    void untickClearsEverything();
    void propertiesMenu_data();
    void propertiesMenu();
    void propertiesCommand_data();
    void propertiesCommand();
    void resetForAnotherPage_data();
    void resetForAnotherPage();
    void propertiesSheet();
};

void tst_ImagePage::startState()
{
    WizardFixture f;
    f.goTo(WizardPage::Image);
    QVERIFY(!f.wiz->chkBox[ChkPageImage]->isChecked());
    QCOMPARE(f.wiz->chkBox[ChkPageImage]->text(), QStringLiteral("Include I&mage"));
    QVERIFY(!f.wiz->txtBox[TxtPageImage]->isEnabled());
    QVERIFY(!f.wiz->cmdButton[CmdBrowseImage]->isEnabled());
    QCOMPARE(f.wiz->cmdButton[CmdBrowseImage]->toolTip(), QStringLiteral("Browse for Image"));
    QCOMPARE(f.wiz->cmdButton[CmdBrowseImage]->accessibleName(), QStringLiteral("Browse for Image"));
    QVERIFY(!f.wiz->imagePage().hsbImg->isVisible());
    QVERIFY(!f.wiz->imagePage().vsbImg->isVisible());
    QVERIFY(f.wiz->lblLabel[LblImageWidth]->text().isEmpty());
    QVERIFY(f.wiz->lblLabel[LblImageHeight]->text().isEmpty());

    f.wiz->chkBox[ChkPageImage]->click();
    QVERIFY(f.wiz->txtBox[TxtPageImage]->isEnabled());
    QVERIFY(f.wiz->cmdButton[CmdBrowseImage]->isEnabled());
    QCOMPARE(f.wiz->boxText(TxtPageImage), QString());
}

void tst_ImagePage::browseForPageImage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("stored");
    QTest::addColumn<int>("orientation"); // EXIF; -1: a header without the picture
    QTest::addColumn<QSize>("size"); // as it stands upright
    QTest::newRow("logo.gif") << u"logo.gif"_s << QSize(120, 80) << 0 << QSize(120, 80);
    QTest::newRow("a JPEG photo") << u"photo.jpg"_s << QSize(64, 48) << 0 << QSize(64, 48);
    QTest::newRow("the .jpeg extension, a name with blanks") << u"my photo.jpeg"_s << QSize(33, 17) << 0
                                                             << QSize(33, 17);
    QTest::newRow("a photo stored sideways") << u"phone.jpg"_s << QSize(80, 40) << 6 << QSize(40, 80);
    QTest::newRow("stored the other way round") << u"phone.jpg"_s << QSize(80, 40) << 8 << QSize(40, 80);
    QTest::newRow("upside down keeps its size") << u"phone.jpg"_s << QSize(80, 40) << 3 << QSize(80, 40);
    // Beyond what Qt decodes by default (a phone photo of 36 megapixels).
    QTest::newRow("a 36-megapixel photo") << u"big.jpg"_s << QSize(6000, 6000) << 0 << QSize(6000, 6000);
    QTest::newRow("too large to decode") << u"huge.gif"_s << QSize(20000, 15000) << -1 << QSize(20000, 15000);
}

void tst_ImagePage::browseForPageImage()
{
    QFETCH(QString, name);
    QFETCH(QSize, stored);
    QFETCH(int, orientation);
    QFETCH(QSize, size);
    ImageFixture f;
    const bool headerOnly = orientation < 0;
    const QString path = headerOnly ? f.dir.filePath(name)
                                    : makePicture(f.dir, name, stored, 1, orientation);
    QVERIFY(!path.isEmpty());
    if (headerOnly)
        QVERIFY(writeFile(path, gifHeaderOnly(stored)));

    f.choose(path);

    QCOMPARE(f.platform.count(u"openFile"_s), 1);
    const FileDialogRequest& request = f.platform.fileRequests.back();
    QCOMPARE(request.owner, f.wiz.get());
    QCOMPARE(request.title, u"Select an Image"_s);
    QCOMPARE(request.fileTypes.size(), 1);
    QCOMPARE(request.fileTypes[0].description, u"Web Images (*.gif,.*jpg,*.jpeg)"_s);
    QCOMPARE(request.fileTypes[0].patterns, u"*.gif;*.jpg;*.jpeg"_s);
    QCOMPARE(request.chosenType, 0);
    QCOMPARE(request.initialFolder, QString());
    QCOMPARE(request.defaultExtension, u"gif"_s);
    QVERIFY(request.mayNameMissingFile);

    QCOMPARE(f.wiz->boxText(TxtPageImage), name);
    QCOMPARE(f.wiz->imagePage().pageImagePath, path);
    QCOMPARE(f.wiz->lblLabel[LblImageWidth]->text(), QString::number(size.width()));
    QCOMPARE(f.wiz->lblLabel[LblImageHeight]->text(), QString::number(size.height()));
    QVERIFY(f.image()->isVisible());
    if (headerOnly) {
        QVERIFY(f.image()->pixmap().isNull());
        QVERIFY2(f.image()->text().contains(u"too large to show"_s), qPrintable(f.image()->text()));
    } else {
        QCOMPARE(f.image()->size(), size);
        QCOMPARE(f.image()->pixmap().size(), size);
    }
    QVERIFY(f.platform.messages().isEmpty());

    const PageSpec spec = f.wiz->pageSpec();
    QCOMPARE(QString::fromStdString(spec.pageImage), name);
    QCOMPARE(spec.imageWidth, std::to_string(size.width()));
    QCOMPARE(spec.imageHeight, std::to_string(size.height()));

    // The page keeps all of it while the user goes elsewhere and comes back.
    const QString shown = f.state();
    f.forward();
    f.backward();
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Image));
    QCOMPARE(f.state(), shown);
}

void tst_ImagePage::backgroundTargetFillsOnlyItsBox()
{
    ImageFixture f;
    f.choose(makePicture(f.dir, u"logo.gif"_s, QSize(300, 40)));
    const QString shown = f.state();
    const QString tile = makePicture(f.dir, u"tile.jpg"_s, QSize(16, 16));

    f.backward();
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Colors));
    f.platform.openAnswers.push_back(OpenFileResult{tile, u"tile.jpg"_s});
    f.wiz->cmdButton_Click(CmdBrowseBackground);

    QCOMPARE(f.platform.count(u"openFile"_s), 2);
    QCOMPARE(f.platform.fileRequests.back().title, u"Select an Image"_s);
    QCOMPARE(f.wiz->boxText(TxtBackgroundImage), u"tile.jpg"_s);
    f.forward();
    QCOMPARE(f.state(), shown);
    QVERIFY(f.platform.messages().isEmpty());
}

void tst_ImagePage::cancelChangesNothing_data()
{
    QTest::addColumn<int>("button");
    QTest::newRow("page image") << CmdBrowseImage;
    QTest::newRow("background image") << CmdBrowseBackground;
}

void tst_ImagePage::cancelChangesNothing()
{
    QFETCH(int, button);
    ImageFixture f;
    f.choose(makePicture(f.dir, u"logo.gif"_s, QSize(30, 20)));
    f.wiz->setBoxText(TxtBackgroundImage, u"tile.gif"_s);
    const QString shown = f.state();

    f.platform.openAnswers.push_back(std::nullopt);
    f.wiz->cmdButton_Click(button);

    QCOMPARE(f.platform.count(u"openFile"_s), 2);
    QCOMPARE(f.state(), shown);
    QCOMPARE(f.wiz->boxText(TxtBackgroundImage), u"tile.gif"_s);
    QVERIFY(f.platform.messages().isEmpty());
}

void tst_ImagePage::previewGeometry_data()
{
    // The picture's size is the inner viewport's plus overhang; the expected position is what shows centred.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("overhang");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<int>("horizontalMaximum"); // -1: no horizontal bar
    QTest::addColumn<int>("verticalMaximum");   // -1: no vertical bar

    QTest::newRow("smaller both ways: centred, no bars") << u"a.gif"_s << QSize(-40, -30) << QPoint(20, 15) << -1 << -1;
    QTest::newRow("exactly the viewport: no bars") << u"a.jpg"_s << QSize(0, 0) << QPoint(0, 0) << -1 << -1;
    QTest::newRow("100 wider: half of it off each side") << u"a.gif"_s << QSize(100, -30) << QPoint(-50, 15) << 100
                                                         << -1;
    QTest::newRow("101 wider: the half drops toward zero") << u"a.gif"_s << QSize(101, -30) << QPoint(-50, 15) << 101
                                                           << -1;
    QTest::newRow("101 narrower") << u"a.jpg"_s << QSize(-101, -30) << QPoint(50, 15) << -1 << -1;
    QTest::newRow("1 wider: a bar for one pixel") << u"a.gif"_s << QSize(1, -30) << QPoint(0, 15) << 1 << -1;
    QTest::newRow("100 taller") << u"a.gif"_s << QSize(-40, 100) << QPoint(20, -50) << -1 << 100;
    QTest::newRow("101 taller") << u"a.jpg"_s << QSize(-40, 101) << QPoint(20, -50) << -1 << 101;
    QTest::newRow("101 shorter") << u"a.gif"_s << QSize(-40, -101) << QPoint(20, 50) << -1 << -1;
    QTest::newRow("larger both ways: both bars") << u"a.gif"_s << QSize(100, 101) << QPoint(-50, -50) << 100 << 101;
}

void tst_ImagePage::previewGeometry()
{
    QFETCH(QString, name);
    QFETCH(QSize, overhang);
    QFETCH(QPoint, position);
    QFETCH(int, horizontalMaximum);
    QFETCH(int, verticalMaximum);
    ImageFixture f;

    // The inner viewport fills the outer one's inside, less a strip for each bar, even before any picture.
    const QRect contents = f.outer()->contentsRect();
    const QSize inner = f.innerSize();
    QCOMPARE(f.inner()->pos(), contents.topLeft());
    QCOMPARE(inner.width(), contents.width() - f.vsb()->width());
    QCOMPARE(inner.height(), contents.height() - f.hsb()->height());
    QVERIFY(f.vsb()->width() > 0 && f.hsb()->height() > 0);

    f.choose(makePicture(f.dir, name, inner + overhang));

    QCOMPARE(f.innerSize(), inner);
    QCOMPARE(f.image()->size(), inner + overhang);
    QCOMPARE(f.image()->pos(), position);
    QCOMPARE(f.hsb()->geometry(),
             QRect(contents.left(), contents.top() + inner.height(), inner.width(), f.hsb()->height()));
    QCOMPARE(f.vsb()->geometry(),
             QRect(contents.left() + inner.width(), contents.top(), f.vsb()->width(), inner.height()));
    QCOMPARE(f.hsb()->isVisible(), horizontalMaximum >= 0);
    QCOMPARE(f.vsb()->isVisible(), verticalMaximum >= 0);
    QCOMPARE(f.hsb()->minimum(), 0);
    QCOMPARE(f.vsb()->minimum(), 0);
    if (horizontalMaximum >= 0)
        QCOMPARE(f.hsb()->maximum(), horizontalMaximum);
    if (verticalMaximum >= 0)
        QCOMPARE(f.vsb()->maximum(), verticalMaximum);

    // Moving a bar to v puts the picture's edge at -v; the other direction stays.
    if (horizontalMaximum >= 0) {
        const int value = std::min(30, horizontalMaximum);
        f.hsb()->setValue(value);
        QCOMPARE(f.image()->pos(), QPoint(-value, position.y()));
    }
    if (verticalMaximum >= 0) {
        const int value = std::min(30, verticalMaximum);
        f.vsb()->setValue(value);
        QCOMPARE(f.image()->y(), -value);
    }
}

void tst_ImagePage::hugePictureScrollsToTheLimit_data()
{
    QTest::addColumn<bool>("wide");
    QTest::newRow("40000 pixels wider than the viewport") << true;
    QTest::newRow("40000 pixels taller than the viewport") << false;
}

void tst_ImagePage::hugePictureScrollsToTheLimit()
{
    QFETCH(bool, wide);
    ImageFixture f;
    const QSize inner = f.innerSize();
    // One pixel across the other way keeps the file small.
    const QSize size = wide ? QSize(inner.width() + 40001, 1) : QSize(1, inner.height() + 40001);
    f.choose(makePicture(f.dir, u"banner.gif"_s, size));

    QScrollBar* bar = wide ? f.hsb() : f.vsb();
    QScrollBar* other = wide ? f.vsb() : f.hsb();
    QCOMPARE(f.image()->size(), size);
    QCOMPARE(wide ? f.image()->x() : f.image()->y(), -20000);
    QVERIFY(bar->isVisible());
    QVERIFY(!other->isVisible());
    QCOMPARE(bar->maximum(), 32767);
    QCOMPARE(f.wiz->lblLabel[wide ? LblImageWidth : LblImageHeight]->text(),
             QString::number(wide ? size.width() : size.height()));

    bar->setValue(bar->maximum());
    QCOMPARE(wide ? f.image()->x() : f.image()->y(), -32767);
}

void tst_ImagePage::nextPictureStartsCentred()
{
    ImageFixture f;
    const QSize size = f.innerSize() + QSize(100, 100);
    f.choose(makePicture(f.dir, u"first.gif"_s, size));
    f.hsb()->setValue(90);
    f.vsb()->setValue(5);
    QCOMPARE(f.image()->pos(), QPoint(-90, -5));

    f.choose(makePicture(f.dir, u"second.jpg"_s, size));
    QCOMPARE(f.image()->pos(), QPoint(-50, -50));
    // The thumbs stand where the picture does, so the first step of a bar moves it from there.
    QCOMPARE(f.hsb()->value(), 50);
    QCOMPARE(f.vsb()->value(), 50);
    f.hsb()->setValue(f.hsb()->value() + f.hsb()->singleStep());
    QCOMPARE(f.image()->x(), -50 - f.hsb()->singleStep());

    // A smaller one empties the bars' ranges; that must not pull it out of the centre.
    f.choose(makePicture(f.dir, u"third.gif"_s, f.innerSize() - QSize(40, 30)));
    QCOMPARE(f.image()->pos(), QPoint(20, 15));
}

void tst_ImagePage::wheelScrollsThePreview_data()
{
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("moved"); // how far the scroll bars' values move, sideways and down

    const int notch = QApplication::wheelScrollLines() * 10;
    QTest::newRow("down a notch") << QPoint(0, -120) << int(Qt::NoModifier) << QPoint(0, notch);
    QTest::newRow("up a notch") << QPoint(0, 120) << int(Qt::NoModifier) << QPoint(0, -notch);
    QTest::newRow("Shift turns it sideways") << QPoint(0, -120) << int(Qt::ShiftModifier) << QPoint(notch, 0);
    QTest::newRow("a sideways wheel") << QPoint(120, 0) << int(Qt::NoModifier) << QPoint(-notch, 0);
}

void tst_ImagePage::wheelScrollsThePreview()
{
    QFETCH(QPoint, angle);
    QFETCH(int, modifiers);
    QFETCH(QPoint, moved);
    ImageFixture f;
    f.choose(makePicture(f.dir, u"logo.gif"_s, f.innerSize() + QSize(200, 200)));
    const QPoint before(f.hsb()->value(), f.vsb()->value());
    const QPoint picture = f.image()->pos();

    QWheelEvent wheel(QPointF(5, 5), f.image()->mapToGlobal(QPointF(5, 5)), QPoint(), angle, Qt::NoButton,
                      Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(f.image(), &wheel);

    QCOMPARE(QPoint(f.hsb()->value(), f.vsb()->value()) - before, moved);
    QCOMPARE(f.image()->pos(), picture - moved);
}

void tst_ImagePage::animatedGifMoves()
{
    ImageFixture f;
    f.choose(makePicture(f.dir, u"spinner.gif"_s, QSize(30, 20), 2));

    QPointer<QMovie> movie = f.image()->movie();
    QVERIFY(movie);
    QCOMPARE(movie->frameCount(), 2);
    QCOMPARE(movie->state(), QMovie::Running);
    QTRY_COMPARE(movie->currentFrameNumber(), 1);
    QCOMPARE(f.image()->size(), QSize(30, 20));
    QCOMPARE(f.wiz->lblLabel[LblImageWidth]->text(), u"30"_s);
    QCOMPARE(f.wiz->lblLabel[LblImageHeight]->text(), u"20"_s);

    // A still picture replaces the animation, which goes away.
    f.choose(makePicture(f.dir, u"still.gif"_s, QSize(8, 9)));
    QVERIFY(!f.image()->movie());
    QVERIFY(!movie);
    QCOMPARE(f.image()->pixmap().size(), QSize(8, 9));
}

void tst_ImagePage::unreadablePictureKeepsThePage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content"); // null: the file does not exist
    QTest::addColumn<bool>("pictureBefore");
    QTest::addColumn<QString>("reason");

    const QByteArray missing;
    QTest::newRow("a pipe named .gif") << u"pipe.gif"_s << fifo << true << u"not a regular file"_s;
    QTest::newRow("text in a .gif file") << u"notes.gif"_s << QByteArray("just some text\r\n") << true
                                         << u"not a picture"_s;
    QTest::newRow("a file that does not exist") << u"new.gif"_s << missing << true << u"does not exist"_s;
    QTest::newRow("an empty .jpg file") << u"empty.jpg"_s << QByteArray("") << true << u"not a picture"_s;
    QTest::newRow("before any picture, text in a .jpeg file")
        << u"notes.jpeg"_s << QByteArray("<html></html>") << false << u"not a picture"_s;
}

void tst_ImagePage::unreadablePictureKeepsThePage()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, pictureBefore);
    QFETCH(QString, reason);
    ImageFixture f;
    if (pictureBefore)
        f.choose(makePicture(f.dir, u"logo.gif"_s, f.innerSize() + QSize(60, 60)));
    const QString shown = f.state();
    const QString path = f.dir.filePath(name);
    int pipeEnd = -1;
    if (content == fifo) {
        // Held open with text waiting in it, so that a reader that opens it gets an answer instead of hanging.
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        pipeEnd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(pipeEnd >= 0);
        QVERIFY(::write(pipeEnd, "just some text\r\n", 16) == 16);
    } else if (!content.isNull()) {
        QVERIFY(writeFile(path, content));
    }
    const auto closePipe = qScopeGuard([pipeEnd] {
        if (pipeEnd >= 0)
            ::close(pipeEnd);
    });

    f.choose(path);

    QCOMPARE(f.state(), shown);
    const auto boxes = f.platform.callsOf(u"messageBox"_s);
    QCOMPARE(boxes.size(), size_t(1));
    const QStringList& args = boxes.front().args;
    QVERIFY2(args[0].startsWith(u"The picture %1 cannot be shown: "_s.arg(QDir::toNativeSeparators(path))),
             qPrintable(args[0]));
    QVERIFY2(args[0].contains(reason), qPrintable(args[0]));
    QCOMPARE(args[1], u"ok"_s);
    QCOMPARE(args[2], u"critical"_s);
    QCOMPARE(args[3], u"Larkspan"_s);
    QCOMPARE(args[4], u"frmWiz"_s);
}

void tst_ImagePage::untickClearsEverything()
{
    ImageFixture f;
    f.choose(makePicture(f.dir, u"logo.gif"_s, f.innerSize() + QSize(50, 50)));
    QVERIFY(f.hsb()->isVisible() && f.vsb()->isVisible());

    f.wiz->chkBox[ChkPageImage]->click();

    QCOMPARE(f.wiz->boxText(TxtPageImage), QString());
    QVERIFY(!f.wiz->txtBox[TxtPageImage]->isEnabled());
    QVERIFY(!f.wiz->cmdButton[CmdBrowseImage]->isEnabled());
    QVERIFY(f.image()->isHidden());
    QVERIFY(f.image()->pixmap().isNull());
    QVERIFY(f.hsb()->isHidden());
    QVERIFY(f.vsb()->isHidden());
    QCOMPARE(f.wiz->lblLabel[LblImageWidth]->text(), QString());
    QCOMPARE(f.wiz->lblLabel[LblImageHeight]->text(), QString());
    QCOMPARE(f.wiz->imagePage().pageImagePath, QString());
    const PageSpec spec = f.wiz->pageSpec();
    QVERIFY(spec.pageImage.empty() && spec.imageWidth.empty() && spec.imageHeight.empty());

    f.click(f.inner());
    QCOMPARE(f.menusShown, 1);
    QVERIFY(!f.propertiesEnabled);

    f.wiz->chkBox[ChkPageImage]->click();
    QVERIFY(f.wiz->txtBox[TxtPageImage]->isEnabled());
    QVERIFY(f.wiz->cmdButton[CmdBrowseImage]->isEnabled());
    QCOMPARE(f.wiz->boxText(TxtPageImage), QString());
}

void tst_ImagePage::propertiesMenu_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("menus");
    QTest::addColumn<bool>("enabled");

    const int right = Qt::RightButton;
    QTest::newRow("no picture yet, inner viewport") << false << u"inner"_s << right << 1 << false;
    QTest::newRow("no picture yet, outer viewport") << false << u"outer"_s << right << 1 << false;
    QTest::newRow("on the picture, one menu only") << true << u"picture"_s << right << 1 << true;
    QTest::newRow("beside the picture") << true << u"inner"_s << right << 1 << true;
    QTest::newRow("on the viewport's border") << true << u"outer"_s << right << 1 << true;
    QTest::newRow("left button: no menu") << true << u"picture"_s << int(Qt::LeftButton) << 0 << false;
    QTest::newRow("middle button: no menu") << true << u"outer"_s << int(Qt::MiddleButton) << 0 << false;
}

void tst_ImagePage::propertiesMenu()
{
    QFETCH(bool, withPicture);
    QFETCH(QString, where);
    QFETCH(int, button);
    QFETCH(int, menus);
    QFETCH(bool, enabled);
    ImageFixture f;
    if (withPicture)
        f.choose(makePicture(f.dir, u"logo.gif"_s, QSize(20, 10)));
    QWidget* target = f.outer();
    if (where == u"picture")
        target = f.image();
    else if (where == u"inner")
        target = f.inner();

    f.click(target, Qt::MouseButton(button));

    QCOMPARE(f.menusShown, menus);
    if (menus == 0)
        return;
    QCOMPARE(f.shownMenu, f.page().zmnuProperties);
    QCOMPARE(f.propertiesEnabled, enabled);
    QCOMPARE(f.page().zmnuProperties->title(), u"Properties"_s);
    const QList<QAction*> items = f.page().zmnuProperties->actions();
    QCOMPARE(items.size(), 3);
    QCOMPARE(items[0]->text(), u"&Image Properties"_s);
    QVERIFY(items[1]->isSeparator());
    QCOMPARE(items[2]->text(), u"&Cancel"_s);
    QCOMPARE(f.platform.count(u"showFileProperties"_s), 0);
}

void tst_ImagePage::propertiesCommand_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("requests");
    QTest::addColumn<bool>("error");

    QTest::newRow("shown") << MnuPropImageProperties << 42 << 1 << false;
    QTest::newRow("33 is the lowest success") << MnuPropImageProperties << 33 << 1 << false;
    QTest::newRow("32 is a failure") << MnuPropImageProperties << 32 << 1 << true;
    QTest::newRow("file vanished") << MnuPropImageProperties << 2 << 1 << true;
    QTest::newRow("cancel does nothing") << MnuPropCancel << 2 << 0 << false;
}

void tst_ImagePage::propertiesCommand()
{
    QFETCH(int, item);
    QFETCH(int, result);
    QFETCH(int, requests);
    QFETCH(bool, error);
    ImageFixture f;
    const QString path = makePicture(f.dir, u"logo.gif"_s, QSize(20, 10));
    f.choose(path);
    const QString shown = f.state();
    f.platform.propertiesAnswers.push_back(result);
    f.choice = item;

    f.click(f.image());

    const auto sheets = f.platform.callsOf(u"showFileProperties"_s);
    QCOMPARE(int(sheets.size()), requests);
    if (requests > 0)
        QCOMPARE(sheets.front().args, QStringList({path, u"frmWiz"_s}));
    const auto boxes = f.platform.callsOf(u"messageBox"_s);
    QCOMPARE(boxes.size(), size_t(error ? 1 : 0));
    if (error)
        QCOMPARE(boxes.front().args, QStringList({u"Error"_s, u"ok"_s, u"none"_s, u"Larkspan"_s, u"frmWiz"_s}));
    QCOMPARE(f.state(), shown);
}

void tst_ImagePage::resetForAnotherPage_data()
{
    QTest::addColumn<bool>("withPicture");
    QTest::addColumn<bool>("ticked");
    QTest::newRow("with a picture") << true << true;
    QTest::newRow("ticked, no picture") << false << true;
    QTest::newRow("never ticked") << false << false;
}

void tst_ImagePage::resetForAnotherPage()
{
    QFETCH(bool, withPicture);
    QFETCH(bool, ticked);
    ImageFixture f;
    if (withPicture)
        f.choose(makePicture(f.dir, u"logo.gif"_s, f.innerSize() + QSize(10, 10)));
    if (!ticked)
        f.wiz->chkBox[ChkPageImage]->click();

    f.page().resetForAnotherPage();

    QVERIFY(!f.wiz->chkBox[ChkPageImage]->isChecked());
    QVERIFY(!f.wiz->txtBox[TxtPageImage]->isEnabled());
    QVERIFY(!f.wiz->cmdButton[CmdBrowseImage]->isEnabled());
    QCOMPARE(f.wiz->boxText(TxtPageImage), QString());
    QCOMPARE(f.wiz->imagePage().pageImagePath, QString());
    QCOMPARE(f.wiz->lblLabel[LblImageWidth]->text(), QString());
    QCOMPARE(f.wiz->lblLabel[LblImageHeight]->text(), QString());
    QVERIFY(f.image()->isHidden() && f.image()->pixmap().isNull());
    QVERIFY(f.hsb()->isHidden() && f.vsb()->isHidden());
}

void tst_ImagePage::propertiesSheet()
{
    // The desktop's side of the properties command: our own sheet for the picture, or a failing code.
    QTemporaryDir dir;
    const QString path = makePicture(dir, u"photo.jpg"_s, QSize(64, 48));
    QWidget owner;

    QVERIFY(FilePropertiesWindow::showFor(&owner, path) > 32);
    QVERIFY(FilePropertiesWindow::showFor(&owner, path) > 32);
    const auto sheets = owner.findChildren<FilePropertiesWindow*>();
    QCOMPARE(sheets.size(), 1); // asking again brings the open sheet forward
    FilePropertiesWindow* sheet = sheets.first();
    QVERIFY(sheet->isVisible());
    QCOMPARE(sheet->windowTitle(), u"photo.jpg Properties"_s);
    QStringList texts;
    for (const QLabel* label : sheet->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(u"photo.jpg"_s));
    QVERIFY(texts.contains(QDir::toNativeSeparators(dir.path())));
    QVERIFY(texts.contains(u"64 x 48 pixels"_s));
    QVERIFY(texts.contains(u"%1 bytes"_s.arg(QLocale::system().toString(QFileInfo(path).size()))));

    QTest::keyClick(sheet, Qt::Key_Escape);
    QTRY_VERIFY(owner.findChildren<FilePropertiesWindow*>().isEmpty());

    QVERIFY(QFile::remove(path));
    QVERIFY(FilePropertiesWindow::showFor(&owner, path) <= 32);
    QVERIFY(owner.findChildren<FilePropertiesWindow*>().isEmpty());
}

QTEST_MAIN(tst_ImagePage)
#include "tst_imagepage.moc"
