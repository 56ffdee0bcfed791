// SPDX-License-Identifier: GPL-3.0-or-later
#include "modaldialogs.h"
#include "testfiles.h"
#include "testpictures.h"

#include "platform/filepropertieswindow.h"
#include "platform/helpwindow.h"
#include "platform/qtplatform.h"

#include <QAccessible>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace larkspan;

namespace {

// What the user reads in the dialog's file type list: the entries and the one shown.
struct ShownFileTypes {
    QStringList entries;
    QString current;
};

// Qt's own file dialog names its file type list "fileTypeCombo" and its name box "fileNameEdit".
ShownFileTypes shownFileTypes(const QFileDialog* dialog)
{
    ShownFileTypes shown;
    if (const auto* list = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"))) {
        for (int i = 0; i < list->count(); ++i)
            shown.entries << list->itemText(i);
        shown.current = list->currentText();
    }
    return shown;
}

QString shownName(const QFileDialog* dialog)
{
    const auto* nameBox = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    return nameBox ? nameBox->text() : QString();
}

// The request the Finish page makes: an HTML page, "Untitled" in folder, htm added to a bare name.
FileDialogRequest pageSaveRequest(const QString& folder)
{
    FileDialogRequest request;
    request.title = QStringLiteral("Save your web page");
    request.fileTypes = {{QStringLiteral("HTML Files (*.htm,*.html)"), QStringLiteral("*.htm;*.html")}};
    request.initialFolder = folder;
    request.initialName = QStringLiteral("Untitled");
    request.defaultExtension = QStringLiteral("htm");
    return request;
}

// A message box as asked for, the button the user presses, and what the call and the box must give.
struct MessageCase {
    int buttons;
    int icon;
    int click;
    int expected;
    int expectedIcon;
    bool escapeFirst; // a question stays open on Escape, so the click still answers it
};

} // namespace

Q_DECLARE_METATYPE(MessageCase)

class tst_QtPlatform : public QObject {
    Q_OBJECT

private slots:
    void init() { scope = std::make_unique<QObject>(); }

    void cleanup() { scope.reset(); }

    void messageBox_data()
    {
        QTest::addColumn<MessageCase>("message");

        const auto row = [](const char* name, MessageButtons buttons, MessageIcon icon,
                            QMessageBox::StandardButton click, MessageResult expected, QMessageBox::Icon expectedIcon,
                            bool escapeFirst) {
            QTest::newRow(name) << MessageCase{int(buttons),  int(icon),         int(click),
                                               int(expected), int(expectedIcon), escapeFirst};
        };
        using B = MessageButtons;
        using I = MessageIcon;
        using R = MessageResult;
        row("ok with information", B::Ok, I::Information, QMessageBox::Ok, R::Ok, QMessageBox::Information, false);
        row("yes without icon", B::YesNo, I::None, QMessageBox::Yes, R::Yes, QMessageBox::NoIcon, false);
        row("no", B::YesNo, I::None, QMessageBox::No, R::No, QMessageBox::NoIcon, false);
        row("escape is no answer", B::YesNo, I::None, QMessageBox::Yes, R::Yes, QMessageBox::NoIcon, true);
        row("critical", B::Ok, I::Critical, QMessageBox::Ok, R::Ok, QMessageBox::Critical, false);
    }

