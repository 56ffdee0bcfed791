// SPDX-License-Identifier: GPL-3.0-or-later
#include "testpictures.h"
#include "wizardfixture.h"

#include "colours/colourpage.h"
#include "images/imagepage.h"
#include "source_browser/frmedit.h"
#include "wizard/bulletlistpage.h"
#include "wizard/finishpage.h"
#include "wizard/layoutpage.h"
#include "wizard/linkspage.h"
#include "wizard/textpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QResource>
#include <QSignalSpy>
#include <QSvgRenderer>

using namespace Qt::StringLiterals;

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

// The picture each side bitmap number stands for, drawn at the side picture's size.
QImage sidePicture(int bitmap, const QSize& size)
{
    static const std::map<int, QString> names = {{2, u"welcome"_s}, {3, u"colors"_s},  {4, u"image"_s},
                                                 {5, u"text"_s},    {6, u"bullets"_s}, {7, u"links"_s},
                                                 {8, u"finish"_s},  {9, u"layout"_s}};
    return drawnPicture(QStringLiteral(":/side/") + names.at(bitmap), size);
}

QImage shownSidePicture(const frmWiz& wiz)
{
    return shownPicture(wiz.sideImage()->pixmap());
}

int visiblePanels(const frmWiz& wiz)
{
    return int(std::ranges::count_if(wiz.picContainer, [](const QWidget* panel) { return !panel->isHidden(); }));
}

// One step forward or backward, and what the window then shows.
struct NavigationStep {
    int from;
    bool forward;
    int to;
    QString caption;
    int bitmap;
    QString forwardCaption;
    QString backwardCaption;
    QString buttons; // the visible buttons, as visibleButtons() spells them
    int cancelButton;
    QString focus; // empty: not checked
};

} // namespace

Q_DECLARE_METATYPE(NavigationStep)
Q_DECLARE_METATYPE(frmWiz::Building)

class tst_frmWiz : public QObject {
    Q_OBJECT

private slots:
    // A window that builds its pages once it has painted the Welcome page starts as one built whole.
    void startState_data()
    {
        QTest::addColumn<frmWiz::Building>("building");
        QTest::newRow("all pages at once") << frmWiz::Building::AllPages;
        QTest::newRow("welcome first") << frmWiz::Building::WelcomeFirst;
    }

