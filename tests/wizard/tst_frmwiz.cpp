#include "wizardfixture.h"

#include "source_browser/frmedit.h"
#include "wizard/layoutpage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>

using namespace larkspan;

namespace {

// The visible buttons of the button row, as letters: Help, About, Cancel, Back, Next.
QString visibleButtons(const frmWiz& wiz)
{
    QString letters;
    const std::pair<int, QChar> row[] = {
        {CmdHelp, u'H'}, {CmdAbout, u'A'}, {CmdCancel, u'C'}, {CmdBackward, u'B'}, {CmdForward, u'N'}};
    for (const auto& [index, letter] : row)
        if (!wiz.cmdButton[index]->isHidden())
            letters += letter;
    return letters;
}

int visiblePanels(const frmWiz& wiz)
{
    return int(std::ranges::count_if(wiz.picContainer, [](const QWidget* panel) { return !panel->isHidden(); }));
}

} // namespace

class tst_frmWiz : public QObject {
    Q_OBJECT

private slots:
    void startState();
    void navigation_data();
    void navigation();
    void escapeEndsTheProgram_data();
    void escapeEndsTheProgram();
    void aboutAndOk();
    void selectAllOnFocus();
    void buttonPressCapturesSelection();
    void layoutCheckRefusesWithoutStyle();
    void layoutThumbnailsAndDescriptions();
    void thumbnailsAreCentred();
    void help_data();
    void help();
    void closingClosesTheOtherWindows();
};

void tst_frmWiz::startState()
{
    WizardFixture f;
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Welcome));
    QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1"));
    QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("&Start >"));
    QCOMPARE(f.wiz->cmdButton[CmdBackward]->text(), QStringLiteral("&Cancel"));
    QCOMPARE(visibleButtons(*f.wiz), QStringLiteral("HABN"));
    QCOMPARE(f.wiz->cancelButton(), f.wiz->cmdButton[CmdBackward]);
    QCOMPARE(f.wiz->sideImage()->property("bitmap").toInt(), 2);
    QVERIFY(!f.wiz->sideImage()->pixmap().isNull());
    QCOMPARE(f.wiz->cbBox[CbLayout]->currentIndex(), 0);
    QCOMPARE(f.wiz->cbBox[CbLayout]->count(), 6);
    QCOMPARE(f.wiz->cbBox[CbHeadingSize]->currentText(), QStringLiteral("2"));
    QCOMPARE(visiblePanels(*f.wiz), 1);
}