    void messageBox()
    {
        QFETCH(MessageCase, message);
        const auto& [buttons, icon, click, expected, expectedIcon, escapeFirst] = message;

        QString seenText, seenTitle;
        int seenIcon = -1;
        bool pressed = false;
        whenModal<QMessageBox>(scope.get(), [&](QMessageBox* box) {
            seenText = box->text();
            seenTitle = box->windowTitle();
            seenIcon = box->icon();
            if (message.escapeFirst) {
                QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Escape);
                if (!box->isVisible())
                    return;
            }
            pressed = pressButton(box, QMessageBox::StandardButton(message.click));
        });
        const MessageResult result = platform.messageBox(nullptr, QStringLiteral("Line one\r\nLine two"),
                                                         MessageButtons(buttons), MessageIcon(icon),
                                                         QStringLiteral("Larkspan"));
        QVERIFY(pressed);
        QCOMPARE(int(result), expected);
        QCOMPARE(seenText, QStringLiteral("Line one\r\nLine two"));
        QCOMPARE(seenTitle, QStringLiteral("Larkspan"));
        QCOMPARE(seenIcon, expectedIcon);
    }

    void openReturnsThePathChosen_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("an existing file") << QStringLiteral("notes.txt");
        QTest::newRow("a link is returned itself, not what it points to") << QStringLiteral("shortcut.txt");
    }

    void openReturnsThePathChosen()
    {
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("notes.txt"));
        QVERIFY(writeAll(target, "a"));
        QVERIFY(QFile::link(target, dir.filePath(QStringLiteral("shortcut.txt"))));
        const QString path = dir.filePath(chosen);

        QString title;
        whenModal<QFileDialog>(scope.get(), [&](QFileDialog* dialog) {
            title = dialog->windowTitle();
            chooseFile(dialog, path);
        });
        FileDialogRequest request;
        request.title = QStringLiteral("Import a Text File");
        request.fileTypes = {{QStringLiteral("Plain Text Files (*.txt)"), QStringLiteral("*.txt")}};
        request.defaultExtension = QStringLiteral("txt");
        const auto result = platform.openFile(request);
        QVERIFY(result);
        QCOMPARE(result->fullPath, path);
        QCOMPARE(result->fileName, chosen);
        QCOMPARE(title, QStringLiteral("Import a Text File"));
    }

    void openMissingFile_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("opened");

        QTest::newRow("yes names the new file") << int(QMessageBox::Yes) << true;
        QTest::newRow("no returns to the file dialog") << int(QMessageBox::No) << false;
    }

    void openMissingFile()
    {
        QFETCH(int, answer);
        QFETCH(bool, opened);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new.gif"));
        QString question;
        bool offeredYesNo = false;
        bool backInFileDialog = false;
        whenModal<QFileDialog>(scope.get(), [&](QFileDialog* dialog) {
            whenModal<QMessageBox>(scope.get(), [&](QMessageBox* box) {
                question = box->text();
                offeredYesNo = box->button(QMessageBox::Yes) && box->button(QMessageBox::No);
                // Should the file dialog come back, the user gives up on it.
                whenModal<QFileDialog>(scope.get(), [&](QFileDialog* again) {
                    backInFileDialog = true;
                    again->reject();
                });
                pressButton(box, QMessageBox::StandardButton(answer));
            });
            chooseFile(dialog, path);
        });
        FileDialogRequest request;
        request.title = QStringLiteral("Select an Image");
        request.fileTypes = {{QStringLiteral("Web Images (*.gif,.*jpg,*.jpeg)"), QStringLiteral("*.gif;*.jpg;*.jpeg")}};
        request.mayNameMissingFile = true;
        const auto result = platform.openFile(request);

        QVERIFY2(question.contains(QStringLiteral("new.gif")), qPrintable(question));
        QVERIFY(offeredYesNo);
        QCOMPARE(backInFileDialog, !opened);
        QCOMPARE(bool(result), opened);
        if (result) {
            QCOMPARE(result->fullPath, path);
            QCOMPARE(result->fileName, QStringLiteral("new.gif"));
        }
    }

    void fileTypesShownAsDescribed_data()
    {
        QTest::addColumn<int>("chosenType");
        QTest::addColumn<QString>("shown");

        const QString text = QStringLiteral("Plain Text Files (*.txt)");
        const QString images = QStringLiteral("Web Images (*.gif,.*jpg,*.jpeg)");
        QTest::newRow("first type chosen") << 0 << text;
        QTest::newRow("second type chosen") << 1 << images;
        QTest::newRow("type out of range shows the first") << 2 << text;
    }

    // The descriptions carry their patterns in brackets already; the user reads each exactly as written.
    void fileTypesShownAsDescribed()
    {
        QFETCH(int, chosenType);
        QFETCH(QString, shown);

        ShownFileTypes seen;
        whenModal<QFileDialog>(scope.get(), [&](QFileDialog* dialog) {
            seen = shownFileTypes(dialog);
            dialog->reject();
        });
        FileDialogRequest request;
        request.title = QStringLiteral("Select an Image");
        request.fileTypes = {{QStringLiteral("Plain Text Files (*.txt)"), QStringLiteral("*.txt")},
                             {QStringLiteral("Web Images (*.gif,.*jpg,*.jpeg)"), QStringLiteral("*.gif;*.jpg;*.jpeg")}};
        request.chosenType = chosenType;
        QVERIFY(!platform.openFile(request));
        QCOMPARE(seen.entries,
                 (QStringList{QStringLiteral("Plain Text Files (*.txt)"),
                              QStringLiteral("Web Images (*.gif,.*jpg,*.jpeg)")}));
        QCOMPARE(seen.current, shown);
    }

    void saveStartsWithInitialNameAndFolder()
    {
        QTemporaryDir dir;
        QString name, folder;
        QStringList selected;
        whenModal<QFileDialog>(scope.get(), [&](QFileDialog* dialog) {
            name = shownName(dialog);
            folder = dialog->directory().absolutePath();
            selected = dialog->selectedFiles();
            dialog->reject();
        });
        const FileDialogRequest request = pageSaveRequest(dir.path());
        QVERIFY(!platform.saveFile(request));
        QCOMPARE(name, QStringLiteral("Untitled"));
        QCOMPARE(folder, QFileInfo(dir.path()).absoluteFilePath());
        // Saving at once would write Untitled.htm there.
        QCOMPARE(selected, QStringList{dir.filePath(QStringLiteral("Untitled.htm"))});
    }

    void saveAddsDefaultExtension()
    {
        QTemporaryDir dir;
        whenModal<QFileDialog>(scope.get(), [&](QFileDialog* dialog) { chooseFile(dialog, QStringLiteral("index")); });
        const FileDialogRequest request = pageSaveRequest(dir.path());
        const auto result = platform.saveFile(request);
        QVERIFY(result);
        QCOMPARE(result->fileName, QStringLiteral("index.htm"));
        QCOMPARE(result->folder, QFileInfo(dir.path()).absoluteFilePath());
        QCOMPARE(result->fullPath, dir.filePath(QStringLiteral("index.htm")));
    }

    void saveAsksBeforeOverwriting()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.htm"));
        QVERIFY(writeAll(path, "old"));
        bool asked = false;
        whenModal<QFileDialog>(scope.get(), [&](QFileDialog* dialog) {
            whenModal<QMessageBox>(scope.get(),
                                   [&](QMessageBox* question) { asked = pressButton(question, QMessageBox::Yes); });
            chooseFile(dialog, path);
        });
        FileDialogRequest request;
        request.title = QStringLiteral("Save your web page");
        const auto result = platform.saveFile(request);
        QVERIFY(asked);
        QVERIFY(result);
        QCOMPARE(result->fullPath, path);
    }

    void colourDialogKeepsSlotsUnlessConfirmed()
    {
        CustomColors custom{};
        custom[2] = 0x00336699;

        QColor offered;
        bool ownDialog = false;
        whenModal<QColorDialog>(scope.get(), [&](QColorDialog* dialog) {
            ownDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
            offered = QColorDialog::customColor(2);
            QColorDialog::setCustomColor(5, QColor(1, 2, 3));
            dialog->reject();
        });
        QVERIFY(!platform.chooseColor(nullptr, custom));
        QVERIFY(ownDialog);
        QCOMPARE(offered, QColor(0x99, 0x66, 0x33));
        QCOMPARE(custom[5], ColorRef(0));

        QColor offeredAgain;
        whenModal<QColorDialog>(scope.get(), [&](QColorDialog* dialog) {
            offeredAgain = QColorDialog::customColor(5);
            QColorDialog::setCustomColor(5, QColor(1, 2, 3));
            dialog->setCurrentColor(QColor(10, 11, 12));
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
        });
        const auto chosen = platform.chooseColor(nullptr, custom);
        QCOMPARE(offeredAgain, QColor(Qt::black));
        QVERIFY(chosen);
        QCOMPARE(*chosen, ColorRef(0x000C0B0A));
        QCOMPARE(custom[5], ColorRef(0x00030201));
        QCOMPARE(custom[2], ColorRef(0x00336699));
    }

    // While the window is up no other window of the application can be used, and the call waits for it to close.
    void runModalBlocksUntilClosed()
    {
        QDialog window;
        QWidget* modal = nullptr;
        Qt::WindowModality modality = Qt::NonModal;
        whenModal<QDialog>(scope.get(), [&](QDialog* shown) {
            modal = QApplication::activeModalWidget();
            modality = shown->windowModality();
            shown->close();
        });
        platform.runModal(&window);
        QCOMPARE(modal, &window);
        QCOMPARE(modality, Qt::ApplicationModal);
        QVERIFY(!window.isVisible());
    }

    void busyPointer()
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

    void fileProperties()
    {
        QWidget owner;
        QTemporaryDir dir;
        const QString path = makePicture(dir, QStringLiteral("logo.gif"), QSize(7, 5));
        QVERIFY(!path.isEmpty());

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

    void helpContents()
    {
        QWidget owner;
        const Outcome missing = platform.showHelpContents(&owner, QStringLiteral("/nowhere/index.html"));
        QVERIFY(!missing.ok);
        QVERIFY(!missing.reason.isEmpty());

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("index.html"));
        QByteArray page = "<html><body><h1>Contents</h1><p><a href=\"#end\">To the end</a></p>";
        for (int i = 0; i < 200; ++i)
            page += "<p>A paragraph of help.</p>";
        QVERIFY(writeAll(path, page + "</body></html>"));
        const Outcome shown = platform.showHelpContents(&owner, path);
        QVERIFY2(shown.ok, qPrintable(shown.reason));
        const auto windows = owner.findChildren<HelpWindow*>();
        QCOMPARE(windows.size(), 1);
        HelpWindow* help = windows.first();
        QVERIFY(help->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(help));

        // A long page opens at its top, and the scroll bar says so.
        const QScrollBar* scroll = help->findChild<QTextBrowser*>()->verticalScrollBar();
        QTRY_VERIFY(scroll->maximum() > 0);
        QCOMPARE(scroll->value(), scroll->minimum());

        // A screen reader meets a frame named by its caption and a named page, which Tab leaves for the buttons.
        QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(help);
        QCOMPARE(frame->role(), QAccessible::Window);
        QCOMPARE(frame->text(QAccessible::Name), help->windowTitle());
        QTextBrowser* browser = help->findChild<QTextBrowser*>();
        QVERIFY(!QAccessible::queryAccessibleInterface(browser)->text(QAccessible::Name).isEmpty());
        browser->setFocus();
        QTRY_VERIFY(browser->hasFocus());
        // Tab visits the page's one link, then leaves.
        QTest::keyClick(browser, Qt::Key_Tab);
        QTest::keyClick(browser, Qt::Key_Tab);
        QVERIFY(!browser->hasFocus());
        browser->setFocus();

        // Escape puts it away.
        QTest::keyClick(help->findChild<QTextBrowser*>(), Qt::Key_Escape);
        QVERIFY(!help->isVisible());
    }

    void openUrl_data()
    {
        QTest::addColumn<QString>("then");   // what the stand-in xdg-open does once it has noted its address
        QTest::addColumn<bool>("toldLater"); // whether the caller hears that no program was found
        QTest::newRow("a program found") << QStringLiteral("exit 0") << false;
        QTest::newRow("none found") << QStringLiteral("exit 3") << true;
        QTest::newRow("the program failed") << QStringLiteral("exit 4") << true;
        QTest::newRow("stopped by a signal: nothing said") << QStringLiteral("kill -KILL $$") << false;
        // Not waited for: xdg-open may stay until the browser it runs is closed.
        QTest::newRow("still running with the browser") << QStringLiteral("exec sleep 10") << false;
    }

    void openUrl()
    {
        QFETCH(QString, then);
        QFETCH(bool, toldLater);
        QTemporaryDir dir;
        const QString noted = dir.filePath(QStringLiteral("address"));
        const QString launcher = dir.filePath(QStringLiteral("xdg-open"));
        QVERIFY(writeAll(launcher,
                         QStringLiteral("#!/bin/sh\nexec </dev/null >/dev/null 2>&1\n"
                                        "printf '%s' \"$1\" >'%1.part' && mv '%1.part' '%1'\n%2\n")
                             .arg(noted, then)
                             .toUtf8()));
        QVERIFY(QFile::setPermissions(launcher, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", QFile::encodeName(dir.path()) + ':' + path);
        // Outlives this function, as a launcher still running may.
        const auto told = std::make_shared<int>(0);
        const QUrl page = QUrl::fromLocalFile(dir.filePath(QStringLiteral("my page.htm")));

        QElapsedTimer timer;
        timer.start();
        QVERIFY(platform.openUrl(page, [told] { ++*told; }));
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(*told, 0);

        QTRY_VERIFY(QFileInfo::exists(noted));
        QCOMPARE(readAll(noted), page.toEncoded());
        if (toldLater) {
            QTRY_COMPARE(*told, 1);
        } else {
            QTest::qWait(300);
            QCOMPARE(*told, 0);
        }
    }

private:
    QtPlatform platform;
    std::unique_ptr<QObject> scope; // the running test's dialog pollers die with it
};

QTEST_MAIN(tst_QtPlatform)
#include "tst_qtplatform.moc"
