#include "platform/filepropertieswindow.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace larkspan;

namespace {

// Runs action on the next modal window of type Window that opens, as a user at the keyboard would. A dialog
// may open its own question from inside itself, so a modal window of another type is waited past. If none
// comes in time every modal window is closed, so the test fails instead of hanging.
template <typename Window>
void whenModal(std::function<void(Window*)> action, int triesLeft = 1000)
{
    QTimer::singleShot(10, qApp, [action = std::move(action), triesLeft]() mutable {
        if (auto* modal = qobject_cast<Window*>(QApplication::activeModalWidget()))
            action(modal);
        else if (triesLeft > 0)
            whenModal<Window>(std::move(action), triesLeft - 1);
        else
            while (QWidget* stuck = QApplication::activeModalWidget())
                stuck->close();
    });
}

void clickButton(QMessageBox* box, QMessageBox::StandardButton which)
{
    box->button(which)->click();
}

// Names a file in the dialog and presses its accept button. The dialog does not overwrite a name the user is
// busy typing, so the name box must not hold the focus when the name is put in.
void chooseFile(QFileDialog* dialog, const QString& name)
{
    if (QWidget* focused = dialog->focusWidget())
        focused->clearFocus();
    dialog->selectFile(name);
    QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
}

void writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class tst_QtPlatform : public QObject {
    Q_OBJECT

private slots:
    void messageBox_data();
    void messageBox();
    void openExistingFile();
    void openMissingFileAfterConfirming();
    void saveAddsDefaultExtension();
    void saveAsksBeforeOverwriting();
    void colourDialogKeepsSlotsUnlessConfirmed();
    void busyPointer();
    void fileProperties();
    void helpContents();

private:
    QtPlatform platform;
};

void tst_QtPlatform::messageBox_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("icon");
    QTest::addColumn<int>("click");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("expectedIcon");

    QTest::newRow("ok with information") << int(MessageButtons::Ok) << int(MessageIcon::Information)
                                         << int(QMessageBox::Ok) << int(MessageResult::Ok)
                                         << int(QMessageBox::Information);
    QTest::newRow("yes without icon") << int(MessageButtons::YesNo) << int(MessageIcon::None) << int(QMessageBox::Yes)
                                      << int(MessageResult::Yes) << int(QMessageBox::NoIcon);
    QTest::newRow("no") << int(MessageButtons::YesNo) << int(MessageIcon::None) << int(QMessageBox::No)
                        << int(MessageResult::No) << int(QMessageBox::NoIcon);
    QTest::newRow("critical") << int(MessageButtons::Ok) << int(MessageIcon::Critical) << int(QMessageBox::Ok)
                              << int(MessageResult::Ok) << int(QMessageBox::Critical);
}

void tst_QtPlatform::messageBox()
{
    QFETCH(int, buttons);
    QFETCH(int, icon);
    QFETCH(int, click);
    QFETCH(int, expected);
    QFETCH(int, expectedIcon);

    QString seenText, seenTitle;
    int seenIcon = -1;
    whenModal<QMessageBox>([&](QMessageBox* box) {
        seenText = box->text();
        seenTitle = box->windowTitle();
        seenIcon = box->icon();
        clickButton(box, QMessageBox::StandardButton(click));
    });
    const MessageResult result = platform.messageBox(nullptr, QStringLiteral("Line one\r\nLine two"),
                                                     MessageButtons(buttons), MessageIcon(icon),
                                                     QStringLiteral("Larkspan"));
    QCOMPARE(int(result), expected);
    QCOMPARE(seenText, QStringLiteral("Line one\r\nLine two"));
    QCOMPARE(seenTitle, QStringLiteral("Larkspan"));
    QCOMPARE(seenIcon, expectedIcon);
}

void tst_QtPlatform::openExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("notes.txt"));
    writeFile(path, "a");

    QString title;
    QStringList filters;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        chooseFile(dialog, path);
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Import a Text File");
    request.fileTypes = {{QStringLiteral("Plain Text Files (*.txt)"), QStringLiteral("*.txt")}};
    request.defaultExtension = QStringLiteral("txt");
    const auto result = platform.openFile(request);
    QVERIFY(result);
    QCOMPARE(result->fullPath, path);
    QCOMPARE(result->fileName, QStringLiteral("notes.txt"));
    QCOMPARE(title, QStringLiteral("Import a Text File"));
    QCOMPARE(filters, QStringList{QStringLiteral("Plain Text Files (*.txt) (*.txt)")});
}

