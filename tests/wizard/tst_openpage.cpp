// SPDX-License-Identifier: GPL-3.0-or-later
#include "keepscurrentfolder.h"
#include "testfiles.h"
#include "wizardanswers.h"

#include "colours/colourpage.h"
#include "files/filename.h"
#include "colours/colourpreview.h"
#include "images/imagepage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>

#include "page/pagereader.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

using namespace larkspan;

namespace {

// Everything a user sees of the answers on every page, one line a control, for comparing two windows.
QStringList shownAnswers(const frmWiz& wiz)
{
    QStringList lines;
    for (int i = 0; i < TxtBoxCount; ++i)
        lines << QStringLiteral("txtBox_%1 %2 '%3'").arg(i).arg(wiz.txtBox[i]->isEnabled()).arg(wiz.boxText(i));
    for (int i = 0; i < CbBoxCount; ++i)
        lines << QStringLiteral("cbBox_%1 %2").arg(i).arg(wiz.cbBox[i]->currentIndex());
    // The colour boxes are checked by their own rule below: a box ticked without a colour picked writes nothing.
    const auto ticked = [](const QAbstractButton* b) {
        return QStringLiteral("%1 %2").arg(b->isChecked()).arg(b->isEnabled());
    };
    for (int i = ChkBackgroundImage; i < ChkBoxCount; ++i)
        lines << QStringLiteral("chkBox_%1 ").arg(i) + ticked(wiz.chkBox[i]);
    for (int i = OptEnterBreak; i < OptRadioCount; ++i)
        lines << QStringLiteral("optRadio_%1 ").arg(i) + ticked(wiz.optRadio[i]);
    for (int i = 0; i < LstBoxCount; ++i)
        for (int row = 0; row < wiz.lstBox[i]->count(); ++row)
            lines << QStringLiteral("lstBox_%1 '%2' '%3'")
                         .arg(i)
                         .arg(wiz.lstBox[i]->item(row)->data(Qt::UserRole).toString(),
                              wiz.lstBox[i]->item(row)->text());
    for (int i = 0; i < LblLabelCount; ++i)
        if (wiz.lblLabel[i])
            lines << QStringLiteral("lblLabel_%1 '%2'").arg(i).arg(wiz.lblLabel[i]->text());
    for (int i = CmdBrowseBackground; i < CmdButtonCount; ++i)
        lines << QStringLiteral("cmdButton_%1 %2").arg(i).arg(wiz.cmdButton[i]->isEnabled());
    for (const ColorAttribute attribute : AllColorAttributes)
        lines << QStringLiteral("preview %1 %2")
                     .arg(int(attribute))
                     .arg(wiz.colourPage().preview().colour(attribute).name());
    const QLabel* picture = wiz.imagePage().previewLabel();
    lines << QStringLiteral("picture %1 %2x%3 '%4'")
                 .arg(!picture->isHidden())
                 .arg(picture->width())
                 .arg(picture->height())
                 .arg(wiz.imagePage().pageImagePath);
    return lines;
}

// A file read by its name's bytes, which need not be UTF-8.
QByteArray readBytes(const QByteArray& path)
{
    std::ifstream file(path.constData(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    return file ? QByteArray::fromStdString(bytes) : QByteArray("(unreadable)");
}

// A file dropped as a file manager offers it: the name's bytes percent-encoded in the address.
void dropOn(frmWiz& wiz, const QByteArray& path)
{
    QMimeData data;
    data.setUrls({QUrl::fromEncoded("file://" + path.toPercentEncoding("/"))});
    QDragEnterEvent enter(QPoint(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&wiz, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent drop(QPointF(300, 100), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&wiz, &drop);
    QCoreApplication::processEvents();
}

} // namespace

// Opening a page saved earlier: every page shows the answers that made it, and saving it unchanged gives the same
// file; a file that is no such page changes nothing.
class tst_OpenPage : public KeepsCurrentFolder {
    Q_OBJECT

private slots:
    void reopenedAsMade_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("pictureBeside");  // the page image is in the page's folder when it is opened
        QTest::addColumn<QByteArray>("fileName"); // as the system holds it
        QTest::addColumn<bool>("fromItsFolder");  // opened by its name alone, as from a shell in its folder
        for (int layout = 1; layout <= 5; ++layout) {
            QTest::addRow("layout %d", layout) << layout << true << QByteArray("page.htm") << false;
            if (answersFor(LayoutStyle(layout)).pageImage)
                QTest::addRow("layout %d, its picture gone", layout)
                    << layout << false << QByteArray("page.htm") << false;
        }
        QTest::newRow("a name that is not UTF-8") << 4 << true << QByteArray("caf\xE9.htm") << false;
        QTest::newRow("a name that is not UTF-8, from its folder") << 4 << true << QByteArray("caf\xE9.htm") << true;
    }

    void reopenedAsMade()
    {
        QFETCH(int, layout);
        QFETCH(bool, pictureBeside);
        QFETCH(QByteArray, fileName);
        QFETCH(bool, fromItsFolder);
        const Answers answers = answersFor(LayoutStyle(layout));
        QTemporaryDir folder;
        // As the command line hands it over.
        const QByteArray pathBytes = QFile::encodeName(folder.path()) + '/' + fileName;
        const QString path = fileNameFromBytes(pathBytes);
        const QString name = fileNameFromBytes(fileName);
        // QTemporaryDir removes only names that are UTF-8.
        const auto removePage = qScopeGuard([&] { ::unlink(pathBytes.constData()); });

        // Answers that write the same page read back as one of them: without a picture the two Basic image layouts
        // as Image Left, custom colours with none ticked as the default ones.
        Answers reread = answers;
        if (!answers.pageImage && answers.layout == LayoutStyle::BasicImageRight)
            reread.layout = LayoutStyle::BasicImageLeft;
        if (answers.colours.isEmpty())
            reread.customColours = false;
        QCOMPARE(documentFor(reread), documentFor(answers));

        QStringList made;
        if (reread.layout != answers.layout || reread.customColours != answers.customColours) {
            QTemporaryDir elsewhere;
            FinishFixture f;
            QVERIFY(fillWizard(f, reread, elsewhere.path()));
            made = shownAnswers(*f.wiz);
        }
        {
            FinishFixture f;
            QVERIFY(fillWizard(f, answers, folder.path()));
            if (made.isEmpty())
                made = shownAnswers(*f.wiz);
            f.platform.saveAnswers.push_back(saveAs(folder.path(), name));
            f.forward();
        }
        const QByteArray saved = readBytes(pathBytes);
        QCOMPARE(visible(saved), visible(pageFileOf(documentFor(answers))));
        if (!pictureBeside)
            QVERIFY(QFile::remove(folder.filePath(QStringLiteral("photo.jpg"))));

        QDir::setCurrent(fromItsFolder ? folder.path() : QDir::tempPath());
        FinishFixture f;
        // Without the picture there is no preview and no path, as before any picture was chosen.
        if (!pictureBeside)
            made.last() = shownAnswers(*f.wiz).last();
        // Another day: the page keeps the date it was made on.
        f.wiz->finishPage().setCalendar([] { return QDate(2030, 1, 1); }, english());
        QVERIFY(f.wiz->openPage(fromItsFolder ? name : path));
        QCOMPARE(f.platform.count(PlatformCall::MessageBox), 0);
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Welcome));
        // The background image too is looked for beside the page, where the page refers to it.
        QCOMPARE(f.wiz->colourPage().backgroundPicturePath(),
                 answers.backgroundImage.isEmpty() ? QString() : QDir(folder.path()).filePath(answers.backgroundImage));
        QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1"));
        f.forward();
        QVERIFY(walkTo(f, WizardPage::Finish));

        const QStringList shown = shownAnswers(*f.wiz);
        QCOMPARE(shown.size(), made.size());
        for (qsizetype line = 0; line < shown.size(); ++line)
            QCOMPARE(shown[line], made[line]);
        QCOMPARE(summaryLines(*f.wiz), summaryOf(reread));
        // A colour is ticked when the page has one of its own; the menu checks its named colour, "Custom..." for any
        // other. The custom slots stay as they were.
        PageSpec spec = specFor(answers);
        const char* const resetSlots[] = {" BGCOLOR=\"#FFFFFF\"", "", "", "", ""};
        for (const ColorAttribute attribute : AllColorAttributes) {
            const std::string slot = *slotOf(spec, attribute);
            const bool ticked = slot != resetSlots[int(attribute)];
            QCOMPARE(f.wiz->chkBox[ChkFirstColour + int(attribute)]->isChecked(), ticked);
            int expected = -1;
            if (ticked) {
                expected = CustomItem;
                for (const NamedColor& named : NamedColors)
                    if (slot.ends_with("\"" + std::string(named.colorText) + "\""))
                        expected = named.menuIndex;
            }
            QCOMPARE(f.wiz->colourPage().menus().checkedItem(attribute), expected);
        }
        QCOMPARE(f.wiz->colourPage().customColors, CustomColors{});
        QCOMPARE(f.wiz->optRadio[OptCustomColors]->isChecked(),
                 std::any_of(answers.colours.begin(), answers.colours.end(), [&](const ColourPick& pick) {
                     return pick.slot != std::string(resetSlots[int(pick.attribute)]);
                 }));

        // Saved over itself by default, and the same file again.
        QCOMPARE(::unlink(pathBytes.constData()), 0);
        f.platform.saveAnswers.push_back(saveAs(folder.path(), name));
        f.platform.messageAnswers.push_back(MessageResult::Yes);
        f.forward();
        QCOMPARE(f.platform.fileRequests.back().initialName, name);
        QCOMPARE(f.platform.fileRequests.back().initialFolder, folder.path());
        QCOMPARE(visible(readBytes(pathBytes)), visible(saved));

        // Another page starts as new: "Untitled" in the current folder, today's date.
        f.platform.saveAnswers.push_back(std::nullopt);
        f.forward();
        f.wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::BasicStyle));
        QVERIFY(walkTo(f, WizardPage::Finish));
        f.forward();
        QCOMPARE(f.platform.fileRequests.back().initialName, QStringLiteral("Untitled"));
        QCOMPARE(f.platform.fileRequests.back().initialFolder, QDir::currentPath());
    }

    // Pages changed by another program in ways that lose nothing: they open as the page shows, and save as the
    // program writes them.
    void editedPageOpens_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("background"); // as the Colors preview paints it
        QTest::addColumn<QByteArray>("saved");

        const QByteArray page = pageFileOf(documentFor(answersFor(LayoutStyle::BasicImageRight)));
        QVERIFY(page.contains(" BGCOLOR=\"#FFFFFF\""));
        QByteArray lf = page;
        lf.replace("\r\n", "\n");
        QTest::newRow("LF line ends and a byte-order mark")
            << QByteArray("\xEF\xBB\xBF") + lf << QStringLiteral("Untitled") << QStringLiteral("#ffffff") << page;
        QByteArray utf8 = page;
        utf8.replace("<TITLE>Untitled</TITLE>", "<TITLE>Caf\xC3\xA9</TITLE>");
        QByteArray ascii = page;
        ascii.replace("<TITLE>Untitled</TITLE>", "<TITLE>Caf&#233;</TITLE>");
        QTest::newRow("UTF-8 read as UTF-8")
            << utf8 << QStringLiteral("Caf\u00e9") << QStringLiteral("#ffffff") << ascii;
        QByteArray lower = page;
        lower.replace(" BGCOLOR=\"#FFFFFF\"", " BGCOLOR=\"#ffff00\"");
        QTest::newRow("colour digits in lower case")
            << lower << QStringLiteral("Untitled") << QStringLiteral("#ffff00") << lower;
        QByteArray named = page;
        named.replace(" BGCOLOR=\"#FFFFFF\"", " BGCOLOR=\"Yellow\"");
        QTest::newRow("colour name") << named << QStringLiteral("Untitled") << QStringLiteral("#ffff00") << named;
        QByteArray lineBreak = page;
        QVERIFY(lineBreak.contains("Plain words."));
        lineBreak.replace("Plain words.", "Plain\nwords.");
        QTest::newRow("a lone LF in the page text")
            << lineBreak << QStringLiteral("Untitled") << QStringLiteral("#ffffff") << lineBreak;
    }

    void editedPageOpens()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, title);
        QFETCH(QString, background);
        QFETCH(QByteArray, saved);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("edited.htm"));
        QVERIFY(writeAll(path, content));

        FinishFixture f;
        QVERIFY(f.wiz->openPage(path));
        QCOMPARE(f.platform.count(PlatformCall::MessageBox), 0);
        QCOMPARE(f.wiz->boxText(TxtTitle).isEmpty() ? QStringLiteral("Untitled") : f.wiz->boxText(TxtTitle), title);
        QCOMPARE(f.wiz->colourPage().preview().colour(ColorAttribute::Background).name(), background);
        f.forward();
        QVERIFY(walkTo(f, WizardPage::Finish));
        f.platform.saveAnswers.push_back(saveAs(folder.path(), QStringLiteral("edited.htm")));
        f.platform.messageAnswers.push_back(MessageResult::No);
        f.forward();
        QCOMPARE(visible(readAll(path)), visible(saved));
    }

    void refusedFileChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content"); // empty: made by the test function
        QTest::addColumn<QString>("reason");     // part of the message

        const QByteArray page = pageFileOf(documentFor(answersFor(LayoutStyle::BasicStyle)));
        QByteArray edited = page;
        edited.replace("<UL TYPE=\"disc\">", "<UL TYPE=\"disc\" CLASS=\"mine\">");
        QTest::newRow("missing") << QStringLiteral("gone.htm") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("a folder") << QStringLiteral("folder.htm") << QByteArray()
                                  << QStringLiteral("not a regular file");
        QTest::newRow("a named pipe") << QStringLiteral("pipe.htm") << QByteArray()
                                      << QStringLiteral("not a regular file");
        QTest::newRow("over 16 MB") << QStringLiteral("huge.htm") << QByteArray()
                                    << QStringLiteral("larger than 16 MB");
        QTest::newRow("empty") << QStringLiteral("empty.htm") << QByteArray("\0", 0) << QStringLiteral("empty");
        QTest::newRow("another web page")
            << QStringLiteral("other.htm") << QByteArray("<HTML><BODY><P>Hello</P></BODY></HTML>\r\n")
            << QStringLiteral("not a page made by Larkspan");
        QTest::newRow("changed by hand") << QStringLiteral("edited.htm") << edited
                                         << QStringLiteral("the bullet list does not begin as Larkspan writes it.");
        const auto withSpec = [&](const auto& change) {
            PageSpec spec = specFor(answersFor(LayoutStyle::BasicStyle));
            change(spec);
            return pageFileOf(documentFor(spec));
        };
        QTest::newRow("title longer than its box")
            << QStringLiteral("long.htm") << withSpec([](PageSpec& s) { s.title.assign(32768, 'x'); })
            << QStringLiteral("title is 32768 characters long; its box holds at most 32767");
        QTest::newRow("a line break in the heading")
            << QStringLiteral("break.htm") << withSpec([](PageSpec& s) { s.heading = "a\rb"; })
            << QStringLiteral("heading holds a line break");
        QTest::newRow("page text over its limit")
            << QStringLiteral("text.htm") << withSpec([](PageSpec& s) { s.pageText.assign(kPageTextLimit + 1, 'x'); })
            << QStringLiteral("page text is %1 bytes long").arg(kPageTextLimit + 1);
        QTest::newRow("more links than the list holds")
            << QStringLiteral("links.htm") << withSpec([](PageSpec& s) { s.links.assign(32768, "a\tb"); })
            << QStringLiteral("link list has 32768 entries; the list holds at most 32767");
        QByteArray orange = page;
        orange.replace(" BGCOLOR=\"#C0C0C0\"", " BGCOLOR=\"orange\"");
        QTest::newRow("a colour the Colors step cannot show")
            << QStringLiteral("orange.htm") << orange << QStringLiteral("background colour is \"orange\"");
        QTest::newRow("symbolic links in a loop")
            << QStringLiteral("circle.htm") << QByteArray() << QStringLiteral("loop");
        QTest::newRow("a file on its path")
            << QStringLiteral("file.htm/page.htm") << QByteArray() << QStringLiteral("not a folder");
        QTest::newRow("name too long") << QString(300, u'n') << QByteArray() << QStringLiteral("too long");
        QTest::newRow("a picture") << QStringLiteral("photo.htm")
                                   << QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14)
                                   << QStringLiteral("Larkspan");
    }

    void refusedFileChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name == QLatin1String("folder.htm"))
            QVERIFY(QDir(folder.path()).mkdir(name));
        else if (name == QLatin1String("circle.htm"))
            QVERIFY(QFile::link(path, path));
        else if (name == QLatin1String("file.htm/page.htm"))
            QVERIFY(writeAll(folder.filePath(QStringLiteral("file.htm")), "x"));
        else if (name.size() > 255) {
        } else if (name == QLatin1String("pipe.htm"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (name == QLatin1String("huge.htm")) {
            QFile huge(path);
            QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(16 * 1024 * 1024 + 1));
        } else if (name != QLatin1String("gone.htm"))
            QVERIFY(writeAll(path, content));

        FinishFixture f;
        f.forward();
        f.wiz->setBoxText(TxtTitle, QStringLiteral("Kept"));
        f.wiz->cbBox[CbLayout]->setCurrentIndex(3);
        f.backward();
        const QStringList before = shownAnswers(*f.wiz);

        QVERIFY(!f.wiz->openPage(path));
        const QStringList messages = f.platform.messages();
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages[0].contains(path) && messages[0].contains(reason), qPrintable(messages[0]));
        QCOMPARE(f.platform.callsOf(PlatformCall::MessageBox)[0].args[2], QStringLiteral("critical"));
        QCOMPARE(shownAnswers(*f.wiz), before);
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Welcome));
    }

    // Every byte string survives the name and back; UTF-8 gives exactly what Qt makes of it.
    void nameBytesRoundTrip_data()
    {
        QTest::addColumn<QByteArrayList>("names");
        QByteArrayList shortNames;
        for (int first = 0; first < 256; ++first) {
            shortNames << QByteArray(1, char(first));
            for (int second = 0; second < 256; ++second)
                shortNames << QByteArray(1, char(first)) + char(second);
        }
        QTest::newRow("every name of one and two bytes") << shortNames;
        // The bytes where UTF-8's rules change, in every order of up to four.
        const QByteArray edges("\x00\x2F\x41\x7F\x80\x8F\x90\x9F\xA0\xBF\xC0\xC1\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF",
                               21);
        QByteArrayList edgeNames;
        for (const char a : edges)
            for (const char b : edges)
                for (const char c : edges) {
                    const QByteArray three = QByteArray(1, a) + b + c;
                    edgeNames << three;
                    for (const char d : edges)
                        edgeNames << three + d;
                }
        QTest::newRow("names of three and four bytes at UTF-8's edges") << edgeNames;
        QRandomGenerator random(22);
        QByteArrayList randomNames;
        for (int i = 0; i < 100000; ++i) {
            QByteArray name(random.bounded(1, 24), '\0');
            for (char& byte : name)
                // Mostly text, now and then a byte that may break it.
                byte = random.bounded(4) == 0 ? char(random.bounded(256))
                                              : "caf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80."[random.bounded(14)];
            randomNames << name;
        }
        QTest::newRow("random names") << randomNames;
    }

    void nameBytesRoundTrip()
    {
        QFETCH(QByteArrayList, names);
        for (const QByteArray& bytes : names) {
            const QString name = fileNameFromBytes(bytes);
            QCOMPARE(fileNameBytes(name), bytes);
            if (bytes.isValidUtf8()) {
                QCOMPARE(name, QFile::decodeName(bytes));
                QCOMPARE(fileNameForDisplay(name), name);
            } else {
                QVERIFY(fileNameForDisplay(name) != name);
            }
        }
    }

    void droppedPage_data()
    {
        QTest::addColumn<bool>("answersMade");
        QTest::addColumn<WizardPage>("page");
        QTest::addColumn<MessageResult>("answer"); // to the question, when there is one
        QTest::addColumn<bool>("opens");
        QTest::addColumn<bool>("isPage");
        QTest::addColumn<QByteArray>("fileName"); // as the system holds it

        const QByteArray plain("dropped.htm");
        QTest::newRow("on a new page") << false << WizardPage::Welcome << MessageResult::No << true << true << plain;
        QTest::newRow("answers made, Yes replaces them")
            << true << WizardPage::Welcome << MessageResult::Yes << true << true << plain;
        QTest::newRow("answers made, No keeps them")
            << true << WizardPage::Welcome << MessageResult::No << false << true << plain;
        QTest::newRow("not on the Welcome page")
            << false << WizardPage::Layout << MessageResult::Yes << false << true << plain;
        QTest::newRow("answers made, no page: refused at once, no question")
            << true << WizardPage::Welcome << MessageResult::Yes << false << false << plain;
        QTest::newRow("a name that is not UTF-8, answers made, Yes replaces them")
            << true << WizardPage::Welcome << MessageResult::Yes << true << true << QByteArray("caf\xE9.htm");
        QTest::newRow("a name that is not UTF-8, no page")
            << false << WizardPage::Welcome << MessageResult::Yes << false << false << QByteArray("caf\xE9.htm");
    }

    void droppedPage()
    {
        QFETCH(bool, answersMade);
        QFETCH(WizardPage, page);
        QFETCH(MessageResult, answer);
        QFETCH(bool, opens);
        QFETCH(bool, isPage);
        QFETCH(QByteArray, fileName);
        QTemporaryDir folder;
        const QByteArray pathBytes = QFile::encodeName(folder.path()) + '/' + fileName;
        // Messages show the bytes that are not UTF-8 as the replacement character.
        const QString path = fileNameForDisplay(fileNameFromBytes(pathBytes));
        const auto removePage = qScopeGuard([&] { ::unlink(pathBytes.constData()); });
        {
            std::ofstream file(pathBytes.constData(), std::ios::binary);
            file << (isPage ? pageFileOf(documentFor(answersFor(LayoutStyle::TableImageLeft)))
                            : QByteArray("<HTML></HTML>\r\n"))
                        .toStdString();
            QVERIFY(file.flush());
        }

        FinishFixture f;
        if (answersMade || page != WizardPage::Welcome)
            f.forward();
        if (answersMade) {
            f.wiz->setBoxText(TxtTitle, QStringLiteral("Mine"));
            f.backward();
        }
        f.platform.messageAnswers.push_back(answer);
        dropOn(*f.wiz, pathBytes);

        QCOMPARE(f.platform.count(PlatformCall::MessageBox), answersMade || !isPage ? 1 : 0);
        if (answersMade || !isPage)
            QVERIFY2(f.platform.messages()[0].contains(path), qPrintable(f.platform.messages()[0]));
        if (answersMade && isPage)
            QCOMPARE(f.platform.callsOf(PlatformCall::MessageBox)[0].args[1], QStringLiteral("yesno, default no"));
        if (!isPage)
            QCOMPARE(f.platform.callsOf(PlatformCall::MessageBox)[0].args[2], QStringLiteral("critical"));
        QCOMPARE(f.wiz->boxText(TxtTitle),
                 opens             ? QStringLiteral("Club")
                     : answersMade ? QStringLiteral("Mine")
                                   : QString());
        QCOMPARE(f.wiz->CurrentPage(), int(page));
    }
};

QTEST_MAIN(tst_OpenPage)
#include "tst_openpage.moc"
