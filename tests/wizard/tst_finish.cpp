#include "wizardfixture.h"

#include "testfiles.h"

#include "colours/colourbutton.h"
#include "colours/colourpage.h"
#include "images/imagepage.h"
#include "page/asciitext.h"
#include "page/pagewriter.h"
#include "source_browser/frmedit.h"
#include "source_browser/pagefile.h"
#include "wizard/finishpage.h"

#include <QAction>
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>

using namespace larkspan;

namespace {

const QString Congratulation = QStringLiteral(
    "Congradulations on your successful Web Page.\r\nLarkspan has given you a fantastic\r\nplace to start. Now you "
    "can tinker with the HTML\r\nand become the next pro!\r\n\r\nWould you like to create another?");

// The footer's date as most tests fix it.
const QDate FixedDay(2026, 12, 7);
const char* const FixedFooter = "Monday, December 07, 2026";

QLocale english()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QLocale german()
{
    return QLocale(QLocale::German, QLocale::Germany);
}

// The wizard with the footer's date and regional settings fixed, so that no result depends on the day or the
// machine.
struct FinishFixture : WizardFixture {
    FinishFixture() { wiz->finishPage().setCalendar([] { return FixedDay; }, english()); }
};

// Colour menu items, written out here rather than taken from the code's own tables.
constexpr int CustomItem = 0;
constexpr int NavyItem = 10;
constexpr int SilverItem = 14;
constexpr int NoItem = -1;

// The custom slots the user leaves in every confirmed colour dialog.
CustomColors definedSlots()
{
    CustomColors table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = ColorRef(0x00102030 + i);
    return table;
}

// One colour on the Colors page: its box ticked, then an item picked from the menu under its button (NoItem: only
// ticked), for "Custom..." the colour confirmed in the dialog. slot is what the page must then write for it.
struct ColourPick {
    ColorAttribute attribute;
    int item;
    ColorRef dialogColour;
    const char* slot;
};

// One user's answers, page by page, and the day and regional settings of the footer.
struct Answers {
    LayoutStyle layout = LayoutStyle::BasicStyle;
    QString title;
    QString heading;
    int headingSize = 1;
    bool customColours = false;
    QList<ColourPick> colours; // in the order they are chosen
    QString backgroundImage;   // ticked and named when not empty
    bool pageImage = false;    // photo.jpg, 40 x 30, chosen through the file dialog
    QString pageText;
    QStringList items;
    int bulletStyle = 0;
    QList<std::pair<QString, QString>> links;
    bool comboLinks = false;
    QString email;
    QDate day = FixedDay;
    QLocale settings = english();
    QString footer = QString::fromLatin1(FixedFooter);
};

// The answers of the whole-wizard rows, one set per layout.
Answers answersFor(LayoutStyle layout)
{
    using A = ColorAttribute;
    Answers a;
    a.layout = layout;
    switch (layout) {
    case LayoutStyle::BasicStyle:
        a.title = QStringLiteral("My Caf\u00e9");
        a.heading = QStringLiteral("Welcome to the caf\u00e9");
        a.customColours = true;
        a.colours = {{A::Background, SilverItem, 0, " BGCOLOR=\"#C0C0C0\""},
                     {A::Text, CustomItem, 0x0C0B0A, " TEXT=\"#0A0B0C\""},
                     {A::Link, NoItem, 0, ""}};
        a.pageText = QStringLiteral("Coffee for 2 \u20ac<BR>\r\nTea from \u65e5\u672c<BR>\r\n");
        a.items = {QStringLiteral("Espresso"), QStringLiteral("Cr\u00e8me br\u00fbl\u00e9e")};
        a.links = {{QStringLiteral("http://example.com/menu.htm"), QStringLiteral("The menu")}};
        a.email = QStringLiteral("owner@example.com");
        break;
    case LayoutStyle::BasicImageLeft:
        a.title = QStringLiteral("Holiday");
        a.heading = QStringLiteral("Our trip");
        a.headingSize = 0;
        a.pageImage = true;
        a.pageText = QStringLiteral("We went to the sea.");
        a.links = {{QStringLiteral("http://example.com/a.htm"), QStringLiteral("Day one")},
                   {QStringLiteral("http://example.com/b.htm"), QStringLiteral("Day two")}};
        a.comboLinks = true;
        break;
    case LayoutStyle::BasicImageRight:
        a.heading = QStringLiteral("No title given");
        a.backgroundImage = QStringLiteral("paper.gif");
        a.pageText = QStringLiteral("Plain words.");
        a.items = {QStringLiteral("only one")};
        a.bulletStyle = 2;
        a.email = QStringLiteral("me@example.org");
        break;
    case LayoutStyle::TableImageLeft:
        a.title = QStringLiteral("Club");
        a.heading = QStringLiteral("Members");
        a.headingSize = 4;
        a.customColours = true;
        a.colours = {{A::VisitedLink, NavyItem, 0, " VLINK=\"#000080\""},
                     {A::ActiveLink, CustomItem, 0x0080FF, " ALINK=\"#FF8000\""},
                     {A::Background, CustomItem, 0x000000, " BGCOLOR=\"#000000\""}};
        a.pageImage = true;
        a.backgroundImage = QStringLiteral("stone.jpg");
        a.pageText = QStringLiteral("Meetings every Monday.<P>\r\n");
        a.items = {QStringLiteral("Anna"), QStringLiteral("Ben"), QStringLiteral("Chidi")};
        a.bulletStyle = 1;
        a.links = {{QStringLiteral("mailto:club@example.com"), QStringLiteral("Write to us")}};
        a.email = QStringLiteral("club@example.com");
        // A German user: the month's name reaches the file as numeric references.
        a.day = QDate(2027, 3, 5);
        a.settings = german();
        a.footer = QStringLiteral("Freitag, M\u00e4rz 05, 2027");
        break;
    case LayoutStyle::TableImageRight:
        // Custom colours chosen but none ticked: the page keeps the default ones.
        a.customColours = true;
        break;
    case LayoutStyle::None:
        break;
    }
    return a;
}

std::string* slotOf(PageSpec& spec, ColorAttribute attribute)
{
    switch (attribute) {
    case ColorAttribute::Background: return &spec.bgColorAttr;
    case ColorAttribute::Text: return &spec.textColorAttr;
    case ColorAttribute::Link: return &spec.linkColorAttr;
    case ColorAttribute::VisitedLink: return &spec.visitedLinkColorAttr;
    case ColorAttribute::ActiveLink: return &spec.activeLinkColorAttr;
    }
    return nullptr;
}

PageSpec specFor(const Answers& a)
{
    const auto entries = [](const QStringList& texts) {
        std::vector<std::string> result;
        for (const QString& text : texts)
            result.push_back(text.toStdString());
        return result;
    };
    PageSpec spec;
    spec.layout = a.layout;
    spec.title = a.title.toStdString();
    spec.heading = a.heading.toStdString();
    spec.headingSize = a.headingSize;
    for (const ColourPick& pick : a.colours)
        *slotOf(spec, pick.attribute) = pick.slot;
    spec.backgroundImage = a.backgroundImage.toStdString();
    if (a.pageImage) {
        spec.pageImage = "photo.jpg";
        spec.imageWidth = "40";
        spec.imageHeight = "30";
    }
    spec.pageText = a.pageText.toStdString();
    spec.bulletItems = entries(a.items);
    spec.bulletStyle = a.bulletStyle;
    QStringList links;
    for (const auto& [address, description] : a.links)
        links << address + u'\t' + description;
    spec.links = entries(links);
    spec.linkStyle = a.comboLinks ? LinkStyle::ComboBox : LinkStyle::Default;
    spec.authorEmail = a.email.toStdString();
    return spec;
}

std::string documentFor(const PageSpec& spec, const QString& footer = QString::fromLatin1(FixedFooter))
{
    std::string document;
    if (spec.layout == LayoutStyle::TableImageLeft || spec.layout == LayoutStyle::TableImageRight)
        BuildTablePage(spec, footer.toStdString(), document);
    else
        BuildBasicPage(spec, footer.toStdString(), document);
    return document;
}

std::string documentFor(const Answers& a)
{
    return documentFor(specFor(a), a.footer);
}

// The page file of a document: ASCII through the product's own encoder, which has tests of its own, and one CR LF at
// the end.
QByteArray pageFileOf(const std::string& document)
{
    return QByteArray::fromStdString(EncodeAsAscii(document)) + "\r\n";
}

SaveFileResult saveAs(const QString& folder, const QString& name)
{
    return {folder, name, QDir(folder).filePath(name)};
}

// Chooses the colours on the Colors page as a user does: the option, the boxes, then each colour from the menu
// that opens under its button, "Custom..." through the colour dialog.
void chooseColours(WizardFixture& f, const Answers& a)
{
    if (!a.customColours)
        return;
    frmWiz& wiz = *f.wiz;
    wiz.optRadio[OptCustomColors]->click();
    ColourPage& page = wiz.colourPage();
    for (const ColourPick& pick : a.colours) {
        wiz.chkBox[ChkFirstColour + int(pick.attribute)]->click();
        if (pick.item == NoItem)
            continue;
        if (pick.item == CustomItem)
            f.platform.colorAnswers.push_back({pick.dialogColour, definedSlots()});
        // The menu that would pop up is answered at once with the item the user picks in it.
        page.popupMenu = [item = pick.item](QMenu* menu, const QPoint&) { menu->actions().at(item)->trigger(); };
        QTest::mouseClick(&page.colourButton(pick.attribute), Qt::LeftButton, {}, QPoint(5, 5));
    }
}

// Answers every page from Welcome on, as a user would, and stops on Finish.
void fillWizard(WizardFixture& f, const Answers& a, const QString& imageFolder)
{
    frmWiz& wiz = *f.wiz;
    wiz.finishPage().setCalendar([day = a.day] { return day; }, a.settings);
    f.forward();
    wiz.cbBox[CbLayout]->setCurrentIndex(int(a.layout));
    wiz.setBoxText(TxtTitle, a.title);
    wiz.setBoxText(TxtHeading, a.heading);
    wiz.cbBox[CbHeadingSize]->setCurrentIndex(a.headingSize);
    f.forward();

    chooseColours(f, a);
    if (!a.backgroundImage.isEmpty()) {
        wiz.chkBox[ChkBackgroundImage]->setChecked(true);
        wiz.setBoxText(TxtBackgroundImage, a.backgroundImage);
    }
    f.forward();

    if (a.pageImage) {
        const QString path = QDir(imageFolder).filePath(QStringLiteral("photo.jpg"));
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkCyan);
        QVERIFY(picture.save(path, "JPG"));
        wiz.chkBox[ChkPageImage]->setChecked(true);
        f.platform.openAnswers.push_back(OpenFileResult{path, QStringLiteral("photo.jpg")});
        f.press(CmdBrowseImage);
    }
    f.forward();