void tst_QtPlatform::openMissingFileAfterConfirming()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("new.gif"));
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        whenModal<QMessageBox>([](QMessageBox* question) { clickButton(question, QMessageBox::Yes); });
        chooseFile(dialog, path);
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Select an Image");
    request.fileTypes = {{QStringLiteral("Web Images (*.gif,.*jpg,*.jpeg)"), QStringLiteral("*.gif;*.jpg;*.jpeg")}};
    request.mayNameMissingFile = true;
    const auto result = platform.openFile(request);
    QVERIFY(result);
    QCOMPARE(result->fileName, QStringLiteral("new.gif"));
}

void tst_QtPlatform::saveAddsDefaultExtension()
{
    QTemporaryDir dir;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        chooseFile(dialog, QStringLiteral("index"));
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Save your web page");
    request.fileTypes = {{QStringLiteral("HTML Files (*.htm,*.html)"), QStringLiteral("*.htm;*.html")}};
    request.initialFolder = dir.path();
    request.initialName = QStringLiteral("Untitled");
    request.defaultExtension = QStringLiteral("htm");
    const auto result = platform.saveFile(request);
    QVERIFY(result);
    QCOMPARE(result->fileName, QStringLiteral("index.htm"));
    QCOMPARE(result->folder, QFileInfo(dir.path()).absoluteFilePath());
    QCOMPARE(result->fullPath, dir.filePath(QStringLiteral("index.htm")));
}

void tst_QtPlatform::saveAsksBeforeOverwriting()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.htm"));
    writeFile(path, "old");
    bool asked = false;
    whenModal<QFileDialog>([&](QFileDialog* dialog) {
        whenModal<QMessageBox>([&](QMessageBox* question) {
            asked = true;
            clickButton(question, QMessageBox::Yes);
        });
        chooseFile(dialog, path);
    });
    FileDialogRequest request;
    request.title = QStringLiteral("Save your web page");
    const auto result = platform.saveFile(request);
    QVERIFY(asked);
    QVERIFY(result);
    QCOMPARE(result->fullPath, path);
}

void tst_QtPlatform::colourDialogKeepsSlotsUnlessConfirmed()
{
    CustomColors custom{};
    custom[2] = 0x00336699;

    QColor offered;
    whenModal<QColorDialog>([&](QColorDialog* dialog) {
        offered = QColorDialog::customColor(2);
        QColorDialog::setCustomColor(5, QColor(1, 2, 3));
        dialog->reject();
    });
    QVERIFY(!platform.chooseColor(nullptr, custom));
    QCOMPARE(offered, QColor(0x99, 0x66, 0x33));
    QCOMPARE(custom[5], ColorRef(0));

    whenModal<QColorDialog>([&](QColorDialog* dialog) {
        QCOMPARE(QColorDialog::customColor(5), QColor(Qt::black));
        QColorDialog::setCustomColor(5, QColor(1, 2, 3));
        dialog->setCurrentColor(QColor(10, 11, 12));
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    const auto chosen = platform.chooseColor(nullptr, custom);
    QVERIFY(chosen);
    QCOMPARE(*chosen, ColorRef(0x000C0B0A));
    QCOMPARE(custom[5], ColorRef(0x00030201));
    QCOMPARE(custom[2], ColorRef(0x00336699));
}

void tst_QtPlatform::busyPointer()
{
    QWidget window;
    {
        BusyPointer busy(platform, &window, BusyScope::Application);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    QVERIFY(!QApplication::overrideCursor());
    {
        BusyPointer busy(platform, &window, BusyScope::Window);
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
    }
    QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
}

void tst_QtPlatform::fileProperties()
{
    QWidget owner;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("logo.gif"));
    QImage picture(7, 5, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(path, "GIF") || picture.save(path, "PNG"));

    QVERIFY(platform.showFileProperties(&owner, dir.filePath(QStringLiteral("gone.gif"))) <= 32);
    QVERIFY(owner.findChildren<FilePropertiesWindow*>().isEmpty());

    QVERIFY(platform.showFileProperties(&owner, path) > 32);
    const auto sheets = owner.findChildren<FilePropertiesWindow*>();
    QCOMPARE(sheets.size(), 1);
    QStringList texts;
    for (const QLabel* label : sheets.first()->findChildren<QLabel*>())
        texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("logo.gif")));
    QVERIFY(texts.contains(QStringLiteral("7 x 5 pixels")));
}

void tst_QtPlatform::helpContents()
{
    QWidget owner;
    const QString missing = platform.showHelpContents(&owner, QStringLiteral("/nowhere/index.html"));
    QVERIFY(!missing.isEmpty());

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("index.html"));
    writeFile(path, "<html><body><h1>Contents</h1></body></html>");
    QCOMPARE(platform.showHelpContents(&owner, path), QString());
    const auto windows = owner.findChildren<HelpWindow*>();
    QCOMPARE(windows.size(), 1);
    QVERIFY(windows.first()->isVisible());
}

QTEST_MAIN(tst_QtPlatform)
#include "tst_qtplatform.moc"