void tst_frmWiz::navigation_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("bitmap");
    QTest::addColumn<QString>("forwardCaption");
    QTest::addColumn<QString>("backwardCaption");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("cancelButton");
    QTest::addColumn<QString>("focus"); // empty: not checked

    using P = WizardPage;
    const auto row = [](const char* name, P from, bool forward, P to, const char* caption, int bitmap,
                        const char* forwardCaption, const char* backwardCaption, const char* buttons, int cancel,
                        const char* focus) {
        QTest::newRow(name) << int(from) << forward << int(to) << QString::fromUtf8(caption) << bitmap
                            << QString::fromUtf8(forwardCaption) << QString::fromUtf8(backwardCaption)
                            << QString::fromUtf8(buttons) << cancel << QString::fromUtf8(focus);
    };
    row("start leads to layout", P::Welcome, true, P::Layout, "Larkspan 1.1 - Select a page layout", 9, "&Next >",
        "< &Back", "HCBN", CmdCancel, "cbBox_0");
    row("layout to colors", P::Layout, true, P::Colors, "Larkspan 1.1 - Select the color for your page", 3,
        "&Next >", "< &Back", "HCBN", CmdCancel, "");
    row("colors to image", P::Colors, true, P::Image, "Larkspan 1.1 - Select an image for your page", 4, "&Next >",
        "< &Back", "HCBN", CmdCancel, "");
    row("image to text focuses the page text", P::Image, true, P::Text, "Larkspan 1.1 - Add some text to your page",
        5, "&Next >", "< &Back", "HCBN", CmdCancel, "txtBox_4");
    row("text to bullets focuses the item box", P::Text, true, P::BulletList, "Larkspan 1.1 - Add a Bullet List", 6,
        "&Next >", "< &Back", "HCBN", CmdCancel, "txtBox_5");
    row("bullets to links focuses the address", P::BulletList, true, P::Links,
        "Larkspan 1.1 - Add links to your page", 7, "&Next >", "< &Back", "HCBN", CmdCancel, "txtBox_6");
    row("links to finish, no blank before the hyphen", P::Links, true, P::Finish,
        "Larkspan 1.1- Final Step: Finish your page", 8, "&Finish", "< &Back", "HCBN", CmdCancel, "txtBox_8");

    row("back from layout to welcome", P::Layout, false, P::Welcome, "Larkspan 1.1", 2, "&Start >", "&Cancel",
        "HABN", CmdBackward, "cmdButton_0");
    row("back from colors to layout", P::Colors, false, P::Layout, "Larkspan 1.1 - Select a page layout", 9,
        "&Next >", "< &Back", "HCBN", CmdCancel, "cbBox_0");
    row("back from image to colors", P::Image, false, P::Colors, "Larkspan 1.1 - Select the color for your page", 3,
        "&Next >", "< &Back", "HCBN", CmdCancel, "");
    row("back from text to image keeps the trailing blank", P::Text, false, P::Image,
        "Larkspan 1.1 - Select an image for your page ", 4, "&Next >", "< &Back", "HCBN", CmdCancel, "");
    row("back from bullets to text", P::BulletList, false, P::Text, "Larkspan 1.1 - Add some text to your page", 5,
        "&Next >", "< &Back", "HCBN", CmdCancel, "txtBox_4");
    row("back from links to bullets", P::Links, false, P::BulletList, "Larkspan 1.1 - Add a Bullet List", 6,
        "&Next >", "< &Back", "HCBN", CmdCancel, "txtBox_5");
    row("back from finish restores next", P::Finish, false, P::Links, "Larkspan 1.1- Add links to your page", 7,
        "&Next >", "< &Back", "HCBN", CmdCancel, "txtBox_6");
}

void tst_frmWiz::navigation()
{
    QFETCH(int, from);
    QFETCH(bool, forward);
    QFETCH(int, to);
    QFETCH(QString, caption);
    QFETCH(int, bitmap);
    QFETCH(QString, forwardCaption);
    QFETCH(QString, backwardCaption);
    QFETCH(QString, buttons);
    QFETCH(int, cancelButton);
    QFETCH(QString, focus);

    WizardFixture f;
    f.goTo(WizardPage(from));
    QCOMPARE(f.wiz->CurrentPage(), from);

    forward ? f.forward() : f.backward();

    QCOMPARE(f.wiz->CurrentPage(), to);
    QCOMPARE(visiblePanels(*f.wiz), 1);
    QCOMPARE(f.wiz->windowTitle(), caption);
    QCOMPARE(f.wiz->sideImage()->property("bitmap").toInt(), bitmap);
    QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), forwardCaption);
    QCOMPARE(f.wiz->cmdButton[CmdBackward]->text(), backwardCaption);
    QCOMPARE(visibleButtons(*f.wiz), buttons);
    QCOMPARE(f.wiz->cancelButton(), f.wiz->cmdButton[cancelButton]);
    if (!focus.isEmpty())
        QCOMPARE(f.focusName(), focus);
    QCOMPARE(f.platform.count(QStringLiteral("beep")), 0);
}

void tst_frmWiz::escapeEndsTheProgram_data()
{
    QTest::addColumn<int>("page");
    QTest::newRow("welcome, through its Cancel") << int(WizardPage::Welcome);
    QTest::newRow("layout") << int(WizardPage::Layout);
    QTest::newRow("a middle page") << int(WizardPage::Text);
    QTest::newRow("finish") << int(WizardPage::Finish);
}

void tst_frmWiz::escapeEndsTheProgram()
{
    QFETCH(int, page);
    WizardFixture f;
    f.goTo(WizardPage(page));
    QVERIFY(f.wiz->isVisible());
    QTest::keyClick(f.wiz.get(), Qt::Key_Escape);
    QVERIFY(!f.wiz->isVisible());
}

