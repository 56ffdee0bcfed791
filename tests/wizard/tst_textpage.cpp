// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelfixture.h"
#include "testfiles.h"
#include "wizardfixture.h"

#include "wizard/textpage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextCursor>

#include <utility>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

using namespace larkspan;

namespace {

const QString tooLarge = QStringLiteral(
    "There was a problem opening the data file.\r\nThe text box is limited to only 32k.");

QPlainTextEdit* pageText(const WizardFixture& f)
{
    return static_cast<QPlainTextEdit*>(f.wiz->txtBox[TxtPageText]);
}

// Selects length characters from start; the box counts a CR LF as one character.
void select(QPlainTextEdit* box, int start, int length)
{
    QTextCursor cursor(box->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
}

// Lines of 98 characters and CR LF, cut to size bytes.
QByteArray fileOfSize(qsizetype size)
{
    QByteArray bytes;
    while (bytes.size() < size)
        bytes += QByteArray(98, 'x') + "\r\n";
    bytes.truncate(size);
    return bytes;
}

// Enter pressed in the page text: the text and selection before, the mask and tag chosen, what is typed first.
struct EnterCase {
    QString before;
    int selectionStart;
    int selectionLength;
    bool mask;
    bool paragraph;
    QString typed;
    QString expected; // after typing, Enter and z
};

} // namespace

Q_DECLARE_METATYPE(EnterCase)

class tst_TextPage : public QObject {
    Q_OBJECT

private slots:
    void enterKeyMask_data()
    {
        QTest::addColumn<EnterCase>("enter");

        QTest::newRow("mask off: a new line only") << EnterCase{QString(), 0, 0, false, false, u"abc"_s, u"abc\r\nz"_s};
        QTest::newRow("mask off ignores the chosen <P>")
            << EnterCase{QString(), 0, 0, false, true, u"abc"_s, u"abc\r\nz"_s};
        QTest::newRow("<BR> after abc") << EnterCase{QString(), 0, 0, true, false, u"abc"_s, u"abc\r\n<BR>\r\nz"_s};
        QTest::newRow("<P> after Hello: three lines")
            << EnterCase{QString(), 0, 0, true, true, u"Hello"_s, u"Hello\r\n<P>\r\nz"_s};
        QTest::newRow("the tag replaces the selection")
            << EnterCase{u"abcXYZdef"_s, 3, 3, true, false, QString(), u"abc\r\n<BR>\r\nzdef"_s};
        QTest::newRow("a selection over two lines")
            << EnterCase{u"ab\r\ncd"_s, 1, 3, true, true, QString(), u"a\r\n<P>\r\nzd"_s};
    }