    wiz.setBoxText(TxtPageText, a.pageText);
    f.forward();

    wiz.cbBox[CbBulletStyle]->setCurrentIndex(a.bulletStyle);
    for (const QString& item : a.items) {
        wiz.setBoxText(TxtBulletItem, item);
        f.press(CmdAddItem);
    }
    f.forward();

    for (const auto& [address, description] : a.links) {
        wiz.setBoxText(TxtLinkAddress, address);
        wiz.setBoxText(TxtLinkDescription, description);
        f.press(CmdAddLink);
    }
    if (a.comboLinks)
        wiz.optRadio[OptComboLinkStyle]->setChecked(true);
    f.forward();

    wiz.setBoxText(TxtEmail, a.email);
    QCOMPARE(wiz.CurrentPage(), int(WizardPage::Finish));
}

QStringList summaryLines(const frmWiz& wiz)
{
    QStringList lines;
    for (int i = 0; i < LblSummaryCount; ++i)
        lines << wiz.lblLabel[LblFirstSummary + i]->text();
    return lines;
}

// The summary the Finish page must show for a set of answers.
QStringList summaryOf(const Answers& a)
{
    const char* const layoutNames[] = {"", "Basic Style", "Basic Style Image Left", "Basic Style Image Right",
                                       "Table Style Image Left", "Table Style Image Right"};
    const QString none = QStringLiteral("None");
    const QString colours = a.customColours ? QStringLiteral("Custom") : QStringLiteral("Default");
    return {QStringLiteral("Layout Style:   ") + QLatin1String(layoutNames[int(a.layout)]),
            QStringLiteral("Page Colors:   ") + colours,
            QStringLiteral("Background Image:   ") + (a.backgroundImage.isEmpty() ? none : a.backgroundImage),
            QStringLiteral("Page Image:   ") + (a.pageImage ? QStringLiteral("photo.jpg") : none),
            QStringLiteral("Number of Lists:   %1").arg(a.items.size()),
            QStringLiteral("Number of Links:   %1").arg(a.links.size())};
}