void tst_frmWiz::aboutAndOk()
{
    WizardFixture f;
    f.press(CmdAbout);
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::About));
    QCOMPARE(visiblePanels(*f.wiz), 1);
    QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("OK"));
    QCOMPARE(visibleButtons(*f.wiz), QStringLiteral("N"));
    QCOMPARE(f.focusName(), QStringLiteral("cmdButton_0"));
    QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1"));
    QCOMPARE(f.wiz->sideImage()->property("bitmap").toInt(), 2);

    // The hidden backward button does not answer Escape; OK is the only way back.
    QTest::keyClick(f.wiz.get(), Qt::Key_Escape);
    QVERIFY(f.wiz->isVisible());
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::About));

    f.forward();
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Welcome));
    QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("&Start >"));
    QCOMPARE(f.wiz->cmdButton[CmdBackward]->text(), QStringLiteral("&Cancel"));
    QCOMPARE(visibleButtons(*f.wiz), QStringLiteral("HABN"));
    QCOMPARE(f.wiz->cancelButton(), f.wiz->cmdButton[CmdBackward]);
}

void tst_frmWiz::selectAllOnFocus()
{
    WizardFixture f;
    f.goTo(WizardPage::Layout);
    auto* title = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtTitle]);
    auto* heading = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtHeading]);
    auto* pageText = qobject_cast<QPlainTextEdit*>(f.wiz->txtBox[TxtPageText]);
    title->setText(QStringLiteral("My Home Page"));
    heading->setText(QStringLiteral("Welcome"));
    heading->deselect();
    pageText->setPlainText(QStringLiteral("one two three"));
    QTextCursor cursor = pageText->textCursor();
    cursor.setPosition(4);
    cursor.setPosition(7, QTextCursor::KeepAnchor);
    pageText->setTextCursor(cursor);

    f.wiz->cbBox[CbLayout]->setFocus();
    title->deselect();
    QTest::keyClick(f.wiz->cbBox[CbLayout], Qt::Key_Tab);
    QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_0"));

    QCOMPARE(title->selectedText(), QStringLiteral("My Home Page"));
    QCOMPARE(heading->selectedText(), QStringLiteral("Welcome"));
    QCOMPARE(pageText->textCursor().selectedText(), QStringLiteral("two"));
}

void tst_frmWiz::buttonPressCapturesSelection()
{
    WizardFixture f;
    auto* pageText = qobject_cast<QPlainTextEdit*>(f.wiz->txtBox[TxtPageText]);
    pageText->setPlainText(QStringLiteral("first\nsecond"));
    pageText->selectAll();
    f.press(CmdHelp);
    QCOMPARE(f.wiz->capturedSelection, QStringLiteral("\tfirst\r\nsecond"));
    pageText->moveCursor(QTextCursor::End);
    f.press(CmdHelp);
    QCOMPARE(f.wiz->capturedSelection, QStringLiteral("\t"));
}

void tst_frmWiz::layoutCheckRefusesWithoutStyle()
{
    WizardFixture f;
    f.forward();
    f.wiz->cmdButton[CmdForward]->setFocus();
    f.forward();

    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Layout));
    QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1 - Select a page layout"));
    QCOMPARE(f.platform.count(QStringLiteral("beep")), 1);
    const auto boxes = f.platform.callsOf(QStringLiteral("messageBox"));
    QCOMPARE(boxes.size(), size_t(1));
    QCOMPARE(boxes[0].args, (QStringList{QStringLiteral("Please select a layout style before proceeding."),
                                          QStringLiteral("ok"), QStringLiteral("information"),
                                          QStringLiteral("Larkspan"), QStringLiteral("frmWiz")}));
    // The beep comes before the message.
    QCOMPARE(f.platform.calls.front().what, QStringLiteral("beep"));
    QCOMPARE(f.focusName(), QStringLiteral("cbBox_0"));

    // Empty title and heading do not hold the wizard back.
    f.wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::TableImageLeft));
    f.forward();
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Colors));
    QCOMPARE(f.platform.count(QStringLiteral("beep")), 1);
}