    void enterKeyMask()
    {
        QFETCH(EnterCase, enter);
        const auto& [before, selectionStart, selectionLength, mask, paragraph, typed, expected] = enter;

        // Shift+, Ctrl+ and Alt+Enter start their line with CR LF like Enter: never a lone line feed, never nothing.
        for (const Qt::KeyboardModifier modifier :
             {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
            WizardFixture f(WizardPage::Text);
            f.wiz->chkBox[ChkKeyMask]->setChecked(true);
            f.wiz->optRadio[paragraph ? OptEnterParagraph : OptEnterBreak]->setChecked(true);
            f.wiz->chkBox[ChkKeyMask]->setChecked(mask);
            f.wiz->setBoxText(TxtPageText, before);
            select(pageText(f), selectionStart, selectionLength);
            if (before.isEmpty())
                pageText(f)->moveCursor(QTextCursor::End);

            QTest::keyClicks(pageText(f), typed);
            QTest::keyClick(pageText(f), Qt::Key_Return, modifier);
            QTest::keyClick(pageText(f), Qt::Key_Z);

            QCOMPARE(visible(f.wiz->boxText(TxtPageText)), visible(expected));
        }
    }

    void maskCheckBoxEnablesOptions()
    {
        WizardFixture f(WizardPage::Text);
        f.wiz->cmdButton[CmdIndent]->setFocus();
        QVERIFY(!f.wiz->optRadio[OptEnterBreak]->isEnabled());
        QVERIFY(!f.wiz->optRadio[OptEnterParagraph]->isEnabled());

        f.wiz->chkBox[ChkKeyMask]->click();
        QVERIFY(f.wiz->optRadio[OptEnterBreak]->isEnabled());
        QVERIFY(f.wiz->optRadio[OptEnterParagraph]->isEnabled());
        QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_4"));

        f.wiz->optRadio[OptEnterParagraph]->click();
        QVERIFY(!f.wiz->optRadio[OptEnterBreak]->isChecked());
        f.wiz->chkBox[ChkKeyMask]->click();
        QVERIFY(!f.wiz->optRadio[OptEnterBreak]->isEnabled());
        QVERIFY(!f.wiz->optRadio[OptEnterParagraph]->isEnabled());
        QVERIFY(f.wiz->optRadio[OptEnterParagraph]->isChecked());
    }

    void indentSelection_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("selectionStart");
        QTest::addColumn<int>("selectionLength");
        QTest::addColumn<QString>("expected");

        QTest::newRow("the word one") << "one" << 0 << 3 << "<BLOCKQUOTE>\r\n\tone\r\n</BLOCKQUOTE>\r\n";
        QTest::newRow("a word inside a line")
            << "say hello now" << 4 << 5 << "say <BLOCKQUOTE>\r\n\thello\r\n</BLOCKQUOTE>\r\n now";
        QTest::newRow("several lines: TAB on the first only")
            << "one\r\ntwo\r\nthree" << 0 << 7 << "<BLOCKQUOTE>\r\n\tone\r\ntwo\r\n</BLOCKQUOTE>\r\n\r\nthree";
        QTest::newRow("nothing selected: TAB alone at the caret")
            << "ab" << 1 << 0 << "a<BLOCKQUOTE>\r\n\t\r\n</BLOCKQUOTE>\r\nb";
    }

    void indentSelection()
    {
        QFETCH(QString, before);
        QFETCH(int, selectionStart);
        QFETCH(int, selectionLength);
        QFETCH(QString, expected);

        WizardFixture f(WizardPage::Text);
        f.wiz->setBoxText(TxtPageText, before);
        select(pageText(f), selectionStart, selectionLength);
        f.wiz->cmdButton[CmdIndent]->setFocus();

        f.press(CmdIndent);

        QCOMPARE(visible(f.wiz->boxText(TxtPageText)), visible(expected));
        QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_4"));
    }

    void importDialog()
    {
        WizardFixture f(WizardPage::Text);
        f.wiz->setBoxText(TxtPageText, QStringLiteral("kept"));

        f.press(CmdImportText); // the scripted dialog is cancelled

        QCOMPARE(f.platform.fileRequests.size(), std::size_t(1));
        const FileDialogRequest& request = f.platform.fileRequests.front();
        QCOMPARE(request.owner, f.wiz.get());
        QCOMPARE(request.title, QStringLiteral("Import a Text File"));
        QCOMPARE(request.fileTypes.size(), 1);
        QCOMPARE(request.fileTypes.front().description, QStringLiteral("Plain Text Files (*.txt)"));
        QCOMPARE(request.fileTypes.front().patterns, QStringLiteral("*.txt"));
        QCOMPARE(request.initialFolder, QDir::currentPath());
        QCOMPARE(request.defaultExtension, QStringLiteral("txt"));
        QVERIFY(request.mayNameMissingFile);
        QCOMPARE(f.wiz->boxText(TxtPageText), QStringLiteral("kept"));
        QCOMPARE(f.platform.count(PlatformCall::MessageBox), 0);
        QCOMPARE(f.platform.count(PlatformCall::BeginBusy), 0);
    }