// Steps backward or forward between Layout and Finish until page shows.
void walkTo(WizardFixture& f, WizardPage page)
{
    for (int step = 0; step < PageCount && f.wiz->CurrentPage() != int(page); ++step) {
        if (f.wiz->CurrentPage() > int(page))
            f.backward();
        else
            f.forward();
    }
    QCOMPARE(f.wiz->CurrentPage(), int(page));
}

} // namespace

class tst_Finish : public QObject {
    Q_OBJECT

public:
    // German regional settings whatever the machine's, so that a page dated in the system's settings differs from
    // one dated in the C locale. Qt reads them once, so they are set before the application starts.
    static void initMain() { qputenv("LC_ALL", "de_DE.UTF-8"); }

private slots:
    void init();
    void cleanup();

    void pageAsCreated();
    void summary_data();
    void summary();
    void footerDate_data();
    void footerDate();
    void footerDateIsReadAtEachGeneration();
    void footerDateUnfixedIsTodayInTheSystemSettings();

    void sourceBrowserShowsTheDocument();
    void sourceBrowserRegeneratesEachTime();
    void repeatedRequestIsDropped_data();
    void repeatedRequestIsDropped();

    void cancellingTheSaveDialog();
    void finishWithoutTheSourceBrowser();
    void saveFailure_data();
    void saveFailure();

