// SPDX-License-Identifier: GPL-3.0-or-later
#include "keepscurrentfolder.h"
#include "testfiles.h"
#include "wizardanswers.h"

#include "images/imagepage.h"
#include "source_browser/frmedit.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>

using namespace Qt::StringLiterals;

using namespace larkspan;

namespace {

// The answers the summary reports on, and the summary they must give.
struct SummaryCase {
    int layout;
    bool customColours;
    QString background; // empty: box left empty
    bool backgroundTicked;
    bool pageImage;
    int items;
    int links;
    QStringList expected;
};

// What becomes of the preview handed to the desktop.
enum Opening {
    Shown,         // a browser takes it
    Refused,       // no launcher could be started
    FailsLater,    // the launcher started, then found no browser
    FailsWhenGone, // the same, once the wizard is gone
};

} // namespace

Q_DECLARE_METATYPE(SummaryCase)

// The Finish page: its summary, saving the page, and starting over with another.
class tst_Finish : public KeepsCurrentFolder {
    Q_OBJECT

private slots:
    void pageAsCreated()
    {
        FinishFixture f;
        QWidget* panel = f.wiz->panel(WizardPage::Finish);
        QStringList texts;
        for (const QLabel* label : panel->findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(QStringLiteral("Finish up your web page!")));
        QVERIFY(texts.contains(QStringLiteral("If you'd like to see what your web page looks like behind the scenes, "
                                              "select the Source Browser button.")));

        const auto* frame = panel->findChild<QGroupBox*>();
        QVERIFY(frame);
        QCOMPARE(frame->title(), QStringLiteral("Larkspan Summary"));
        QCOMPARE(summaryLines(*f.wiz),
                 (QStringList{u"Layout Style:"_s, u"Page Colors:   Default"_s, u"Background Image:   None"_s,
                              u"Page Image:   None"_s, u"Number of Lists:   0"_s, u"Number of Links:   0"_s}));
        for (int i = 0; i < LblSummaryCount; ++i)
            QCOMPARE(f.wiz->lblLabel[LblFirstSummary + i]->parentWidget(), frame);

        // The e-mail label names its box for screen readers; its text has no access key.
        const auto* email = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtEmail]);
        QVERIFY(email);
        const auto labels = panel->findChildren<QLabel*>();
        const auto emailLabel = std::find_if(labels.begin(), labels.end(),
                                             [&](const QLabel* l) { return l->buddy() == email; });
        QVERIFY(emailLabel != labels.end());
        QCOMPARE((*emailLabel)->text(), QStringLiteral("Include your email address: eg. someone@example.com"));

        const QPushButton* source = f.wiz->cmdButton[CmdSourceBrowser];
        QCOMPARE(source->parentWidget(), panel);
        QCOMPARE(source->objectName(), QStringLiteral("cmdButton_13"));
        QCOMPARE(source->text(), QString());
        QCOMPARE(source->toolTip(), QStringLiteral("Source Browser"));
        QCOMPARE(source->accessibleName(), QStringLiteral("Source Browser"));
        QCOMPARE(source->iconSize(), QSize(32, 32));
        QVERIFY(!source->icon().pixmap(source->iconSize()).isNull());

        // The preview button beside it, next in the Tab order.
        const QPushButton* preview = f.wiz->cmdButton[CmdPreviewBrowser];
        QCOMPARE(preview->parentWidget(), panel);
        QCOMPARE(preview->objectName(), QStringLiteral("cmdButton_14"));
        QCOMPARE(preview->text(), QString());
        QCOMPARE(preview->toolTip(), QStringLiteral("Preview in Browser"));
        QCOMPARE(preview->accessibleName(), QStringLiteral("Preview in Browser"));
        QCOMPARE(preview->shortcut(), QKeySequence(u"Alt+P"_s));
        QCOMPARE(preview->iconSize(), QSize(32, 32));
        QVERIFY(!preview->icon().pixmap(preview->iconSize()).isNull());
        QVERIFY(preview->focusPolicy() & Qt::TabFocus);
        QWidget* next = source->nextInFocusChain();
        while (next != preview && !(next->focusPolicy() & Qt::TabFocus))
            next = next->nextInFocusChain();
        QCOMPARE(next, preview);
    }

    void previewInBrowser_data()
    {
        QTest::addColumn<int>("opening");        // what becomes of the address
        QTest::addColumn<bool>("runtimeFolder"); // whether the session has a runtime folder
        QTest::newRow("a browser shows the page from the runtime folder") << int(Shown) << true;
        QTest::newRow("no runtime folder: the temporary one") << int(Shown) << false;
        QTest::newRow("no browser: a message names the preview file") << int(Refused) << true;
        QTest::newRow("the launcher finds no browser later: the same message") << int(FailsLater) << true;
        QTest::newRow("the launcher finds none after the wizard is gone: no message") << int(FailsWhenGone) << true;
    }

    void previewInBrowser()
    {
        QFETCH(int, opening);
        QFETCH(bool, runtimeFolder);
        const bool message = opening == Refused || opening == FailsLater;
        QTemporaryDir runtime;
        const QByteArray oldRuntime = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", oldRuntime); });
        QVERIFY(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        if (runtimeFolder)
            qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        else
            qunsetenv("XDG_RUNTIME_DIR");
        QTemporaryDir pictures;
        QString folder;
        {
            FinishFixture f;
            const Answers a = answersFor(LayoutStyle::TableImageLeft);
            QVERIFY(fillWizard(f, a, pictures.path()));
            // The background chosen in another folder than the page image.
            QTemporaryDir elsewhere;
            const QString tile = makePicture(elsewhere.path(), a.backgroundImage, QSize(4, 4));
            f.platform.openAnswers.push_back(OpenFileResult{tile, a.backgroundImage});
            f.press(CmdBrowseBackground);
            f.platform.calls.clear();
            f.platform.openUrlAnswers.push_back(opening != Refused);

            f.press(CmdPreviewBrowser);
            QCOMPARE(f.platform.urlFailures.size(), size_t(1));
            QVERIFY(f.platform.urlFailures[0]); // the way to be told later that no browser was found
            if (opening == FailsLater)
                f.platform.urlFailures[0]();

            folder = f.wiz->finishPage().previewFolder();
            QVERIFY(!folder.isEmpty());
            QCOMPARE(QFileInfo(folder).absolutePath(), runtimeFolder ? runtime.path() : QDir::tempPath());
            QCOMPARE(QFileInfo(folder).permissions() & 0x7777,
                     QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser
                         | QFile::ExeUser);
            const QString page = QDir(folder).filePath(u"Untitled.htm"_s);
            QCOMPARE(visible(readAll(page)), visible(pageFileOf(documentFor(a))));
            QCOMPARE(QFileInfo(QDir(folder).filePath(u"photo.jpg"_s)).canonicalFilePath(),
                     QFileInfo(QDir(pictures.path()).filePath(u"photo.jpg"_s)).canonicalFilePath());
            QCOMPARE(QFileInfo(QDir(folder).filePath(a.backgroundImage)).canonicalFilePath(),
                     QFileInfo(tile).canonicalFilePath());

            QStringList order;
            for (const auto& call : f.platform.calls)
                order << nameOf(call.what);
            QStringList expected{u"beginBusy"_s, u"endBusy"_s, u"openUrl"_s};
            if (message)
                expected << u"messageBox"_s;
            QCOMPARE(order, expected);
            QCOMPARE(f.platform.callsOf(PlatformCall::OpenUrl)[0].args,
                     QStringList{QUrl::fromLocalFile(page).toString()});
            if (message) {
                QCOMPARE(f.platform.messages(),
                         QStringList{u"No web browser could be started to show the preview. The page is in\r\n"_s
                                     + QDir::toNativeSeparators(page)});
                // Over the wizard, however late it comes.
                QCOMPARE(f.platform.callsOf(PlatformCall::MessageBox)[0].args.value(4), u"frmWiz"_s);
            }
            // Nothing is saved, and the Finish page stays.
            QCOMPARE(f.platform.count(PlatformCall::SaveFile), 0);
            QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Finish));

            // Pressed again after the answers changed: the page afresh, in the same folder, without the picture
            // that is no longer in it.
            f.wiz->chkBox[ChkBackgroundImage]->setChecked(false);
            f.press(CmdPreviewBrowser);
            QCOMPARE(f.wiz->finishPage().previewFolder(), folder);
            QStringList left = QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden);
            left.sort();
            QCOMPARE(left, (QStringList{u"Untitled.htm"_s, u"photo.jpg"_s}));
            QVERIFY(!readAll(page).contains("BACKGROUND="));

            if (opening == FailsWhenGone) {
                f.wiz.reset();
                f.platform.urlFailures[0]();
                QCOMPARE(f.platform.count(PlatformCall::MessageBox), 0);
            }
        }
        // The folder goes with the wizard.
        QVERIFY(!QFileInfo::exists(folder));
    }

    void summary_data()
    {
        QTest::addColumn<SummaryCase>("answers");

        QTest::newRow("table left, custom colours, three items, no links")
            << SummaryCase{int(LayoutStyle::TableImageLeft),
                           true,
                           QString(),
                           false,
                           false,
                           3,
                           0,
                           QStringList{u"Layout Style:   Table Style Image Left"_s, u"Page Colors:   Custom"_s,
                                       u"Background Image:   None"_s, u"Page Image:   None"_s,
                                       u"Number of Lists:   3"_s, u"Number of Links:   0"_s}};
        QTest::newRow("basic style, both pictures included, links counted")
            << SummaryCase{int(LayoutStyle::BasicStyle),
                           false,
                           QStringLiteral("paper.gif"),
                           true,
                           true,
                           0,
                           2,
                           QStringList{u"Layout Style:   Basic Style"_s, u"Page Colors:   Default"_s,
                                       u"Background Image:   paper.gif"_s, u"Page Image:   photo.jpg"_s,
                                       u"Number of Lists:   0"_s, u"Number of Links:   2"_s}};
        QTest::newRow("background ticked but empty is none")
            << SummaryCase{int(LayoutStyle::BasicImageRight),
                           false,
                           QString(),
                           true,
                           false,
                           1,
                           1,
                           QStringList{u"Layout Style:   Basic Style Image Right"_s, u"Page Colors:   Default"_s,
                                       u"Background Image:   None"_s, u"Page Image:   None"_s,
                                       u"Number of Lists:   1"_s, u"Number of Links:   1"_s}};
        QTest::newRow("background named but not ticked is none")
            << SummaryCase{int(LayoutStyle::TableImageRight),
                           true,
                           QStringLiteral("paper.gif"),
                           false,
                           false,
                           0,
                           0,
                           QStringList{u"Layout Style:   Table Style Image Right"_s, u"Page Colors:   Custom"_s,
                                       u"Background Image:   None"_s, u"Page Image:   None"_s,
                                       u"Number of Lists:   0"_s, u"Number of Links:   0"_s}};
    }

    void summary()
    {
        QFETCH(SummaryCase, answers);
        const auto& [layout, customColours, background, backgroundTicked, pageImage, items, links, expected] = answers;
        QTemporaryDir folder;
        FinishFixture f;

        Answers a;
        a.layout = LayoutStyle(layout);
        a.pageImage = pageImage;
        for (int i = 0; i < items; ++i)
            a.items << QStringLiteral("item %1").arg(i);
        for (int i = 0; i < links; ++i)
            a.links.push_back({QStringLiteral("http://example.com/%1").arg(i), QStringLiteral("link %1").arg(i)});
        QVERIFY(fillWizard(f, a, folder.path()));

        // Back to the colours, where the answers under test are given, and forward again to fill the summary anew.
        QVERIFY(walkTo(f, WizardPage::Colors));
        f.wiz->optRadio[customColours ? OptCustomColors : OptDefaultColors]->setChecked(true);
        f.wiz->chkBox[ChkBackgroundImage]->setChecked(backgroundTicked);
        f.wiz->setBoxText(TxtBackgroundImage, background);
        QVERIFY(walkTo(f, WizardPage::Finish));

        QCOMPARE(summaryLines(*f.wiz), expected);
    }

    void repeatedRequestIsDropped_data()
    {
        QTest::addColumn<int>("action"); // the Source Browser, the preview or finish, pressed again while it runs
        QTest::newRow("Source Browser pressed while its window is shown") << CmdSourceBrowser;
        QTest::newRow("Preview in Browser pressed while its message is shown") << CmdPreviewBrowser;
        QTest::newRow("Finish pressed while the congratulation is shown") << CmdForward;
    }

    void repeatedRequestIsDropped()
    {
        QFETCH(int, action);
        FinishFixture f(WizardPage::Finish, int(LayoutStyle::BasicStyle));
        QTemporaryDir folder;
        int nested = 0;
        if (action == CmdPreviewBrowser) {
            // No browser: the message stands while the preview runs.
            f.platform.openUrlAnswers = {false, false};
            f.platform.whileMessage = [&](const ScriptedPlatform::Call&) {
                ++nested;
                f.press(CmdPreviewBrowser);
            };
            f.press(CmdPreviewBrowser);
            QCOMPARE(f.platform.count(PlatformCall::OpenUrl), 1);
            QVERIFY(!f.wiz->finishPage().previewBusy);
            f.press(CmdPreviewBrowser);
            QCOMPARE(f.platform.count(PlatformCall::OpenUrl), 2);
            QCOMPARE(nested, 2);
        } else if (action == CmdSourceBrowser) {
            f.platform.whileModal = [&](QDialog*) {
                ++nested;
                f.press(CmdSourceBrowser);
            };
            f.press(CmdSourceBrowser);
            QCOMPARE(f.platform.count(PlatformCall::RunModal), 1);
            QCOMPARE(f.platform.count(PlatformCall::BeginBusy), 1);
            QVERIFY(!f.wiz->finishPage().sourceBrowserBusy);
            // The mark is cleared: the next press is served again.
            f.press(CmdSourceBrowser);
            QCOMPARE(f.platform.count(PlatformCall::RunModal), 2);
            QCOMPARE(nested, 2);
        } else {
            f.platform.saveAnswers.push_back(saveAs(folder.path(), QStringLiteral("page.htm")));
            f.platform.saveAnswers.push_back(saveAs(folder.path(), QStringLiteral("second.htm")));
            f.platform.whileMessage = [&](const ScriptedPlatform::Call&) {
                ++nested;
                f.wiz->NextStep(int(WizardPage::Finish));
            };
            f.platform.messageAnswers.push_back(MessageResult::No);
            f.forward();
            QCOMPARE(nested, 1);
            QCOMPARE(f.platform.count(PlatformCall::SaveFile), 1);
            QCOMPARE(f.platform.count(PlatformCall::BeginBusy), 1);
            QVERIFY(!QFile::exists(QDir(folder.path()).filePath(QStringLiteral("second.htm"))));
            QVERIFY(!f.wiz->finishPage().finishBusy);
        }
    }

    void cancellingTheSaveDialog()
    {
        FinishFixture f(WizardPage::Finish, int(LayoutStyle::TableImageLeft));
        const QStringList before = QDir::current().entryList(QDir::Files);
        f.platform.calls.clear();

        f.forward();

        QCOMPARE(f.platform.fileRequests.size(), size_t(1));
        const FileDialogRequest& request = f.platform.fileRequests[0];
        QCOMPARE(request.owner, f.wiz.get());
        QCOMPARE(request.title, QStringLiteral("Save your web page"));
        QCOMPARE(request.fileTypes.size(), 3);
        const QStringList types = {request.fileTypes[0].description + u'|' + request.fileTypes[0].patterns,
                                   request.fileTypes[1].description + u'|' + request.fileTypes[1].patterns,
                                   request.fileTypes[2].description + u'|' + request.fileTypes[2].patterns};
        QCOMPARE(types,
                 (QStringList{u"HTML Files (*.htm,*.html)|*.htm;*.html"_s, u"Plain Text Files (*.txt)|*.txt"_s,
                              u"All Files (*.*)|*.*"_s}));
        QCOMPARE(request.chosenType, 0);
        QCOMPARE(request.initialName, QStringLiteral("Untitled"));
        QCOMPARE(request.initialFolder, QDir::currentPath());
        QCOMPARE(request.defaultExtension, QStringLiteral("htm"));

        // Nothing generated, written or said; the page stays.
        QCOMPARE(f.platform.calls.size(), size_t(1));
        QVERIFY(!f.wiz->hasSourceBrowser());
        QCOMPARE(QDir::current().entryList(QDir::Files), before);
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Finish));
        QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("&Finish"));
        QVERIFY(!f.wiz->finishPage().finishBusy);

        // The mark was cleared on the way out: the next Finish asks again.
        f.forward();
        QCOMPARE(f.platform.count(PlatformCall::SaveFile), 2);
    }

    void finishWithoutTheSourceBrowser()
    {
        FinishFixture f;
        QTemporaryDir folder;
        const Answers a = answersFor(LayoutStyle::TableImageLeft);
        QVERIFY(fillWizard(f, a, folder.path()));
        QVERIFY(!f.wiz->hasSourceBrowser());
        const QString saved = QDir(folder.path()).filePath(QStringLiteral("club.htm"));
        QVERIFY(writeAll(saved, QByteArray(200'000, 'x')));
        f.platform.calls.clear();
        f.platform.saveAnswers.push_back(saveAs(folder.path(), QStringLiteral("club.htm")));
        f.platform.messageAnswers.push_back(MessageResult::No);
        bool browserLoaded = false;
        bool browserHidden = false;
        std::string held;
        f.platform.whileMessage = [&](const ScriptedPlatform::Call&) {
            browserLoaded = f.wiz->hasSourceBrowser();
            browserHidden = f.wiz->sourceBrowser().isHidden();
            held = f.wiz->sourceBrowser().pageDocument();
        };

        f.forward();

        const std::string document = documentFor(a);
        QCOMPARE(visible(readAll(saved)), visible(pageFileOf(document)));
        // The chosen folder is the current one now.
        QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
        // Written through the source browser, loaded and never shown, holding the document until the end.
        QCOMPARE(f.platform.count(PlatformCall::RunModal), 0);
        QVERIFY(browserLoaded);
        QVERIFY(browserHidden);
        QCOMPARE(held, document);
        QVERIFY(!f.wiz->isVisible());
        QVERIFY(!f.wiz->hasSourceBrowser());

        QStringList order;
        for (const auto& call : f.platform.calls)
            order << nameOf(call.what);
        QCOMPARE(order, (QStringList{u"saveFile"_s, u"beginBusy"_s, u"endBusy"_s, u"beep"_s, u"messageBox"_s}));
        QCOMPARE(f.platform.callsOf(PlatformCall::MessageBox)[0].args,
                 (QStringList{Congratulation, u"yesno"_s, u"none"_s, u"Larkspan"_s, u"frmWiz"_s}));
    }

    void saveFailure_data()
    {
        QTest::addColumn<QString>("folder"); // under the temporary folder, which holds the file "old.htm"
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("diskFull");

        QTest::newRow("the chosen folder is gone") << QStringLiteral("gone") << QStringLiteral("page.htm") << false;
        QTest::newRow("a file where the folder should be")
            << QStringLiteral("old.htm") << QStringLiteral("page.htm") << false;
        QTest::newRow("the disk fills up over an existing page") << QString() << QStringLiteral("old.htm") << true;
    }

    void saveFailure()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        FinishFixture f;
        QTemporaryDir temporary;
        const QDir root(temporary.path());
        const QString old = root.filePath(QStringLiteral("old.htm"));
        QVERIFY(writeAll(old, "the page saved last time\r\n"));
        const Answers a = answersFor(LayoutStyle::BasicStyle);
        QVERIFY(fillWizard(f, a, temporary.path()));
        const QString chosenFolder = root.filePath(folder);
        const QString chosenPath = QDir(chosenFolder).filePath(name);
        f.platform.saveAnswers.push_back(SaveFileResult{chosenFolder, name, chosenPath});
        f.platform.calls.clear();
        QVERIFY(QDir::setCurrent(QDir::tempPath()));

        {
            std::optional<FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(100);
            f.forward();
        }
        // A folder that refused the page does not become the one the next dialog opens in.
        QCOMPARE(QDir::currentPath(), QDir(QDir::tempPath()).canonicalPath());

        const auto boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), size_t(1));
        const QStringList& box = boxes[0].args;
        const QString opening = QStringLiteral("Your web page could not be saved as\r\n%1\r\n\r\n")
                                    .arg(QDir::toNativeSeparators(chosenPath));
        QVERIFY2(box[0].startsWith(opening), qPrintable(box[0]));
        QVERIFY2(box[0].size() > opening.size(), "the system's reason follows");
        QCOMPARE(box.mid(1), (QStringList{u"ok"_s, u"critical"_s, u"Larkspan"_s, u"frmWiz"_s}));
        QCOMPARE(f.platform.count(PlatformCall::Beep), 0);

        // The old page is as it was, nothing else appeared, and the wizard keeps every answer on its last page.
        QCOMPARE(readAll(old), QByteArray("the page saved last time\r\n"));
        QCOMPARE(root.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.htm")});
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Finish));
        QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("&Finish"));
        QVERIFY(!f.wiz->finishPage().finishBusy);
        QCOMPARE(f.wiz->boxText(TxtTitle), a.title);
        QCOMPARE(f.wiz->boxText(TxtEmail), a.email);
        QCOMPARE(f.wiz->lstBox[LstItems]->count(), a.items.size());

        // Another place works, and the page then holds everything typed before.
        f.platform.saveAnswers.push_back(saveAs(temporary.path(), QStringLiteral("second.htm")));
        f.platform.messageAnswers.push_back(MessageResult::No);
        f.forward();
        QCOMPARE(visible(readAll(root.filePath(QStringLiteral("second.htm")))), visible(pageFileOf(documentFor(a))));
        QCOMPARE(f.platform.messages().last(), Congratulation);
    }

    void picturesTravelWithThePage_data()
    {
        // Where each picture was chosen from: "saved" (the folder the page is saved to), "other", "typed" (its name
        // typed, no file known), "none"; for the background, which is not read when chosen, "large": 20000 bytes
        // from another folder, saved while files may not grow beyond 8000. beside: what the saved folder holds
        // under the page image's name first. The problem's %1 stands for the background's full path.
        QTest::addColumn<QString>("pageImage");
        QTest::addColumn<QString>("background");
        QTest::addColumn<QString>("beside"); // "", "same" or "different"
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("listed"); // the names in the question; empty: no question
        QTest::addColumn<QStringList>("copied");
        QTest::addColumn<QString>("problem"); // a message after the copies; empty: none

        const QStringList both{u"shot.png"_s, u"tile.webp"_s};
        QTest::newRow("both from another folder, Yes copies both")
            << u"other"_s << u"other"_s << QString() << true << both << both << QString();
        QTest::newRow("both from another folder, No leaves the folder")
            << u"other"_s << u"other"_s << QString() << false << both << QStringList() << QString();
        QTest::newRow("both beside the page already: no question")
            << u"saved"_s << u"saved"_s << QString() << true << QStringList() << QStringList() << QString();
        QTest::newRow("the same picture there already: left alone, no question")
            << u"other"_s << u"none"_s << u"same"_s << true << QStringList() << QStringList() << QString();
        QTest::newRow("a different file of that name is never overwritten")
            << u"other"_s << u"none"_s << u"different"_s << true << QStringList{u"shot.png"_s} << QStringList()
            << u"shot.png was not copied: another file of that name is in that folder, and it was left as it is."_s;
        QTest::newRow("a picture not found is named beside one to copy")
            << u"other"_s << u"typed"_s << QString() << true << QStringList{u"shot.png"_s, u"tile.webp (not found)"_s}
            << QStringList{u"shot.png"_s} << QString();
        QTest::newRow("a copy that fails is named with the reason, and leaves nothing behind")
            << u"other"_s << u"large"_s << QString() << true << both << QStringList{u"shot.png"_s}
            << u"%1 could not be copied: File too large"_s;
        QTest::newRow("only a picture not found: nothing to copy, no question")
            << u"none"_s << u"typed"_s << QString() << true << QStringList() << QStringList() << QString();
    }

    void picturesTravelWithThePage()
    {
        QFETCH(QString, pageImage);
        QFETCH(QString, background);
        QFETCH(QString, beside);
        QFETCH(bool, yes);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, copied);
        QFETCH(QString, problem);
        FinishFixture f(WizardPage::Finish, int(LayoutStyle::BasicImageLeft));
        QTemporaryDir saved;
        QTemporaryDir other;
        const auto choose = [&](const QString& from, const QString& name, int tick, int browse, int box) {
            if (from == u"none"_s)
                return QString();
            f.wiz->chkBox[tick]->setChecked(true);
            if (from == u"typed"_s) {
                f.wiz->setBoxText(box, name);
                return QString();
            }
            const QString path = from == u"large"_s
                ? writeFile(other, name, QByteArray(20000, 'x'))
                : makePicture(from == u"saved"_s ? saved.path() : other.path(), name, QSize(12, 8));
            f.platform.openAnswers.push_back(OpenFileResult{path, name});
            f.press(browse);
            return path;
        };
        const QString shot = choose(pageImage, u"shot.png"_s, ChkPageImage, CmdBrowseImage, TxtPageImage);
        const QString tile = choose(background, u"tile.webp"_s, ChkBackgroundImage, CmdBrowseBackground,
                                    TxtBackgroundImage);
        const QString shotBeside = saved.filePath(u"shot.png"_s);
        if (beside == u"same"_s)
            QVERIFY(QFile::copy(shot, shotBeside));
        const QByteArray different("not the picture");
        if (beside == u"different"_s)
            QVERIFY(writeAll(shotBeside, different));
        const QStringList before = QDir(saved.path()).entryList(QDir::Files | QDir::Hidden);

        f.platform.saveAnswers.push_back(saveAs(saved.path(), u"index.htm"_s));
        if (!listed.isEmpty())
            f.platform.messageAnswers.push_back(yes ? MessageResult::Yes : MessageResult::No);
        f.platform.messageAnswers.push_back(MessageResult::No);
        {
            std::optional<FileSizeLimit> limit;
            if (background == u"large"_s)
                limit.emplace(8000);
            f.forward();
        }

        QStringList expected;
        if (!listed.isEmpty()) {
            QStringList lines;
            for (const QString& name : listed)
                lines << u"    "_s + name;
            expected << u"The page shows pictures that are not in the folder you saved it to, so a browser will not "
                        "find them:\r\n\r\n"_s
                    + lines.join(u"\r\n"_s) + u"\r\n\r\nCopy them into that folder?"_s;
            QCOMPARE(f.platform.callsOf(PlatformCall::MessageBox)[0].args.mid(1, 3),
                     (QStringList{u"yesno"_s, u"none"_s, u"Larkspan"_s}));
        }
        if (!problem.isEmpty())
            expected << problem.arg(QDir::toNativeSeparators(tile));
        expected << Congratulation;
        QCOMPARE(f.platform.messages(), expected);
        // The page is saved before the question; the congratulation follows whatever the answer.
        QVERIFY(QFile::exists(saved.filePath(u"index.htm"_s)));

        QStringList after = before;
        after << u"index.htm"_s << copied;
        after.sort();
        QStringList found = QDir(saved.path()).entryList(QDir::Files | QDir::Hidden);
        found.sort();
        QCOMPARE(found, after);
        for (const QString& name : copied)
            QCOMPARE(readAll(saved.filePath(name)), readAll(name == u"shot.png"_s ? shot : tile));
        if (beside == u"different"_s)
            QCOMPARE(readAll(shotBeside), different);
    }

    void wholeWizard_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("another");
        const std::pair<LayoutStyle, const char*> layouts[] = {
            {LayoutStyle::BasicStyle, "basic style"},
            {LayoutStyle::BasicImageLeft, "basic style image left"},
            {LayoutStyle::BasicImageRight, "basic style image right"},
            {LayoutStyle::TableImageLeft, "table style image left"},
            {LayoutStyle::TableImageRight, "table style image right"},
        };
        for (const auto& [layout, name] : layouts) {
            QTest::addRow("%s, then another page", name) << int(layout) << true;
            QTest::addRow("%s, then the end", name) << int(layout) << false;
        }
    }

    void wholeWizard()
    {
        QFETCH(int, layout);
        QFETCH(bool, another);
        FinishFixture f;
        QTemporaryDir folder;
        const Answers a = answersFor(LayoutStyle(layout));
        QVERIFY(fillWizard(f, a, folder.path()));
        frmWiz& wiz = *f.wiz;
        QCOMPARE(summaryLines(wiz), summaryOf(a));

        // Back to the first question and forward again, as a user looking over the answers would. The summary is
        // emptied behind the wizard's back, so that only filling it on arrival can bring it back.
        QVERIFY(walkTo(f, WizardPage::Layout));
        for (int i = 0; i < LblSummaryCount; ++i)
            wiz.lblLabel[LblFirstSummary + i]->clear();
        QVERIFY(walkTo(f, WizardPage::Finish));
        QCOMPARE(summaryLines(wiz), summaryOf(a));
        QCOMPARE(wiz.boxText(TxtEmail), a.email);
        const bool dialogUsed = std::ranges::any_of(a.colours,
                                                    [](const ColourPick& p) { return p.item == CustomItem; });
        QCOMPARE(wiz.colourPage().customColors, dialogUsed ? definedSlots() : CustomColors{});

        const QString path = QDir(folder.path()).filePath(QStringLiteral("index.htm"));
        f.platform.saveAnswers.push_back(saveAs(folder.path(), QStringLiteral("index.htm")));
        f.platform.messageAnswers.push_back(another ? MessageResult::Yes : MessageResult::No);
        QByteArray atQuestion;
        f.platform.whileMessage = [&](const ScriptedPlatform::Call&) { atQuestion = readAll(path); };

        f.forward();

        const QByteArray expected = pageFileOf(documentFor(a));
        QCOMPARE(visible(atQuestion), visible(expected));
        QCOMPARE(f.platform.messages(), QStringList{Congratulation});
        QCOMPARE(wiz.isVisible(), another);
        if (another)
            QCOMPARE(wiz.CurrentPage(), int(WizardPage::Welcome));
    }

    void anotherPageUndoesEveryChoice()
    {
        FinishFixture f;
        QTemporaryDir folder;
        QVERIFY(fillWizard(f, answersFor(LayoutStyle::TableImageLeft), folder.path()));
        // Every choice away from its start, going back through the pages.
        f.wiz->optRadio[OptComboLinkStyle]->setChecked(true);
        f.backward();
        f.wiz->cbBox[CbBulletStyle]->setCurrentIndex(2);
        f.backward();
        f.wiz->chkBox[ChkKeyMask]->setChecked(true);
        f.wiz->optRadio[OptEnterParagraph]->setChecked(true);
        f.backward();
        f.backward();
        f.wiz->optRadio[OptCustomColors]->setChecked(true);
        QVERIFY(walkTo(f, WizardPage::Finish));
        f.platform.saveAnswers.push_back(saveAs(folder.path(), QStringLiteral("page.htm")));
        f.platform.messageAnswers.push_back(MessageResult::Yes);

        f.forward();

        frmWiz& wiz = *f.wiz;
        QCOMPARE(wiz.CurrentPage(), int(WizardPage::Welcome));
        QCOMPARE(wiz.windowTitle(), QStringLiteral("Larkspan 1.1"));
        QCOMPARE(wiz.sideImage()->property("bitmap").toInt(), 2);
        QCOMPARE(wiz.cmdButton[CmdForward]->text(), QStringLiteral("&Start >"));
        QCOMPARE(f.focusName(), QStringLiteral("cmdButton_0"));
        QCOMPARE(wiz.cmdButton[CmdBackward]->text(), QStringLiteral("&Cancel"));
        QCOMPARE(wiz.cancelButton(), wiz.cmdButton[CmdBackward]);
        QVERIFY(wiz.cmdButton[CmdCancel]->isHidden());
        QVERIFY(!wiz.cmdButton[CmdAbout]->isHidden());

        for (int i = 0; i < TxtBoxCount; ++i)
            QVERIFY2(wiz.boxText(i).isEmpty(), qPrintable(QStringLiteral("text box %1").arg(i)));
        QCOMPARE(summaryLines(wiz), QStringList(LblSummaryCount, QString()));
        QCOMPARE(wiz.lblLabel[LblItemCounter]->text(), QStringLiteral("Current List Items: 0"));
        QCOMPARE(wiz.lblLabel[LblLinkCounter]->text(), QStringLiteral("Current Links: 0"));
        QCOMPARE(wiz.lstBox[LstItems]->count(), 0);
        QCOMPARE(wiz.lstBox[LstLinks]->count(), 0);
        QCOMPARE(wiz.cbBox[CbLayout]->currentText(), QStringLiteral("Choose a Layout"));
        QCOMPARE(wiz.lblLabel[LblLayoutDescription]->text(), QString());
        QCOMPARE(wiz.cbBox[CbHeadingSize]->currentText(), QStringLiteral("2"));
        QCOMPARE(wiz.cbBox[CbBulletStyle]->currentIndex(), 0);
        QVERIFY(wiz.optRadio[OptDefaultColors]->isChecked());
        QVERIFY(wiz.optRadio[OptEnterBreak]->isChecked());
        QVERIFY(wiz.optRadio[OptDefaultLinkStyle]->isChecked());
        for (int box : {ChkBackgroundImage, ChkPageImage, ChkKeyMask})
            QVERIFY2(!wiz.chkBox[box]->isChecked(), qPrintable(QStringLiteral("check box %1").arg(box)));
        QVERIFY(wiz.imagePage().pageImagePath.isEmpty());

        // What the writers would read now is an empty page.
        const PageSpec now = wiz.pageSpec();
        QCOMPARE(now.layout, LayoutStyle::None);
        QCOMPARE(documentFor(now), documentFor(PageSpec{}));

        // Going forward again finds no layout chosen, and the wizard holds there.
        f.forward();
        QCOMPARE(wiz.CurrentPage(), int(WizardPage::Layout));
        f.forward();
        QCOMPARE(wiz.CurrentPage(), int(WizardPage::Layout));
        QCOMPARE(f.platform.messages().last(), QStringLiteral("Please select a layout style before proceeding."));
    }
};

QTEST_MAIN(tst_Finish)
#include "tst_finish.moc"