    // How each kind of file is decoded and its lines ended is in tst_textimport; here the result replaces the page
    // text, in one step to undo.
    void import()
    {
        // Longer than the box is high, so that its end is seen only if the box scrolls to it.
        const QByteArray file = QByteArray("a\r\nb\r\nc\r\n").repeated(40);
        const QString expected = QStringLiteral("a<BR>\r\nb<BR>\r\nc<BR>\r\n").repeated(40);

        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("import.txt"), file);
        QVERIFY(!path.isEmpty());
        WizardFixture f(WizardPage::Text);
        QTest::keyClicks(pageText(f), QStringLiteral("replaced"));
        QTest::keyClick(pageText(f), Qt::Key_Return);
        QTest::keyClicks(pageText(f), QStringLiteral("text"));
        const QString typed = f.wiz->boxText(TxtPageText);
        f.platform.openAnswers.push_back(OpenFileResult{path, QStringLiteral("import.txt")});

        f.press(CmdImportText);

        QCOMPARE(visible(f.wiz->boxText(TxtPageText)), visible(expected));
        QCOMPARE(pageText(f)->textCursor().position(), pageText(f)->document()->characterCount() - 1);
        QVERIFY(pageText(f)->viewport()->rect().contains(pageText(f)->cursorRect()));
        QCOMPARE(f.platform.messages(), QStringList());
        const std::vector<ScriptedPlatform::Call> begins = f.platform.callsOf(PlatformCall::BeginBusy);
        QCOMPARE(begins.size(), std::size_t(1));
        QCOMPARE(begins.front().args.value(0), QStringLiteral("application"));
        QCOMPARE(f.platform.count(PlatformCall::EndBusy), 1);
        QCOMPARE(f.platform.busyDepth, 0);

        pageText(f)->undo();

        QCOMPARE(visible(f.wiz->boxText(TxtPageText)), visible(typed));
    }

    void importSizeLimit_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("imported");