    void wholeWizard_data();
    void wholeWizard();
    void anotherPageUndoesEveryChoice();

private:
    QString startFolder;
};

void tst_Finish::init()
{
    startFolder = QDir::currentPath();
}

void tst_Finish::cleanup()
{
    QDir::setCurrent(startFolder);
}

void tst_Finish::pageAsCreated()
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
    QCOMPARE(summaryLines(*f.wiz), (QStringList{"Layout Style:", "Page Colors:   Default", "Background Image:   None",
                                           "Page Image:   None", "Number of Lists:   0", "Number of Links:   0"}));
    for (int i = 0; i < LblSummaryCount; ++i)
        QCOMPARE(f.wiz->lblLabel[LblFirstSummary + i]->parentWidget(), frame);

    // The e-mail label names its box for screen readers; its text has no access key.
    const auto* email = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtEmail]);
    QVERIFY(email);
    const auto labels = panel->findChildren<QLabel*>();
    const auto emailLabel = std::find_if(labels.begin(), labels.end(), [&](const QLabel* l) { return l->buddy() == email; });
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
}

void tst_Finish::summary_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("customColours");
    QTest::addColumn<QString>("background"); // empty: box left empty
    QTest::addColumn<bool>("backgroundTicked");
    QTest::addColumn<bool>("pageImage");
    QTest::addColumn<int>("items");
    QTest::addColumn<int>("links");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("table left, custom colours, three items, no links")
        << int(LayoutStyle::TableImageLeft) << true << QString() << false << false << 3 << 0
        << QStringList{"Layout Style:   Table Style Image Left", "Page Colors:   Custom", "Background Image:   None",
                       "Page Image:   None", "Number of Lists:   3", "Number of Links:   0"};
    QTest::newRow("basic style, both pictures included, links counted")
        << int(LayoutStyle::BasicStyle) << false << QStringLiteral("paper.gif") << true << true << 0 << 2
        << QStringList{"Layout Style:   Basic Style", "Page Colors:   Default", "Background Image:   paper.gif",
                       "Page Image:   photo.jpg", "Number of Lists:   0", "Number of Links:   2"};
    QTest::newRow("background ticked but empty is none")
        << int(LayoutStyle::BasicImageRight) << false << QString() << true << false << 1 << 1
        << QStringList{"Layout Style:   Basic Style Image Right", "Page Colors:   Default",
                       "Background Image:   None", "Page Image:   None", "Number of Lists:   1",
                       "Number of Links:   1"};
    QTest::newRow("background named but not ticked is none")
        << int(LayoutStyle::TableImageRight) << true << QStringLiteral("paper.gif") << false << false << 0 << 0
        << QStringList{"Layout Style:   Table Style Image Right", "Page Colors:   Custom",
                       "Background Image:   None", "Page Image:   None", "Number of Lists:   0",
                       "Number of Links:   0"};
}

