// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagefixture.h"

#include "colours/colourpage.h"
#include "platform/filepropertieswindow.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QScopeGuard>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace larkspan;
using namespace Qt::StringLiterals;

namespace {

// Stands for a named pipe in a table of file contents.
const QByteArray fifo("(a named pipe)");

} // namespace

// The Image page: choosing its picture, what it keeps and refuses, its properties menu.
class tst_ImagePage : public QObject {
    Q_OBJECT

private slots:
    void startState()
    {
        WizardFixture f(WizardPage::Image);
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

    void browseForPageImage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("stored");
        QTest::addColumn<int>("orientation"); // EXIF; -1: a header without the picture
        QTest::addColumn<QSize>("size");      // as it stands upright
        QTest::newRow("logo.gif") << u"logo.gif"_s << QSize(120, 80) << 0 << QSize(120, 80);
        QTest::newRow("a JPEG photo") << u"photo.jpg"_s << QSize(64, 48) << 0 << QSize(64, 48);
        QTest::newRow("the .jpeg extension, a name with blanks")
            << u"my photo.jpeg"_s << QSize(33, 17) << 0 << QSize(33, 17);
        QTest::newRow("a photo stored sideways") << u"phone.jpg"_s << QSize(80, 40) << 6 << QSize(40, 80);
        QTest::newRow("stored the other way round") << u"phone.jpg"_s << QSize(80, 40) << 8 << QSize(40, 80);
        QTest::newRow("upside down keeps its size") << u"phone.jpg"_s << QSize(80, 40) << 3 << QSize(80, 40);
        QTest::newRow("a PNG screenshot") << u"screen.png"_s << QSize(90, 70) << 0 << QSize(90, 70);
        QTest::newRow("a PNG stored sideways") << u"turned.png"_s << QSize(80, 40) << 6 << QSize(40, 80);
        QTest::newRow("a WebP picture") << u"photo.webp"_s << QSize(50, 30) << 0 << QSize(50, 30);
        QTest::newRow("a WebP stored sideways") << u"phone.webp"_s << QSize(80, 40) << 8 << QSize(40, 80);
        QTest::newRow("a WebP mirrored and turned") << u"phone.webp"_s << QSize(80, 40) << 5 << QSize(40, 80);
        // Beyond what Qt decodes by default (a phone photo of 36 megapixels).
        QTest::newRow("a 36-megapixel photo") << u"big.jpg"_s << QSize(6000, 6000) << 0 << QSize(6000, 6000);
        QTest::newRow("too large to decode") << u"huge.gif"_s << QSize(20000, 15000) << -1 << QSize(20000, 15000);
    }

    void browseForPageImage()
    {
        QFETCH(QString, name);
        QFETCH(QSize, stored);
        QFETCH(int, orientation);
        QFETCH(QSize, size);
        ImageFixture f;
        const bool headerOnly = orientation < 0;
        const QString path = headerOnly ? f.dir.filePath(name) : makePicture(f.dir, name, stored, 1, orientation);
        QVERIFY(!path.isEmpty());
        if (headerOnly)
            QVERIFY(writeAll(path, gifHeaderOnly(stored)));

        f.choose(path);

        QCOMPARE(f.platform.count(PlatformCall::OpenFile), 1);
        const FileDialogRequest& request = f.platform.fileRequests.back();
        QCOMPARE(request.owner, f.wiz.get());
        QCOMPARE(request.title, u"Select an Image"_s);
        QCOMPARE(request.fileTypes.size(), 1);
        QCOMPARE(request.fileTypes[0].description, u"Web Images (*.gif,*.jpg,*.jpeg,*.png,*.webp)"_s);
        QCOMPARE(request.fileTypes[0].patterns, u"*.gif;*.jpg;*.jpeg;*.png;*.webp"_s);
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

    void backgroundTargetFillsOnlyItsBox()
    {
        ImageFixture f;
        f.choose(makePicture(f.dir, u"logo.gif"_s, QSize(300, 40)));
        const QString shown = f.state();
        const QString tile = makePicture(f.dir, u"tile.jpg"_s, QSize(16, 16));

        f.backward();
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Colors));
        f.platform.openAnswers.push_back(OpenFileResult{tile, u"tile.jpg"_s});
        f.wiz->cmdButton_Click(CmdBrowseBackground);