    void startState()
    {
        QFETCH(frmWiz::Building, building);
        WizardFixture f(building);
        QVERIFY(!f.wiz->hasAnswers());
        QCOMPARE(f.wiz->pageSpec(), WizardFixture().wiz->pageSpec());
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Welcome));
        QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1"));
        QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("&Start >"));
        QCOMPARE(f.wiz->cmdButton[CmdBackward]->text(), QStringLiteral("&Cancel"));
        QCOMPARE(visibleButtons(*f.wiz), QStringLiteral("HABN"));
        QCOMPARE(f.wiz->cancelButton(), f.wiz->cmdButton[CmdBackward]);
        QCOMPARE(shownSidePicture(*f.wiz), sidePicture(2, f.wiz->sideImage()->size()));
        // Taken as the build drew it, at the size the window shows it, not drawn again at each start.
        const QSize side = f.wiz->sideImage()->size();
        QVERIFY(QResource(u":/drawn/side/welcome@%1x%2.argb"_s.arg(side.width()).arg(side.height())).isValid());
        QCOMPARE(f.wiz->cbBox[CbLayout]->currentIndex(), 0);
        QCOMPARE(f.wiz->cbBox[CbLayout]->count(), 6);
        QCOMPARE(f.wiz->cbBox[CbHeadingSize]->currentText(), QStringLiteral("2"));
        QCOMPARE(visiblePanels(*f.wiz), 1);
        QCOMPARE(f.focusName(), QStringLiteral("cmdButton_0"));
    }

    // Before the Welcome page has painted, the other pages are not there; a press of a button finds them all, and
    // a window that is never painted builds them after a while.
    void welcomeFirstBuildsOnDemand_data()
    {
        QTest::addColumn<bool>("press");
        QTest::newRow("a press before the first paint") << true;
        QTest::newRow("never painted") << false;
    }

    void welcomeFirstBuildsOnDemand()
    {
        QFETCH(bool, press);
        ScriptedPlatform platform;
        frmWiz wiz(platform, QString(), nullptr, frmWiz::Building::WelcomeFirst);
        QVERIFY(wiz.txtBox[TxtTitle] == nullptr);
        QVERIFY(!wiz.hasAnswers());
        if (press) {
            wiz.cmdButton[CmdForward]->click();
            QCOMPARE(wiz.CurrentPage(), int(WizardPage::Layout));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(wiz.txtBox[TxtTitle] != nullptr, 3 * frmWiz::BuildWithoutPaintMs);
        }
        QVERIFY(wiz.txtBox[TxtTitle] != nullptr);
        QCOMPARE(wiz.pageSpec(), WizardFixture().wiz->pageSpec());
    }

    // Each control's events reach the page on whose panel it stands, and the window's own buttons reach no page.
    void eachControlHeardByItsPage_data() { startState_data(); }

    void eachControlHeardByItsPage()
    {
        QFETCH(frmWiz::Building, building);
        WizardFixture f(building);
        const frmWiz& wiz = *f.wiz;
        const std::pair<WizardPage, const WizardPageBase*> pages[] = {
            {WizardPage::Layout, &wiz.layoutPage()},         {WizardPage::Colors, &wiz.colourPage()},
            {WizardPage::Image, &wiz.imagePage()},           {WizardPage::Text, &wiz.textPage()},
            {WizardPage::BulletList, &wiz.bulletListPage()}, {WizardPage::Links, &wiz.linksPage()},
            {WizardPage::Finish, &wiz.finishPage()}};
        const auto pageOf = [&](const QWidget* control) -> const WizardPageBase* {
            for (const auto& [page, object] : pages)
                if (wiz.panel(page)->isAncestorOf(control))
                    return object;
            return nullptr;
        };
        const auto check = [&](const auto& controls, const auto& owners, const char* array) {
            for (std::size_t i = 0; i < controls.size(); ++i)
                if (controls[i] && owners[i] != pageOf(controls[i]))
                    QFAIL(qPrintable(
                        QStringLiteral("%1[%2] is heard by the wrong page").arg(QLatin1StringView(array)).arg(i)));
        };
        const frmWiz::ControlOwners& owners = wiz.controlOwners();
        check(wiz.cmdButton, owners.cmdButton, "cmdButton");
        check(wiz.txtBox, owners.txtBox, "txtBox");
        check(wiz.chkBox, owners.chkBox, "chkBox");
        check(wiz.optRadio, owners.optRadio, "optRadio");
        check(wiz.lstBox, owners.lstBox, "lstBox");
        check(wiz.cbBox, owners.cbBox, "cbBox");
    }

    void artworkIsDrawable_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("pictures");

        QTest::newRow("side pictures") << ":/side" << 8;
        QTest::newRow("layout thumbnails") << ":/templates" << TemplateCount;
        QTest::newRow("picture buttons") << ":/buttons" << 5;
        QTest::newRow("colour button faces") << ":/colours" << 2;
        QTest::newRow("application icon") << ":/app" << 1;
    }

    // Every picture is a drawing that renders and leaves something on the page.
    void artworkIsDrawable()
    {
        QFETCH(QString, folder);
        QFETCH(int, pictures);

        int found = 0;
        for (QDirIterator it(folder); it.hasNext(); ++found) {
            const QString resource = it.next();
            QSvgRenderer renderer(resource);
            QVERIFY2(renderer.isValid(), qPrintable(resource));
            QVERIFY2(!renderer.defaultSize().isEmpty(), qPrintable(resource));
            const QImage image = drawnPicture(resource, renderer.defaultSize());
            QImage blank(image.size(), image.format());
            blank.fill(Qt::transparent);
            QVERIFY2(image != blank, qPrintable(resource));
        }
        QCOMPARE(found, pictures);
    }

    void sidePagesTexts()
    {
        WizardFixture f;
        const auto text = [&](const char* name) { return f.wiz->findChild<QLabel*>(QLatin1String(name))->text(); };
        QCOMPARE(
            text("welcomeText"),
            QStringLiteral("Welcome to Larkspan! The easiest way to make a home page. Larkspan includes a series of "
                           "questions about the style and look of your page as well if you want to include images, "
                           "text, links and much more! It's as easy as filling in blanks. When you're done you'll "
                           "have a great looking page that rivals those made by the pros!"));
        QCOMPARE(text("welcomeStart"), QStringLiteral("Click the Start button to begin !"));
        QCOMPARE(text("aboutHeading"), QStringLiteral("Larkspan 1.1"));
        QCOMPARE(
            text("aboutText"),
            QStringLiteral("Larkspan was developed for anyone wanting to make a web page, but didn't know how. It is "
                           "created for the novice user in mind and also powerful enough for a veteran web page "
                           "designer which makes it a tool everyone should use. I you have any comments or "
                           "suggestions about Larkspan please let me know at  larkspan@larkspan.example."));
    }

    void navigation_data()
    {
        QTest::addColumn<NavigationStep>("step");

        using P = WizardPage;
        const auto row = [](const char* name, P from, bool forward, P to, const char* caption, int bitmap,
                            const char* forwardCaption, const char* backwardCaption, const char* buttons, int cancel,
                            const char* focus) {
            const auto text = [](const char* ascii) { return QString::fromLatin1(ascii); };
            QTest::newRow(name) << NavigationStep{
                int(from),     forward, int(to),    text(caption), bitmap, text(forwardCaption), text(backwardCaption),
                text(buttons), cancel,  text(focus)};
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

    void navigation()
    {
        QFETCH(NavigationStep, step);
        const auto& [from, forward, to, caption, bitmap, forwardCaption, backwardCaption, buttons, cancelButton,
                     focus] = step;

        WizardFixture f{WizardPage(from)};
        QCOMPARE(f.wiz->CurrentPage(), from);

        forward ? f.forward() : f.backward();

        QCOMPARE(f.wiz->CurrentPage(), to);
        QCOMPARE(visiblePanels(*f.wiz), 1);
        QCOMPARE(f.wiz->windowTitle(), caption);
        QCOMPARE(shownSidePicture(*f.wiz), sidePicture(bitmap, f.wiz->sideImage()->size()));
        QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), forwardCaption);
        QCOMPARE(f.wiz->cmdButton[CmdBackward]->text(), backwardCaption);
        QCOMPARE(visibleButtons(*f.wiz), buttons);
        QCOMPARE(f.wiz->cancelButton(), f.wiz->cmdButton[cancelButton]);
        if (!focus.isEmpty())
            QCOMPARE(f.focusName(), focus);
        QCOMPARE(f.platform.count(PlatformCall::Beep), 0);
    }

    void escapeEndsTheProgram_data()
    {
        QTest::addColumn<int>("page");
        QTest::newRow("welcome, through its Cancel") << int(WizardPage::Welcome);
        QTest::newRow("layout") << int(WizardPage::Layout);
        QTest::newRow("a middle page") << int(WizardPage::Text);
        QTest::newRow("finish") << int(WizardPage::Finish);
    }

    void escapeEndsTheProgram()
    {
        QFETCH(int, page);
        WizardFixture f{WizardPage(page)};
        QVERIFY(f.wiz->isVisible());
        QTest::keyClick(f.wiz.get(), Qt::Key_Escape);
        QVERIFY(!f.wiz->isVisible());
    }

    void aboutAndOk()
    {
        WizardFixture f;
        f.press(CmdAbout);
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::About));
        QCOMPARE(visiblePanels(*f.wiz), 1);
        QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("OK"));
        QCOMPARE(visibleButtons(*f.wiz), QStringLiteral("N"));
        QCOMPARE(f.focusName(), QStringLiteral("cmdButton_0"));
        QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1"));
        QCOMPARE(shownSidePicture(*f.wiz), sidePicture(2, f.wiz->sideImage()->size()));

        // The hidden backward button does not answer Escape; OK is the only way back.
        QTest::keyClick(f.wiz.get(), Qt::Key_Escape);
        QVERIFY(f.wiz->isVisible());
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::About));

        // Enter presses OK, the button with the focus.
        QTest::keyClick(f.wiz->focusWidget(), Qt::Key_Return);
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Welcome));
        QCOMPARE(f.wiz->cmdButton[CmdForward]->text(), QStringLiteral("&Start >"));
        QCOMPARE(f.wiz->cmdButton[CmdBackward]->text(), QStringLiteral("&Cancel"));
        QCOMPARE(visibleButtons(*f.wiz), QStringLiteral("HABN"));
        QCOMPARE(f.wiz->cancelButton(), f.wiz->cmdButton[CmdBackward]);
    }

    void selectAllOnFocus()
    {
        WizardFixture f(WizardPage::Layout);
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
        // Only the box with the focus shows its selection.
        const auto showsSelection = [](const QWidget* box) {
            return box->palette().color(QPalette::Highlight) != box->palette().color(QPalette::Base);
        };
        QVERIFY(showsSelection(title));
        QVERIFY(!showsSelection(heading));
        QVERIFY(!showsSelection(pageText));
        // A context menu over the box takes the focus for a moment; the selection it works on stays in sight.
        QFocusEvent toMenu(QEvent::FocusOut, Qt::PopupFocusReason);
        QApplication::sendEvent(title, &toMenu);
        QVERIFY(showsSelection(title));

        // A box entered with the mouse, where the box itself would select nothing, is selected whole as well.
        f.wiz->cbBox[CbLayout]->setFocus();
        title->deselect();
        title->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_0"));
        QCOMPARE(title->selectedText(), QStringLiteral("My Home Page"));

        // Left and shown again, the page gives its boxes their selections back; one without the focus draws no
        // caret in its selected text, and looks as it does unselected.
        f.forward();
        f.backward();
        QTRY_COMPARE(f.focusName(), QStringLiteral("cbBox_0"));
        QVERIFY(title->hasSelectedText());
        const QImage selected = title->grab().toImage();
        title->deselect();
        QCOMPARE(title->grab().toImage(), selected);

        f.goTo(WizardPage::BulletList);
        auto* item = qobject_cast<QPlainTextEdit*>(f.wiz->txtBox[TxtBulletItem]);
        f.wiz->cbBox[CbBulletStyle]->setFocus();
        item->setPlainText(QStringLiteral("first\nsecond"));
        item->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_5"));
        QCOMPARE(item->textCursor().selectedText(), QStringLiteral("first\u2029second"));
    }

    void buttonPressCapturesSelection()
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

    void layoutCheckRefusesWithoutStyle()
    {
        WizardFixture f;
        f.forward();
        f.wiz->cmdButton[CmdForward]->setFocus();
        f.forward();

        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Layout));
        QCOMPARE(f.wiz->windowTitle(), QStringLiteral("Larkspan 1.1 - Select a page layout"));
        QCOMPARE(f.platform.count(PlatformCall::Beep), 1);
        const auto boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), size_t(1));
        QCOMPARE(boxes[0].args,
                 (QStringList{QStringLiteral("Please select a layout style before proceeding."), QStringLiteral("ok"),
                              QStringLiteral("information"), QStringLiteral("Larkspan"), QStringLiteral("frmWiz")}));
        // The beep comes before the message.
        QCOMPARE(f.platform.calls.front().what, PlatformCall::Beep);
        QCOMPARE(f.focusName(), QStringLiteral("cbBox_0"));

        // Empty title and heading do not hold the wizard back.
        f.wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::TableImageLeft));
        f.forward();
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Colors));
        QCOMPARE(f.platform.count(PlatformCall::Beep), 1);
    }

    void layoutDescriptions_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("description");

        QTest::newRow("0 none") << 0 << QString();
        QTest::newRow("1 basic") << 1
                                 << "Basic Style is the simplest layout style. The heading is centered at the top with "
                                    "text below, an image, links and the footer at the bottom.";
        QTest::newRow("2 basic image left")
            << 2
            << "Basic Style Image Left has heading centered at the top with the image aligned on the left with text "
               "flowing around the image, links, and the footer at the bottom.";
        QTest::newRow("3 basic image right")
            << 3
            << "Basic Style Image Right has heading centered at the top with the image aligned on the right with text "
               "flowing around the image, links, and the footer at the bottom.";
        QTest::newRow("4 table image left")
            << 4
            << "Table Style Image Left use a hidden table to separate the image from the text. The header is centered "
               "at the top, an image on the left, text on the right with links and footer items below.";
        QTest::newRow("5 table image right")
            << 5
            << "Table Style Image Right use a hidden table to separate the image from the text. The header is centered "
               "at the top, an image on the right, text on the left with links and footer items below.";
    }

    // Choosing a style describes it and brings its thumbnail to the front; thumbnails shown earlier stay behind it.
    void layoutDescriptions()
    {
        QFETCH(int, style);
        QFETCH(QString, description);

        WizardFixture f;
        const auto& thumbnails = f.wiz->layoutPage().imgTemplates;
        QWidget* preview = f.wiz->picBox[PicLayoutPreview];
        const auto front = [&] { return preview->childAt(preview->rect().center()); };
        QCOMPARE(f.wiz->lblLabel[LblLayoutDescription]->text(), QString());
        for (int i = 0; i < TemplateCount; ++i)
            QCOMPARE(!thumbnails[i]->isHidden(), i == 0);
        QCOMPARE(front(), thumbnails[0]);

        const int before = style == 5 ? 1 : 5;
        f.wiz->cbBox[CbLayout]->setCurrentIndex(before);
        f.wiz->cbBox[CbLayout]->setCurrentIndex(style);

        QCOMPARE(f.wiz->lblLabel[LblLayoutDescription]->text(), description);
        QCOMPARE(front(), thumbnails[style]);
        QVERIFY(!thumbnails[before]->isHidden());
    }

    void describeLayoutOutOfRange()
    {
        WizardFixture f;
        f.wiz->cbBox[CbLayout]->setCurrentIndex(int(LayoutStyle::TableImageRight));
        const QString described = f.wiz->lblLabel[LblLayoutDescription]->text();
        QVERIFY(!described.isEmpty());
        for (const int outside : {6, -1, 100}) {
            f.wiz->layoutPage().DescribeLayout(outside);
            QCOMPARE(f.wiz->lblLabel[LblLayoutDescription]->text(), described);
        }
    }

    void thumbnailsAreCentred()
    {
        WizardFixture f;
        const QRect inner = f.wiz->picBox[PicLayoutPreview]->contentsRect();
        for (const QLabel* thumbnail : f.wiz->layoutPage().imgTemplates) {
            QCOMPARE(thumbnail->x() - inner.x(), (inner.width() - thumbnail->width()) / 2);
            QCOMPARE(thumbnail->y() - inner.y(), (inner.height() - thumbnail->height()) / 2);
        }
        QCOMPARE(f.wiz->layoutPage().imgTemplates[0]->size(), QSize(75, 95));
        QCOMPARE(f.wiz->layoutPage().imgTemplates[3]->size(), QSize(72, 93));
    }

    void help_data()
    {
        QTest::addColumn<QString>("helpFile");
        QTest::addColumn<QString>("viewerError");
        QTest::addColumn<QStringList>("message"); // text, buttons, icon, title; empty: no message

        QTest::newRow("no help file configured")
            << QString() << QString()
            << QStringList{
                   QStringLiteral("Unable to display Help Contents. There is no Help associated with this project."),
                   QStringLiteral("ok"), QStringLiteral("information"),
                   QStringLiteral("Larkspan 1.1 - Select a page layout")};
        QTest::newRow("viewer cannot show it")
            << QStringLiteral("/help/index.html") << QStringLiteral("The help file cannot be found.")
            << QStringList{QStringLiteral("The help file cannot be found."), QStringLiteral("ok"),
                           QStringLiteral("none"), QStringLiteral("Larkspan")};
        QTest::newRow("help shown") << QStringLiteral("/help/index.html") << QString() << QStringList{};
    }

    void help()
    {
        QFETCH(QString, helpFile);
        QFETCH(QString, viewerError);
        QFETCH(QStringList, message);

        WizardFixture f(helpFile);
        f.platform.helpAnswers.push_back(viewerError);
        f.goTo(WizardPage::Layout);
        f.press(CmdHelp);

        const auto viewer = f.platform.callsOf(PlatformCall::ShowHelpContents);
        QCOMPARE(viewer.size(), size_t(helpFile.isEmpty() ? 0 : 1));
        if (!helpFile.isEmpty())
            QCOMPARE(viewer[0].args, (QStringList{helpFile, QStringLiteral("frmWiz")}));
        const auto boxes = f.platform.callsOf(PlatformCall::MessageBox);
        QCOMPARE(boxes.size(), size_t(message.isEmpty() ? 0 : 1));
        if (!message.isEmpty())
            QCOMPARE(boxes[0].args.mid(0, 4), message);
        QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Layout));
    }

    void closingClosesTheOtherWindows()
    {
        WizardFixture f;
        QPointer<frmEdit> browser = &f.wiz->sourceBrowser();
        browser->show();
        QVERIFY(browser->isVisible());
        f.wiz->close();
        QVERIFY(!f.wiz->isVisible());
        QVERIFY(f.wiz->windowState() & Qt::WindowMinimized);
        QTRY_VERIFY(browser.isNull());
    }
};

QTEST_MAIN(tst_frmWiz)
#include "tst_frmwiz.moc"