void tst_Finish::summary()
{
    QFETCH(int, layout);
    QFETCH(bool, customColours);
    QFETCH(QString, background);
    QFETCH(bool, backgroundTicked);
    QFETCH(bool, pageImage);
    QFETCH(int, items);
    QFETCH(int, links);
    QFETCH(QStringList, expected);
    QTemporaryDir folder;
    FinishFixture f;

    Answers a;
    a.layout = LayoutStyle(layout);
    a.pageImage = pageImage;
    for (int i = 0; i < items; ++i)
        a.items << QStringLiteral("item %1").arg(i);
    for (int i = 0; i < links; ++i)
        a.links.push_back({QStringLiteral("http://example.com/%1").arg(i), QStringLiteral("link %1").arg(i)});
    fillWizard(f, a, folder.path());

    // Back to the colours, where the answers under test are given, and forward again to fill the summary anew.
    while (f.wiz->CurrentPage() != int(WizardPage::Colors))
        f.backward();
    f.wiz->optRadio[customColours ? OptCustomColors : OptDefaultColors]->setChecked(true);
    f.wiz->chkBox[ChkBackgroundImage]->setChecked(backgroundTicked);
    f.wiz->setBoxText(TxtBackgroundImage, background);
    while (f.wiz->CurrentPage() != int(WizardPage::Finish))
        f.forward();

    QCOMPARE(summaryLines(*f.wiz), expected);
}

void tst_Finish::footerDate_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QLocale>("settings");
    QTest::addColumn<QString>("footer");

    QTest::newRow("English, single-digit day with its zero")
        << QDate(2026, 12, 7) << english() << QStringLiteral("Monday, December 07, 2026");
    QTest::newRow("English, another single-digit day, month and year")
        << QDate(2027, 3, 5) << english() << QStringLiteral("Friday, March 05, 2027");
    QTest::newRow("English, two-digit day") << QDate(2026, 11, 23) << english()
                                            << QStringLiteral("Monday, November 23, 2026");
    QTest::newRow("German names from the regional settings")
        << QDate(2026, 12, 7) << german() << QStringLiteral("Montag, Dezember 07, 2026");
    QTest::newRow("German month name beyond ASCII")
        << QDate(2027, 3, 5) << german() << QStringLiteral("Freitag, M\u00e4rz 05, 2027");
}

void tst_Finish::footerDate()
{
    QFETCH(QDate, day);
    QFETCH(QLocale, settings);
    QFETCH(QString, footer);
    FinishFixture f;
    f.goTo(WizardPage::Finish, int(LayoutStyle::BasicStyle));
    f.wiz->finishPage().setCalendar([day] { return day; }, settings);
    std::string held;
    f.platform.whileModal = [&](QDialog*) { held = f.wiz->sourceBrowser().pageDocument(); };

    f.press(CmdSourceBrowser);

    const QString document = QString::fromStdString(held);
    const QString ending = QStringLiteral("\r\non ") + footer + QStringLiteral("\r\n\r\n\r\n</BODY>\r\n</HTML>");
    QCOMPARE(document.right(ending.size()), ending);
    QCOMPARE(document, QString::fromStdString(documentFor(f.wiz->pageSpec(), footer)));
}

