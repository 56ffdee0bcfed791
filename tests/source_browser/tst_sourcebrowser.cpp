// SPDX-License-Identifier: GPL-3.0-or-later
#include "keepscurrentfolder.h"
#include "scriptedplatform.h"
#include "testfiles.h"

#include "source_browser/frmedit.h"
#include "files/pagefile.h"
#include "wizard/frmwiz.h"

#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <sys/stat.h>

using namespace larkspan;

namespace {

// A document of the given length at least, with CR LF line ends, ending in "</HTML>" without a line end.
std::string longDocument(std::size_t length)
{
    std::string document = "<HTML>\r\n";
    for (int line = 0; document.size() < length; ++line)
        document += "<LI>Item " + std::to_string(line) + " of a list that runs on and on</LI>\r\n";
    return document + "</HTML>";
}

} // namespace

class tst_SourceBrowser : public KeepsCurrentFolder {
    Q_OBJECT

private slots:
    void windowAsCreated()
    {
        QWidget owner;
        frmEdit browser(&owner);
        browser.setAttribute(Qt::WA_DeleteOnClose, false); // on the stack here
        browser.Form_Load();

        QCOMPARE(browser.objectName(), QStringLiteral("frmEdit"));
        QCOMPARE(browser.windowTitle(), QStringLiteral("Source Browser - Read Only"));
        QVERIFY(browser.isWindow());
        QVERIFY(browser.isHidden());
        QCOMPARE(browser.size(), QSize(291, 242));
        QCOMPARE(browser.txtSource->geometry(), QRect(0, 0, 291, 242));
        // Sizable: nothing holds the window to one size.
        QVERIFY(browser.minimumSize().width() <= 1 && browser.minimumSize().height() <= 1);
        QCOMPARE(browser.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

        const QPlainTextEdit* source = browser.txtSource;
        QVERIFY(source->isReadOnly());
        QVERIFY(source->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        QVERIFY(source->textInteractionFlags() & Qt::TextSelectableByMouse);
        QCOMPARE(source->lineWrapMode(), QPlainTextEdit::NoWrap);
        QCOMPARE(source->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(source->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(source->toPlainText(), QString());

        const QFont font = source->font();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSizeF(), 8.25);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        // Where Courier New is missing, a monospace font of the same metrics stands in (Liberation Mono, which the
        // bootstrap installs).
        QVERIFY(QFontInfo(font).fixedPitch());
    }

    void textBoxFillsTheInnerArea_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("larger") << QSize(640, 480);
        QTest::newRow("wide and flat") << QSize(900, 40);
        QTest::newRow("narrow and tall") << QSize(30, 600);
        QTest::newRow("very small") << QSize(3, 2);
        QTest::newRow("back to the first size") << QSize(291, 242);
    }

    void textBoxFillsTheInnerArea()
    {
        QFETCH(QSize, size);
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString());
        frmEdit& browser = wiz.sourceBrowser();
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));