void tst_frmWiz::layoutThumbnailsAndDescriptions()
{
    WizardFixture f;
    const auto& thumbnails = f.wiz->imgTemplates;
    QLabel* description = f.wiz->lblLabel[LblLayoutDescription];
    QWidget* preview = f.wiz->picBox[PicLayoutPreview];
    const auto front = [&] { return preview->childAt(preview->rect().center()); };

    QCOMPARE(description->text(), QString());
    for (int i = 0; i < TemplateCount; ++i)
        QCOMPARE(!thumbnails[i]->isHidden(), i == 0);
    QCOMPARE(front(), thumbnails[0]);

    f.wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::TableImageRight));
    QCOMPARE(description->text(),
             QStringLiteral("Table Style Image Right use a hidden table to separate the image from the text. The "
                            "header is centered at the top, an image on the right, text on the left with links and "
                            "footer items below."));
    QCOMPARE(front(), thumbnails[5]);

    f.wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::BasicStyle));
    QCOMPARE(description->text(),
             QStringLiteral("Basic Style is the simplest layout style. The heading is centered at the top with text "
                            "below, an image, links and the footer at the bottom."));
    QCOMPARE(front(), thumbnails[1]);
    // Thumbnails shown earlier stay behind the front one.
    QVERIFY(!thumbnails[5]->isHidden());

    f.wiz->cbBox[CbLayout]->setCurrentIndex(0);
    QCOMPARE(description->text(), QString());
    QCOMPARE(front(), thumbnails[0]);

    f.wiz->layoutPage().DescribeLayout(6);
    QCOMPARE(description->text(), QString());
}

void tst_frmWiz::thumbnailsAreCentred()
{
    WizardFixture f;
    const QRect inner = f.wiz->picBox[PicLayoutPreview]->contentsRect();
    for (const QLabel* thumbnail : f.wiz->imgTemplates) {
        QCOMPARE(thumbnail->x() - inner.x(), (inner.width() - thumbnail->width()) / 2);
        QCOMPARE(thumbnail->y() - inner.y(), (inner.height() - thumbnail->height()) / 2);
    }
    QCOMPARE(f.wiz->imgTemplates[0]->size(), QSize(75, 95));
    QCOMPARE(f.wiz->imgTemplates[3]->size(), QSize(72, 93));
}

void tst_frmWiz::help_data()
{
    QTest::addColumn<QString>("helpFile");
    QTest::addColumn<QString>("viewerError");
    QTest::addColumn<QStringList>("message"); // text, buttons, icon, title; empty: no message

    QTest::newRow("no help file configured")
        << QString() << QString()
        << QStringList{QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."),
                       QStringLiteral("ok"), QStringLiteral("information"),
                       QStringLiteral("Larkspan 1.1 - Select a page layout")};
    QTest::newRow("viewer cannot show it")
        << QStringLiteral("/help/index.html") << QStringLiteral("The help file cannot be found.")
        << QStringList{QStringLiteral("The help file cannot be found."), QStringLiteral("ok"), QStringLiteral("none"),
                       QStringLiteral("Larkspan")};
    QTest::newRow("help shown") << QStringLiteral("/help/index.html") << QString() << QStringList{};
}

void tst_frmWiz::help()
{
    QFETCH(QString, helpFile);
    QFETCH(QString, viewerError);
    QFETCH(QStringList, message);

    WizardFixture f(helpFile);
    f.platform.helpAnswers.push_back(viewerError);
    f.goTo(WizardPage::Layout);
    f.press(CmdHelp);

    const auto viewer = f.platform.callsOf(QStringLiteral("showHelpContents"));
    QCOMPARE(viewer.size(), size_t(helpFile.isEmpty() ? 0 : 1));
    if (!helpFile.isEmpty())
        QCOMPARE(viewer[0].args, (QStringList{helpFile, QStringLiteral("frmWiz")}));
    const auto boxes = f.platform.callsOf(QStringLiteral("messageBox"));
    QCOMPARE(boxes.size(), size_t(message.isEmpty() ? 0 : 1));
    if (!message.isEmpty())
        QCOMPARE(boxes[0].args.mid(0, 4), message);
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Layout));
}

void tst_frmWiz::closingClosesTheOtherWindows()
{
    WizardFixture f;
    QPointer<frmEdit> browser = &f.wiz->sourceBrowser();
    browser->show();
    QVERIFY(browser->isVisible());
    f.wiz->close();
    QVERIFY(!f.wiz->isVisible());
    QTRY_VERIFY(browser.isNull());
}

QTEST_MAIN(tst_frmWiz)
#include "tst_frmwiz.moc"