void tst_Finish::footerDateIsReadAtEachGeneration()
{
    // A wizard left open over midnight dates the next page with the new day.
    FinishFixture f;
    f.goTo(WizardPage::Finish, int(LayoutStyle::TableImageLeft));
    QDate day(2026, 12, 31);
    f.wiz->finishPage().setCalendar([&day] { return day; }, english());
    std::vector<std::string> documents;
    f.platform.whileModal = [&](QDialog*) { documents.push_back(f.wiz->sourceBrowser().pageDocument()); };

    f.press(CmdSourceBrowser);
    day = QDate(2027, 1, 1);
    f.press(CmdSourceBrowser);

    QCOMPARE(documents.size(), size_t(2));
    const PageSpec spec = f.wiz->pageSpec();
    QCOMPARE(documents[0], documentFor(spec, QStringLiteral("Thursday, December 31, 2026")));
    QCOMPARE(documents[1], documentFor(spec, QStringLiteral("Friday, January 01, 2027")));
}

void tst_Finish::footerDateUnfixedIsTodayInTheSystemSettings()
{
    // initMain() gave this program German regional settings, unlike those of the C locale.
    WizardFixture f;
    f.goTo(WizardPage::Finish, int(LayoutStyle::BasicStyle));
    std::string held;
    f.platform.whileModal = [&](QDialog*) { held = f.wiz->sourceBrowser().pageDocument(); };
    const auto footerOf = [](QDate day) { return german().toString(day, QStringLiteral("dddd, MMMM dd, yyyy")); };

    const QDate before = QDate::currentDate();
    f.press(CmdSourceBrowser);
    const QDate after = QDate::currentDate();

    const QString document = QString::fromStdString(held);
    const PageSpec spec = f.wiz->pageSpec();
    // Across midnight the page may carry the day before.
    const QDate day = document == QString::fromStdString(documentFor(spec, footerOf(before))) ? before : after;
    const QString expected = QString::fromStdString(documentFor(spec, footerOf(day)));
    // The end first, where the date is, so that a wrong one reads plainly.
    QCOMPARE(document.right(60), expected.right(60));
    QCOMPARE(document, expected);
}