        browser.resize(QSize(500, 300));
        browser.resize(size);
        QTRY_COMPARE(browser.size(), size);
        QCOMPARE(browser.txtSource->geometry(), browser.rect());
    }

    // Centred on the screen, not over the main window, even when the main window is elsewhere.
    void centredOnTheScreen()
    {
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString());
        wiz.move(0, 0);
        wiz.show();
        frmEdit& browser = wiz.sourceBrowser();
        browser.show();
        QVERIFY(QTest::qWaitForWindowExposed(&browser));

        const QRect available = browser.screen()->availableGeometry();
        const QPoint offCentre = browser.frameGeometry().center() - available.center();
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2 from the centre").arg(offCentre.x()).arg(offCentre.y())));
    }

    void createdHiddenOnFirstUse()
    {
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString());
        QVERIFY(!wiz.hasSourceBrowser());

        frmEdit& browser = wiz.sourceBrowser();
        QVERIFY(wiz.hasSourceBrowser());
        QVERIFY(browser.isHidden());
        QVERIFY(browser.testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(browser.size(), QSize(291, 242));
        QCOMPARE(browser.txtSource->geometry(), QRect(0, 0, 291, 242));
        QCOMPARE(&wiz.sourceBrowser(), &browser);
    }

    void closing_data()
    {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("closed by its close box") << false;
        QTest::newRow("closed by Escape") << true;
    }

    void closing()
    {
        QFETCH(bool, byEscape);
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString());
        QPointer<frmEdit> browser = &wiz.sourceBrowser();
        browser->setPageDocument(PageDocument("<HTML>\r\n</HTML>"));
        browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        QPlainTextEdit* source = browser->txtSource;

        if (byEscape)
            QTest::keyClick(source, Qt::Key_Escape);
        else
            QVERIFY(browser->close());

        // Emptied at once, and no longer the source browser, even before it is gone.
        QVERIFY(!browser->isVisible());
        QCOMPARE(source->toPlainText(), QString());
        QVERIFY(browser->pageDocument().empty());
        // Not minimised on the way out: window managers would minimise the wizard with it.
        QVERIFY(!(browser->windowState() & Qt::WindowMinimized));
        QVERIFY(!wiz.hasSourceBrowser());
        QTRY_VERIFY(browser.isNull());

        frmEdit& next = wiz.sourceBrowser();
        QVERIFY(next.isHidden());
        QCOMPARE(next.txtSource->toPlainText(), QString());
    }

    void eachNewWindowHasItsFirstSize()
    {
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString());
        frmEdit* first = &wiz.sourceBrowser();
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->resize(700, 500);
        QTRY_COMPARE(first->size(), QSize(700, 500));
        first->close();

        frmEdit& second = wiz.sourceBrowser();
        QVERIFY(&second != first);
        QCOMPARE(second.size(), QSize(291, 242));
        QCOMPARE(second.txtSource->geometry(), QRect(0, 0, 291, 242));
    }

    void holdsTheDocumentExactly()
    {
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString());
        frmEdit& browser = wiz.sourceBrowser();
        const std::string expected = longDocument(100'000);
        QVERIFY(expected.size() > 32767);
        QSignalSpy changes(browser.txtSource, &QPlainTextEdit::textChanged);

        browser.setPageDocument(PageDocument(expected));

        QCOMPARE(std::string(browser.pageDocument()), expected);
        // The box shows every line, each CR LF a line break, and took the text in one change.
        QCOMPARE(browser.txtSource->toPlainText(),
                 QString::fromStdString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(changes.count(), 1);

        browser.setPageDocument(PageDocument("<HTML>\r\n</HTML>"));
        QCOMPARE(std::string(browser.pageDocument()), std::string("<HTML>\r\n</HTML>"));
        QCOMPARE(browser.txtSource->blockCount(), 2);
    }

    void pageFileBytes_data()
    {
        QTest::addColumn<QByteArray>("document"); // UTF-8
        QTest::addColumn<QByteArray>("file");

        // How each character is encoded is in tst_asciitext; these show the file holds the encoding and one CR LF.
        QTest::newRow("the document and one CR LF") << QByteArray("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>")
                                                    << QByteArray("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n");
        QTest::newRow("an empty document is one CR LF") << QByteArray() << QByteArray("\r\n");
        QTest::newRow("lone CR and LF unchanged") << QByteArray("a\rb\nc") << QByteArray("a\rb\nc\r\n");
        QTest::newRow("e acute is a reference") << QByteArray("Caf\xC3\xA9") << QByteArray("Caf&#233;\r\n");
    }

    void pageFileBytes()
    {
        QFETCH(QByteArray, document);
        QFETCH(QByteArray, file);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("page.htm"));

        const Outcome result = SavePageFile(path, std::string_view(document.constData(), document.size()));

        QVERIFY2(result.ok, qPrintable(result.reason));
        QCOMPARE(visible(readAll(path)), visible(file));
    }

    void savingReplacesOldContent_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("a short name") << QStringLiteral("page.htm");
        // The file system takes names of up to 255 bytes; a temporary name beside them must not be longer.
        QTest::newRow("a name of 249 bytes") << QString(245, u'n') + QStringLiteral(".htm");
        QTest::newRow("a name of 255 bytes") << QString(251, u'n') + QStringLiteral(".htm");
    }

    void savingReplacesOldContent()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        QVERIFY(writeAll(path, QByteArray(5000, 'x')));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));

        const Outcome saved = SavePageFile(path, "<HTML>\r\nCaf\xC3\xA9</HTML>");
        QVERIFY2(saved.ok, qPrintable(saved.reason));

        QCOMPARE(visible(readAll(path)), visible("<HTML>\r\nCaf&#233;</HTML>\r\n"));
        // Replaced whole, keeping its permissions, and nothing left beside it.
        QCOMPARE(QFile::permissions(path),
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{name});

        // Through a symbolic link the file it names is replaced, and the link stays.
        const QString link = folder.filePath(QStringLiteral("link.htm"));
        QVERIFY(QFile::link(path, link));
        QVERIFY(SavePageFile(link, "<P>").ok);
        QCOMPARE(readAll(path), QByteArray("<P>\r\n"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), path);
    }

    void nameEndsAtNul()
    {
        QTemporaryDir folder;
        QVERIFY(QDir::setCurrent(folder.path()));
        const QString name = QStringLiteral("page.htm") + QChar(u'\0') + QString(40, u' ');

        QVERIFY(SavePageFile(name, "</HTML>").ok);

        // The name without folder lands in the current folder.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("page.htm")});
        QCOMPARE(readAll(folder.filePath(QStringLiteral("page.htm"))), QByteArray("</HTML>\r\n"));
    }

    void longDocumentSavedWhole()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("long.htm"));
        const std::string document = longDocument(3'000'000) + "\xE6\x97\xA5";

        QVERIFY(SavePageFile(path, document).ok);

        const QByteArray bytes = readAll(path);
        QCOMPARE(bytes.size(), qsizetype(document.size() - 3 + std::strlen("&#26085;\r\n")));
        QVERIFY(bytes.startsWith(QByteArray::fromStdString(document.substr(0, document.size() - 3))));
        QVERIFY(bytes.endsWith("</HTML>&#26085;\r\n"));
    }

    void saveFailureKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name"); // under the temporary folder; "old" is a file there
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<QString>("reasonPart"); // in the system's words; empty: any reason

        QTest::newRow("a folder that does not exist") << QStringLiteral("gone/page.htm") << false << QString();
        QTest::newRow("a file where a folder should be") << QStringLiteral("old/page.htm") << false << QString();
        QTest::newRow("a name that is a folder") << QStringLiteral("sub") << false << QString();
        QTest::newRow("no name before the NUL") << QStringLiteral("\0page.htm") << false << QString();
        QTest::newRow("the disk fills up while writing") << QStringLiteral("old") << true << qt_error_string(EFBIG);
        QTest::newRow("a named pipe stays a pipe") << QStringLiteral("pipe") << false << QStringLiteral("named pipe");
        QTest::newRow("a link to a named pipe") << QStringLiteral("link") << false << QStringLiteral("named pipe");
    }

    void saveFailureKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, diskFull);
        QFETCH(QString, reasonPart);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("sub")));
        const QString old = folder.filePath(QStringLiteral("old"));
        QVERIFY(writeAll(old, "the old page\r\n"));
        QVERIFY(QDir::setCurrent(folder.path()));
        QCOMPARE(::mkfifo("pipe", 0600), 0);
        QVERIFY(QFile::link(QStringLiteral("pipe"), QStringLiteral("link")));

        Outcome result;
        {
            std::optional<FileSizeLimit> limit;
            if (diskFull)
                limit.emplace(1000);
            result = SavePageFile(name, longDocument(20'000));
        }

        QVERIFY(!result.ok);
        QVERIFY(!result.reason.isEmpty());
        if (!reasonPart.isEmpty())
            QVERIFY2(result.reason.contains(reasonPart), qPrintable(result.reason));
        QCOMPARE(readAll(old), QByteArray("the old page\r\n"));
        QCOMPARE(QFileInfo(QStringLiteral("link")).symLinkTarget(), folder.filePath(QStringLiteral("pipe")));
        struct stat pipe {};
        QVERIFY(::stat("pipe", &pipe) == 0 && S_ISFIFO(pipe.st_mode));
        // No half-written file or leftover is left behind.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("link"), QStringLiteral("old")}));
        QCOMPARE(QDir(folder.filePath(QStringLiteral("sub"))).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList());
    }
};

QTEST_MAIN(tst_SourceBrowser)
#include "tst_sourcebrowser.moc"