        QCOMPARE(f.platform.count(PlatformCall::OpenFile), 2);
        QCOMPARE(f.platform.fileRequests.back().title, u"Select an Image"_s);
        QCOMPARE(f.wiz->boxText(TxtBackgroundImage), u"tile.jpg"_s);
        // Its full path is kept out of sight, for as long as the box names that file.
        QCOMPARE(f.wiz->colourPage().backgroundImagePath, tile);
        QCOMPARE(f.wiz->colourPage().backgroundPicturePath(), tile);
        f.wiz->setBoxText(TxtBackgroundImage, u"other.jpg"_s);
        QCOMPARE(f.wiz->colourPage().backgroundPicturePath(), QString());
        f.wiz->setBoxText(TxtBackgroundImage, u"tile.jpg"_s);
        f.forward();
        QCOMPARE(f.state(), shown);
        QVERIFY(f.platform.messages().isEmpty());
    }

    void cancelChangesNothing_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("page image") << CmdBrowseImage;
        QTest::newRow("background image") << CmdBrowseBackground;
    }

    void cancelChangesNothing()
    {
        QFETCH(int, button);
        ImageFixture f;
        f.choose(makePicture(f.dir, u"logo.gif"_s, QSize(30, 20)));
        f.wiz->setBoxText(TxtBackgroundImage, u"tile.gif"_s);
        const QString shown = f.state();

        f.platform.openAnswers.push_back(std::nullopt);
        f.wiz->cmdButton_Click(button);

        QCOMPARE(f.platform.count(PlatformCall::OpenFile), 2);
        QCOMPARE(f.state(), shown);
        QCOMPARE(f.wiz->boxText(TxtBackgroundImage), u"tile.gif"_s);
        QVERIFY(f.platform.messages().isEmpty());
    }

    void unreadablePictureKeepsThePage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // null: the file does not exist
        QTest::addColumn<bool>("pictureBefore");
        QTest::addColumn<QString>("reason");

        const QByteArray missing;
        QTest::newRow("a pipe named .gif") << u"pipe.gif"_s << fifo << true << u"not a regular file"_s;
        QTest::newRow("text in a .gif file")
            << u"notes.gif"_s << QByteArray("just some text\r\n") << true << u"not a picture"_s;
        QTest::newRow("a file that does not exist") << u"new.gif"_s << missing << true << u"does not exist"_s;
        QTest::newRow("an empty .jpg file") << u"empty.jpg"_s << QByteArray("") << true << u"not a picture"_s;
        QTest::newRow("before any picture, text in a .jpeg file")
            << u"notes.jpeg"_s << QByteArray("<html></html>") << false << u"not a picture"_s;
    }

    void unreadablePictureKeepsThePage()
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
            QVERIFY(writeAll(path, content));
        }
        const auto closePipe = qScopeGuard([pipeEnd] {
            if (pipeEnd >= 0)
                ::close(pipeEnd);
        });

        f.choose(path);

        QCOMPARE(f.state(), shown);
        const auto boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), size_t(1));
        const QStringList& args = boxes.front().args;
        QVERIFY2(args[0].startsWith(u"The picture %1 cannot be shown: "_s.arg(QDir::toNativeSeparators(path))),
                 qPrintable(args[0]));
        QVERIFY2(args[0].contains(reason), qPrintable(args[0]));
        QCOMPARE(args.mid(1), QStringList({u"ok"_s, u"critical"_s, u"Larkspan"_s, u"frmWiz"_s}));
    }

    void propertiesMenu_data()
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

    void propertiesMenu()
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
        QCOMPARE(f.platform.count(PlatformCall::ShowFileProperties), 0);
    }

    void propertiesCommand_data()
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

    void propertiesCommand()
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

        const auto sheets = f.platform.callsOf(PlatformCall::ShowFileProperties);
        QCOMPARE(int(sheets.size()), requests);
        if (requests > 0)
            QCOMPARE(sheets.front().args, QStringList({path, u"frmWiz"_s}));
        const auto boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), size_t(error ? 1 : 0));
        if (error)
            QCOMPARE(boxes.front().args, QStringList({u"Error"_s, u"ok"_s, u"none"_s, u"Larkspan"_s, u"frmWiz"_s}));
        QCOMPARE(f.state(), shown);
    }

    void clearingLeavesNoPicture_data()
    {
        QTest::addColumn<bool>("withPicture"); // larger than the viewport, so that both bars show
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<bool>("byUntick"); // else by the reset for another page
        QTest::newRow("unticking clears everything") << true << true << true;
        QTest::newRow("reset with a picture") << true << true << false;
        QTest::newRow("reset, ticked, no picture") << false << true << false;
        QTest::newRow("reset, never ticked") << false << false << false;
    }

    void clearingLeavesNoPicture()
    {
        QFETCH(bool, withPicture);
        QFETCH(bool, ticked);
        QFETCH(bool, byUntick);
        ImageFixture f;
        if (withPicture) {
            f.choose(makePicture(f.dir, u"logo.gif"_s, f.innerSize() + QSize(50, 50)));
            QVERIFY(f.hsb()->isVisible() && f.vsb()->isVisible());
        }
        if (!ticked)
            f.wiz->chkBox[ChkPageImage]->click();

        if (byUntick)
            f.wiz->chkBox[ChkPageImage]->click();
        else
            f.page().resetForAnotherPage();

        QVERIFY(!f.wiz->chkBox[ChkPageImage]->isChecked());
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

    void propertiesSheet()
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
};

QTEST_MAIN(tst_ImagePage)
#include "tst_imagepage.moc"