void tst_Finish::sourceBrowserShowsTheDocument()
{
    FinishFixture f;
    QTemporaryDir folder;
    const Answers a = answersFor(LayoutStyle::BasicStyle);
    fillWizard(f, a, folder.path());
    const std::string expected = documentFor(a);

    std::string held;
    QString shown;
    const QWidget* ownerWhileShown = nullptr;
    bool markWhileShown = false;
    int busyWhileShown = 0;
    f.platform.whileModal = [&](QDialog* window) {
        auto* browser = qobject_cast<frmEdit*>(window);
        QVERIFY(browser);
        held = browser->pageDocument();
        shown = browser->txtSource->toPlainText();
        ownerWhileShown = browser->parentWidget();
        markWhileShown = f.wiz->finishPage().sourceBrowserBusy;
        busyWhileShown = f.platform.busyDepth;
    };
    f.press(CmdSourceBrowser);

    QCOMPARE(f.platform.count(QStringLiteral("runModal")), 1);
    QCOMPARE(f.platform.callsOf(QStringLiteral("runModal"))[0].args, QStringList{QStringLiteral("frmEdit")});
    QCOMPARE(held, expected);
    QCOMPARE(shown, QString::fromStdString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // Owned by the wizard, so that it is shown over it and goes with it.
    QCOMPARE(ownerWhileShown, f.wiz.get());
    QVERIFY(markWhileShown);
    QCOMPARE(busyWhileShown, 1);

    // The pointer was busy over the main window from before the writer ran until the window was closed.
    QStringList order;
    for (const auto& call : f.platform.calls)
        if (call.what == u"beginBusy" || call.what == u"runModal" || call.what == u"endBusy")
            order << call.what + u' ' + call.args.join(u' ');
    QCOMPARE(order, (QStringList{"beginBusy window frmWiz", "runModal frmEdit", "endBusy window frmWiz"}));
    QVERIFY(!f.wiz->finishPage().sourceBrowserBusy);
    QVERIFY(!f.wiz->hasSourceBrowser());
    QCOMPARE(f.wiz->CurrentPage(), int(WizardPage::Finish));
    QCOMPARE(f.platform.count(QStringLiteral("messageBox")), 0);
}

void tst_Finish::sourceBrowserRegeneratesEachTime()
{
    FinishFixture f;
    f.goTo(WizardPage::Finish, int(LayoutStyle::TableImageRight));
    std::vector<std::string> documents;
    std::vector<QPointer<frmEdit>> windows;
    f.platform.whileModal = [&](QDialog* window) {
        auto* browser = qobject_cast<frmEdit*>(window);
        documents.push_back(browser->pageDocument());
        windows.emplace_back(browser);
    };

    f.press(CmdSourceBrowser);
    f.press(CmdSourceBrowser);
    f.wiz->setBoxText(TxtEmail, QStringLiteral("new@example.com"));
    f.press(CmdSourceBrowser);

    QCOMPARE(documents.size(), size_t(3));
    QCOMPARE(documents[1], documents[0]);
    QVERIFY(documents[0].find("new@example.com") == std::string::npos);
    QVERIFY(documents[2].find("new@example.com") != std::string::npos);
    // Every press wrote into a new window; the closed ones emptied and went away.
    QVERIFY(windows[0] != windows[1] && windows[1] != windows[2]);
    QTRY_VERIFY(std::all_of(windows.begin(), windows.end(), [](const QPointer<frmEdit>& w) { return w.isNull(); }));
}

void tst_Finish::repeatedRequestIsDropped_data()
{
    QTest::addColumn<bool>("sourceBrowser"); // else finish, pressed again during its congratulation
    QTest::newRow("Source Browser pressed while its window is shown") << true;
    QTest::newRow("Finish pressed while the congratulation is shown") << false;
}

void tst_Finish::repeatedRequestIsDropped()
{
    QFETCH(bool, sourceBrowser);
    FinishFixture f;
    QTemporaryDir folder;
    f.goTo(WizardPage::Finish, int(LayoutStyle::BasicStyle));
    int nested = 0;
    if (sourceBrowser) {
        f.platform.whileModal = [&](QDialog*) {
            ++nested;
            f.press(CmdSourceBrowser);
        };
        f.press(CmdSourceBrowser);
        QCOMPARE(f.platform.count(QStringLiteral("runModal")), 1);
        QCOMPARE(f.platform.count(QStringLiteral("beginBusy")), 1);
        QVERIFY(!f.wiz->finishPage().sourceBrowserBusy);
        // The mark is cleared: the next press is served again.
        f.press(CmdSourceBrowser);
        QCOMPARE(f.platform.count(QStringLiteral("runModal")), 2);
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
        QCOMPARE(f.platform.count(QStringLiteral("saveFile")), 1);
        QCOMPARE(f.platform.count(QStringLiteral("beginBusy")), 1);
        QVERIFY(!QFile::exists(QDir(folder.path()).filePath(QStringLiteral("second.htm"))));
        QVERIFY(!f.wiz->finishPage().finishBusy);
    }
}

void tst_Finish::cancellingTheSaveDialog()
{
    FinishFixture f;
    f.goTo(WizardPage::Finish, int(LayoutStyle::TableImageLeft));
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
    QCOMPARE(types, (QStringList{"HTML Files (*.htm,*.html)|*.htm;*.html", "Plain Text Files (*.txt)|*.txt",
                                 "All Files (*.*)|*.*"}));
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
    QCOMPARE(f.platform.count(QStringLiteral("saveFile")), 2);
}

void tst_Finish::finishWithoutTheSourceBrowser()
{
    FinishFixture f;
    QTemporaryDir folder;
    const Answers a = answersFor(LayoutStyle::TableImageLeft);
    fillWizard(f, a, folder.path());
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
    QCOMPARE(f.platform.count(QStringLiteral("runModal")), 0);
    QVERIFY(browserLoaded);
    QVERIFY(browserHidden);
    QCOMPARE(held, document);
    QVERIFY(!f.wiz->isVisible());
    QVERIFY(!f.wiz->hasSourceBrowser());

    QStringList order;
    for (const auto& call : f.platform.calls)
        order << call.what;
    QCOMPARE(order, (QStringList{"saveFile", "beginBusy", "endBusy", "beep", "messageBox"}));
    QCOMPARE(f.platform.callsOf(QStringLiteral("messageBox"))[0].args,
             (QStringList{Congratulation, "yesno", "none", "Larkspan", "frmWiz"}));
}

void tst_Finish::saveFailure_data()
{
    QTest::addColumn<QString>("folder"); // under the temporary folder, which holds the file "old.htm"
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("diskFull");

    QTest::newRow("the chosen folder is gone") << QStringLiteral("gone") << QStringLiteral("page.htm") << false;
    QTest::newRow("a file where the folder should be") << QStringLiteral("old.htm") << QStringLiteral("page.htm")
                                                       << false;
    QTest::newRow("the disk fills up over an existing page") << QString() << QStringLiteral("old.htm") << true;
}

void tst_Finish::saveFailure()
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
    fillWizard(f, a, temporary.path());
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

    const auto boxes = f.platform.callsOf(QStringLiteral("messageBox"));
    QCOMPARE(boxes.size(), size_t(1));
    const QStringList& box = boxes[0].args;
    const QString opening = QStringLiteral("Your web page could not be saved as\r\n%1\r\n\r\n")
                                .arg(QDir::toNativeSeparators(chosenPath));
    QVERIFY2(box[0].startsWith(opening), qPrintable(box[0]));
    QVERIFY2(box[0].size() > opening.size(), "the system's reason follows");
    QCOMPARE(box.mid(1), (QStringList{"ok", "critical", "Larkspan", "frmWiz"}));
    QCOMPARE(f.platform.count(QStringLiteral("beep")), 0);

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
    QCOMPARE(visible(readAll(root.filePath(QStringLiteral("second.htm")))),
             visible(pageFileOf(documentFor(a))));
    QCOMPARE(f.platform.messages().last(), Congratulation);
}