        QTest::newRow("32000 bytes imported") << 32000 << true;
        QTest::newRow("32001 bytes refused") << 32001 << false;
    }

    void importSizeLimit()
    {
        QFETCH(int, size);
        QFETCH(bool, imported);

        QTemporaryDir dir;
        const QString path = writeFile(dir, QStringLiteral("big.txt"), fileOfSize(size));
        PanelFixture<TextPage> f(WizardPage::Text);
        f.controls.setBoxText(TxtPageText, QStringLiteral("my own text"));
        f.platform.openAnswers.push_back(OpenFileResult{path, QStringLiteral("big.txt")});

        f.page->cmdButton_Click(CmdImportText);

        if (imported) {
            const QString text = f.controls.boxText(TxtPageText);
            QCOMPARE(text.count(QStringLiteral("<BR>\r\n")), 320); // lines of 100 bytes with their CR LF
            QVERIFY(text.startsWith(QString(98, u'x') + QStringLiteral("<BR>\r\n")));
            QVERIFY(f.platform.messages().isEmpty());
            return;
        }
        QCOMPARE(f.controls.boxText(TxtPageText), QStringLiteral("my own text"));
        const std::vector<ScriptedPlatform::Call> boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), std::size_t(1));
        const QStringList& args = boxes.front().args; // text, buttons, icon, title
        QCOMPARE(visible(args.at(0)), visible(tooLarge));
        QCOMPARE(args.mid(1, 3), (QStringList{u"ok"_s, u"critical"_s, u"Larkspan"_s}));
        QCOMPARE(f.platform.busyDepth, 0);
    }

    void importFailureKeepsText_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");

        QTest::newRow("missing file") << "missing"
                                      << "The file does not exist.";
        QTest::newRow("a folder has no size to read") << "folder"
                                                      << "Its size cannot be read";
        QTest::newRow("read error") << "unreadable"
                                    << "It cannot be read: ";
        QTest::newRow("a NUL byte: no plain text") << "binary"
                                                   << "It is not a plain text file";
        QTest::newRow("a pipe is no plain file") << "pipe"
                                                 << "Its size cannot be read";
    }

    void importFailureKeepsText()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("notes.txt"));
        if (kind == QStringLiteral("folder")) {
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("notes.txt")));
        } else if (kind == QStringLiteral("binary")) {
            QVERIFY(!writeFile(dir, QStringLiteral("notes.txt"), QByteArray("text\0more\r\n", 11)).isEmpty());
        } else if (kind == QStringLiteral("pipe")) {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (kind == QStringLiteral("unreadable")) {
            // Opens, reports no size, and fails when read: a file that breaks mid-import.
            path = QStringLiteral("/proc/self/mem");
            if (!QFile::exists(path))
                QSKIP("needs /proc/self/mem");
        }
        PanelFixture<TextPage> f(WizardPage::Text);
        const QString typed = QStringLiteral("line one\r\nline two");
        f.controls.setBoxText(TxtPageText, typed);
        f.platform.openAnswers.push_back(OpenFileResult{path, QFileInfo(path).fileName()});

        f.page->cmdButton_Click(CmdImportText);

        QCOMPARE(visible(f.controls.boxText(TxtPageText)), visible(typed));
        const std::vector<ScriptedPlatform::Call> boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), std::size_t(1));
        const QString text = boxes.front().args.at(0);
        QVERIFY2(text.startsWith(QStringLiteral("There was a problem opening the data file.\r\n") + reason),
                 qPrintable(visible(text)));
        QVERIFY2(text.endsWith(QDir::toNativeSeparators(path)), qPrintable(text));
        QCOMPARE(boxes.front().args.at(2), QStringLiteral("critical"));
        QCOMPARE(f.platform.busyDepth, 0);
        QCOMPARE(f.platform.count(PlatformCall::BeginBusy), f.platform.count(PlatformCall::EndBusy));
    }

    void pasteTakesOnlyText_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("format"); // empty: nothing on the clipboard at all
        QTest::addColumn<QString>("pasted");

        for (const auto& [box, name] : {std::pair{TxtPageText, "page text"}, std::pair{TxtBulletItem, "item box"}}) {
            QTest::addRow("%s, empty clipboard", name) << box << QString() << QString();
            QTest::addRow("%s, a picture only", name) << box << "image/png" << QString();
            QTest::addRow("%s, text", name) << box << "text/plain"
                                            << "pasted";
        }
    }

    // An empty clipboard is normal on a fresh login; a paste then does nothing, and the typed text stays.
    void pasteTakesOnlyText()
    {
        QFETCH(int, box);
        QFETCH(QString, format);
        QFETCH(QString, pasted);

        WizardFixture f(box == TxtPageText ? WizardPage::Text : WizardPage::BulletList);
        auto* edit = qobject_cast<QPlainTextEdit*>(f.wiz->txtBox[box]);
        edit->setPlainText(QStringLiteral("typed "));
        edit->moveCursor(QTextCursor::End);
        auto* data = new QMimeData;
        if (!format.isEmpty())
            data->setData(format, pasted.isEmpty() ? QByteArray("\x89PNG") : pasted.toUtf8());
        QGuiApplication::clipboard()->setMimeData(data);

        edit->paste();

        QCOMPARE(edit->toPlainText(), QStringLiteral("typed ") + pasted);
    }

    void resetForAnotherPage()
    {
        WizardFixture f(WizardPage::Text);
        f.wiz->chkBox[ChkKeyMask]->setChecked(true);
        f.wiz->optRadio[OptEnterParagraph]->setChecked(true);
        QTest::keyClicks(pageText(f), QStringLiteral("some text"));

        f.wiz->textPage().resetForAnotherPage();

        QVERIFY(f.wiz->boxText(TxtPageText).isEmpty());
        QVERIFY(!f.wiz->chkBox[ChkKeyMask]->isChecked());
        QVERIFY(f.wiz->optRadio[OptEnterBreak]->isChecked());
        QVERIFY(!f.wiz->optRadio[OptEnterBreak]->isEnabled());
        QVERIFY(!f.wiz->optRadio[OptEnterParagraph]->isEnabled());
    }
};

QTEST_MAIN(tst_TextPage)
#include "tst_textpage.moc"