void tst_Finish::wholeWizard_data()
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

void tst_Finish::wholeWizard()
{
    QFETCH(int, layout);
    QFETCH(bool, another);
    FinishFixture f;
    QTemporaryDir folder;
    const Answers a = answersFor(LayoutStyle(layout));
    fillWizard(f, a, folder.path());
    frmWiz& wiz = *f.wiz;
    QCOMPARE(summaryLines(wiz), summaryOf(a));

    // Back to the first question and forward again, as a user looking over the answers would. The summary is
    // emptied behind the wizard's back, so that only filling it on arrival can bring it back.
    walkTo(f, WizardPage::Layout);
    for (int i = 0; i < LblSummaryCount; ++i)
        wiz.lblLabel[LblFirstSummary + i]->clear();
    walkTo(f, WizardPage::Finish);
    QCOMPARE(summaryLines(wiz), summaryOf(a));
    QCOMPARE(wiz.boxText(TxtEmail), a.email);
    const bool dialogUsed = std::ranges::any_of(a.colours, [](const ColourPick& p) { return p.item == CustomItem; });
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

void tst_Finish::anotherPageUndoesEveryChoice()
{
    FinishFixture f;
    QTemporaryDir folder;
    fillWizard(f, answersFor(LayoutStyle::TableImageLeft), folder.path());
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
    while (f.wiz->CurrentPage() != int(WizardPage::Finish))
        f.forward();
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

QTEST_MAIN(tst_Finish)
#include "tst_finish.moc"
