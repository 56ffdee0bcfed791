#include "wizardfixture.h"

#include "colours/colorformat.h"
#include "colours/colourbutton.h"
#include "colours/colourpage.h"
#include "colours/colourpreview.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgRenderer>

#include <algorithm>
#include <functional>

using namespace larkspan;

Q_DECLARE_METATYPE(larkspan::ColorAttribute)

namespace {

// Items the menu draws with a check box or a check mark before them: only the checked one may be.
qsizetype checkedCount(const QMenu* menu)
{
    const QList<QAction*> actions = menu->actions();
    return std::count_if(actions.begin(), actions.end(), std::mem_fn(&QAction::isCheckable));
}

// A colour button face as the drawing of that name gives it at the button's size and pixel ratio.
QImage drawnFace(const char* name, qreal ratio)
{
    QImage image(QSize(18, 18) * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QStringLiteral(":/colours/") + QLatin1String(name));
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QImage shownFace(const ColourButton& button)
{
    return button.facePicture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

using A = ColorAttribute;

// What the page must write and paint, written out here rather than taken from the code's own tables.
const char* const prefixes[] = {" BGCOLOR=", " TEXT=", " LINK=", " VLINK=", " ALINK="};
const char* const menuTitles[] = {"Color", "Color1", "Color2", "Color3", "Color4"};
const char* const hiddenMenuNames[] = {"zmnuColors0", "zmnuColors1", "zmnuColors2", "zmnuColors3", "zmnuColors4"};

struct ExpectedColour {
    const char* caption;
    int red, green, blue;
    const char* text;
};
const ExpectedColour namedColours[] = {
    {"&Aqua", 0, 255, 255, "#00FFFF"},    {"&Black", 0, 0, 0, "#000000"},      {"Bl&ue", 0, 0, 255, "#0000FF"},
    {"&Fuchsia", 255, 0, 255, "#FF00FF"}, {"&Gray", 128, 128, 128, "#808080"}, {"Gr&een", 0, 128, 0, "#008000"},
    {"&Lime", 0, 255, 0, "#00FF00"},      {"&Maroon", 128, 0, 0, "#800000"},   {"&Navy", 0, 0, 128, "#000080"},
    {"&Olive", 128, 128, 0, "#808000"},   {"&Purple", 128, 0, 128, "#800080"}, {"&Red", 255, 0, 0, "#FF0000"},
    {"&Silver", 192, 192, 192, "#C0C0C0"}, {"&Teal", 0, 128, 128, "#008080"}, {"&White", 255, 255, 255, "#FFFFFF"},
    {"&Yellow", 255, 255, 0, "#FFFF00"},
};
constexpr int NavyItem = 10;

QString resetSlot(A attribute)
{
    return attribute == A::Background ? QStringLiteral(" BGCOLOR=\"#FFFFFF\"") : QString();
}

QColor buttonTextColour()
{
    return QApplication::palette().color(QPalette::ButtonText);
}

QColor resetPreview(A attribute)
{
    switch (attribute) {
    case A::Background: return QColor(255, 255, 255);
    case A::Text: return buttonTextColour();
    case A::Link: return QColor(0, 0, 255);
    case A::VisitedLink: return QColor(128, 0, 128);
    case A::ActiveLink: return QColor(255, 0, 0);
    }
    return {};
}

CustomColors numberedSlots(ColorRef first)
{
    CustomColors table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = first + ColorRef(i);
    return table;
}

// The wizard on its Colors page, with colour menus that record where they would open instead of opening.
struct ColourFixture : WizardFixture {
    struct Popup {
        QMenu* menu;
        QPoint clientPoint;
    };

    ColourFixture()
    {
        goTo(WizardPage::Colors);
        page().popupMenu = [this](QMenu* menu, const QPoint& clientPoint) { popups.push_back({menu, clientPoint}); };
    }

    ColourPage& page() const { return wiz->colourPage(); }
    ColourButton& button(A attribute) const { return page().colourButton(attribute); }
    QCheckBox* box(A attribute) const { return wiz->chkBox[ChkFirstColour + int(attribute)]; }
    QString slot(A attribute) const { return QString::fromStdString(page().slotText(attribute)); }
    QString specSlot(A attribute) const
    {
        const PageSpec spec = wiz->pageSpec();
        const std::string* fields[] = {&spec.bgColorAttr, &spec.textColorAttr, &spec.linkColorAttr,
                                       &spec.visitedLinkColorAttr, &spec.activeLinkColorAttr};
        return QString::fromStdString(*fields[int(attribute)]);
    }
    QColor previewColour(A attribute) const { return page().preview().colour(attribute); }
    int checkedItem(A attribute) const { return page().menus().checkedItem(attribute); }

    void chooseCustom() { wiz->optRadio[OptCustomColors]->click(); }
    void chooseDefault() { wiz->optRadio[OptDefaultColors]->click(); }
    void tick(A attribute) { box(attribute)->click(); }
    // Picks an item as the user does: the menu's action is triggered.
    void pick(A attribute, int item) { page().menus().item(attribute, item)->trigger(); }

    std::vector<Popup> popups;
};

} // namespace

class tst_Colours : public QObject {
    Q_OBJECT

private slots:
    void formatColor_data();
    void formatColor();
    void colourMenusHoldTheirItems();
    void namedColourIntoEverySlot_data();
    void namedColourIntoEverySlot();
    void separatorOnlyRemovesCheckMarks();
    void customColour_data();
    void customColour();
    void customSlotsAreSharedBetweenMenus();
    void startState();
    void tickStep_data();
    void tickStep();
    void untickResetsOnlyItsAttribute_data();
    void untickResetsOnlyItsAttribute();
    void defaultKeepsCheckMarksCustomRemovesThem();
    void disabledBoxChangeIsSilent();
    void backgroundImageTick();
    void colourButtonMouse_data();
    void colourButtonMouse();
    void menuOpensUnderTheButton_data();
    void menuOpensUnderTheButton();
    void poppedUpMenuChoosesByAccessKey();
    void keyboardOpensTheMenu();
    void previewColoursAfterReset();
    void resetForAnotherPage();
    void pictureButtonsAreNamedAndSharp();
};

void tst_Colours::formatColor_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("text");
    QTest::newRow("orange (255, 128, 0)") << 0x0080FFu << QStringLiteral("#FF8000");
    QTest::newRow("(10, 11, 12) is zero-padded") << 0x0C0B0Au << QStringLiteral("#0A0B0C");
    QTest::newRow("black") << 0x000000u << QStringLiteral("#000000");
    QTest::newRow("white") << 0xFFFFFFu << QStringLiteral("#FFFFFF");
    QTest::newRow("red is the low byte") << 0x0000FFu << QStringLiteral("#FF0000");
    QTest::newRow("blue is the high byte") << 0xFF0000u << QStringLiteral("#0000FF");
    QTest::newRow("one digit each (1, 2, 3)") << 0x030201u << QStringLiteral("#010203");
    QTest::newRow("sixteen needs no padding") << 0x000010u << QStringLiteral("#100000");
    QTest::newRow("fifteen is padded, uppercase") << 0xF0000Fu << QStringLiteral("#0F00F0");
    QTest::newRow("mixed (171, 205, 239)") << 0xEFCDABu << QStringLiteral("#ABCDEF");
}

void tst_Colours::formatColor()
{
    QFETCH(uint, colour);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatColor(colour)), text);
}

void tst_Colours::colourMenusHoldTheirItems()
{
    ColourFixture f;
    for (const A attribute : AllColorAttributes) {
        QMenu* menu = f.page().menus().menu(attribute);
        const int a = int(attribute);
        QCOMPARE(menu->objectName(), QString::fromLatin1(hiddenMenuNames[a]));
        QCOMPARE(menu->title(), QString::fromLatin1(menuTitles[a]));
        QVERIFY(!menu->isVisible());
        const QList<QAction*> items = menu->actions();
        QCOMPARE(items.size(), 18);
        QCOMPARE(items[0]->text(), QStringLiteral("&Custom..."));
        QVERIFY(items[1]->isSeparator());
        for (int i = 2; i < 18; ++i)
            QCOMPARE(items[i]->text(), QString::fromLatin1(namedColours[i - 2].caption));
        QCOMPARE(checkedCount(menu), 0);
    }
}

void tst_Colours::namedColourIntoEverySlot_data()
{
    QTest::addColumn<A>("attribute");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QColor>("preview");
    for (const A attribute : AllColorAttributes) {
        for (int i = 0; i < 16; ++i) {
            const ExpectedColour& c = namedColours[i];
            const QString name = QString::fromLatin1(c.caption).remove(u'&');
            QTest::addRow("%s into%s", qPrintable(name), prefixes[int(attribute)])
                << attribute << i + 2
                << QString::fromLatin1(prefixes[int(attribute)]) + u'"' + QString::fromLatin1(c.text) + u'"'
                << QColor(c.red, c.green, c.blue);
        }
    }
}

void tst_Colours::namedColourIntoEverySlot()
{
    QFETCH(A, attribute);
    QFETCH(int, item);
    QFETCH(QString, slot);
    QFETCH(QColor, preview);

    ColourFixture f;
    f.chooseCustom();
    f.tick(attribute);
    f.pick(attribute, item);

    QCOMPARE(f.slot(attribute), slot);
    QCOMPARE(f.specSlot(attribute), slot);
    QCOMPARE(f.previewColour(attribute), preview);
    QCOMPARE(f.checkedItem(attribute), item);
    QCOMPARE(checkedCount(f.page().menus().menu(attribute)), 1);

    // Choosing the same colour again, although its item is already checked, gives the same result.
    f.pick(attribute, item);
    QCOMPARE(f.slot(attribute), slot);
    QCOMPARE(f.checkedItem(attribute), item);

    for (const A other : AllColorAttributes) {
        if (other == attribute)
            continue;
        QCOMPARE(f.slot(other), resetSlot(other));
        QCOMPARE(f.previewColour(other), resetPreview(other));
    }
    QCOMPARE(f.platform.count(QStringLiteral("chooseColor")), 0);
}

void tst_Colours::separatorOnlyRemovesCheckMarks()
{
    ColourFixture f;
    f.chooseCustom();
    f.tick(A::Link);
    f.pick(A::Link, NavyItem);
    f.page().mnuColors2_Click(1);
    QCOMPARE(f.checkedItem(A::Link), -1);
    QCOMPARE(f.slot(A::Link), QStringLiteral(" LINK=\"#000080\""));
    QCOMPARE(f.previewColour(A::Link), QColor(0, 0, 128));
}

void tst_Colours::customColour_data()
{
    QTest::addColumn<A>("attribute");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("slot");
    QTest::addColumn<QColor>("preview");

    QTest::newRow("confirmed (10, 11, 12) in the text menu")
        << A::Text << true << 0x0C0B0Au << QStringLiteral(" TEXT=\"#0A0B0C\"") << QColor(10, 11, 12);
    QTest::newRow("confirmed black in the background menu")
        << A::Background << true << 0x000000u << QStringLiteral(" BGCOLOR=\"#000000\"") << QColor(0, 0, 0);
    QTest::newRow("confirmed orange in the active link menu")
        << A::ActiveLink << true << 0x0080FFu << QStringLiteral(" ALINK=\"#FF8000\"") << QColor(255, 128, 0);
    QTest::newRow("cancelled keeps the earlier navy")
        << A::Link << false << 0x123456u << QStringLiteral(" LINK=\"#000080\"") << QColor(0, 0, 128);
}

void tst_Colours::customColour()
{
    QFETCH(A, attribute);
    QFETCH(bool, confirmed);
    QFETCH(uint, colour);
    QFETCH(QString, slot);
    QFETCH(QColor, preview);

    ColourFixture f;
    f.chooseCustom();
    f.tick(attribute);
    f.pick(attribute, NavyItem);
    const CustomColors before = f.wiz->colourPage().customColors;
    const CustomColors edited = numberedSlots(0x00101010);
    f.platform.colorAnswers.push_back({confirmed ? std::optional<ColorRef>(colour) : std::nullopt, edited});

    f.pick(attribute, 0);

    const auto dialogs = f.platform.callsOf(QStringLiteral("chooseColor"));
    QCOMPARE(dialogs.size(), size_t(1));
    QCOMPARE(dialogs[0].args, QStringList{QStringLiteral("frmWiz")});
    QCOMPARE(f.platform.colorDialogSlots[0], before);
    QCOMPARE(f.slot(attribute), slot);
    QCOMPARE(f.specSlot(attribute), slot);
    QCOMPARE(f.previewColour(attribute), preview);
    // The check mark is on "Custom..." whether or not the dialog was confirmed.
    QCOMPARE(f.checkedItem(attribute), 0);
    QCOMPARE(checkedCount(f.page().menus().menu(attribute)), 1);
    QCOMPARE(f.wiz->colourPage().customColors, confirmed ? edited : before);
}

void tst_Colours::customSlotsAreSharedBetweenMenus()
{
    ColourFixture f;
    const CustomColors defined = numberedSlots(0x00200000);
    f.platform.colorAnswers.push_back({ColorRef(0x000080), defined});
    f.platform.colorAnswers.push_back({std::nullopt, numberedSlots(0x00300000)});
    f.platform.colorAnswers.push_back({ColorRef(0x008000), defined});

    f.page().mnuColors1_Click(0);
    f.page().mnuColors2_Click(0);
    f.page().mnuColors4_Click(0);

    const auto& opened = f.platform.colorDialogSlots;
    QCOMPARE(opened.size(), size_t(3));
    QCOMPARE(opened[0], CustomColors{});
    // Defined from the text colour menu, offered again from the link colour menu.
    QCOMPARE(opened[1], defined);
    // Slots changed in the cancelled dialog are not offered.
    QCOMPARE(opened[2], defined);
    QCOMPARE(f.slot(A::Link), QString());
    QCOMPARE(f.slot(A::ActiveLink), QStringLiteral(" ALINK=\"#008000\""));
}

void tst_Colours::startState()
{
    ColourFixture f;
    QVERIFY(f.wiz->optRadio[OptDefaultColors]->isChecked());
    QVERIFY(!f.wiz->optRadio[OptCustomColors]->isChecked());
    QCOMPARE(f.wiz->optRadio[OptDefaultColors]->text(), QStringLiteral("&Default Colors"));
    QCOMPARE(f.wiz->optRadio[OptCustomColors]->text(), QStringLiteral("C&ustom Colors"));
    const QString captions[] = {QStringLiteral("Backg&round Color"), QStringLiteral("&Text Color"),
                                QStringLiteral("&Link Color"), QStringLiteral("&Visited Link Color"),
                                QStringLiteral("&Active Link Color")};
    for (const A attribute : AllColorAttributes) {
        QCOMPARE(f.box(attribute)->text(), captions[int(attribute)]);
        QCOMPARE(f.box(attribute)->objectName(), QStringLiteral("chkBox_%1").arg(int(attribute)));
        QVERIFY(!f.box(attribute)->isEnabled());
        QVERIFY(!f.box(attribute)->isChecked());
        QCOMPARE(f.button(attribute).objectName(), QStringLiteral("imgWiz_%1").arg(1 + int(attribute)));
        QVERIFY(f.button(attribute).isVisible());
        QVERIFY(!f.button(attribute).isEnabled());
        QCOMPARE(f.button(attribute).face(), ColourButton::Face::Raised);
        QCOMPARE(shownFace(f.button(attribute)), drawnFace("raised", f.button(attribute).devicePixelRatioF()));
        QCOMPARE(f.slot(attribute), resetSlot(attribute));
        QCOMPARE(f.specSlot(attribute), resetSlot(attribute));
        QCOMPARE(f.previewColour(attribute), resetPreview(attribute));
        QCOMPARE(f.checkedItem(attribute), -1);
    }
    QCOMPARE(f.wiz->chkBox[ChkBackgroundImage]->text(), QStringLiteral("Include Background I&mage"));
    QVERIFY(f.wiz->chkBox[ChkBackgroundImage]->isEnabled());
    QVERIFY(!f.wiz->chkBox[ChkBackgroundImage]->isChecked());
    QCOMPARE(f.wiz->boxText(TxtBackgroundImage), QString());
    QCOMPARE(f.wiz->txtBox[TxtBackgroundImage]->objectName(), QStringLiteral("txtBox_2"));
    QVERIFY(!f.wiz->txtBox[TxtBackgroundImage]->isEnabled());
    QVERIFY(!f.wiz->cmdButton[CmdBrowseBackground]->isEnabled());
    QCOMPARE(f.wiz->colourPage().customColors, CustomColors{});

    // The samples: Arial 8.25 point, the three links underlined.
    const QString samples[] = {QString(), QStringLiteral("Text"), QStringLiteral("Link"),
                               QStringLiteral("Visited Link"), QStringLiteral("Active Link")};
    QVERIFY(!f.page().preview().sample(A::Background));
    for (const A attribute : {A::Text, A::Link, A::VisitedLink, A::ActiveLink}) {
        const QLabel* sample = f.page().preview().sample(attribute);
        QCOMPARE(sample->text(), samples[int(attribute)]);
        QCOMPARE(sample->font().family(), QStringLiteral("Arial"));
        QCOMPARE(sample->font().pointSizeF(), 8.25);
        QCOMPARE(sample->font().underline(), attribute != A::Text);
    }
    QCOMPARE(f.wiz->picBox[PicColourPreview], &f.page().preview());
}

void tst_Colours::tickStep_data()
{
    QTest::addColumn<A>("attribute");
    QTest::addColumn<int>("defaultItem");
    QTest::newRow("background checks White") << A::Background << 16;
    QTest::newRow("text checks Black") << A::Text << 3;
    QTest::newRow("link checks Blue") << A::Link << 4;
    QTest::newRow("visited link checks Purple") << A::VisitedLink << 12;
    QTest::newRow("active link checks Red") << A::ActiveLink << 13;
}

void tst_Colours::tickStep()
{
    QFETCH(A, attribute);
    QFETCH(int, defaultItem);

    ColourFixture f;
    f.chooseCustom();
    f.tick(attribute);

    QVERIFY(f.button(attribute).isEnabled());
    QCOMPARE(f.checkedItem(attribute), defaultItem);
    // No colour in the page until one is picked; the background always has its white.
    QCOMPARE(f.slot(attribute), resetSlot(attribute));
    QCOMPARE(f.previewColour(attribute), resetPreview(attribute));
    for (const A other : AllColorAttributes)
        if (other != attribute)
            QVERIFY(!f.button(other).isEnabled());
}

void tst_Colours::untickResetsOnlyItsAttribute_data()
{
    QTest::addColumn<A>("attribute");
    for (const A attribute : AllColorAttributes)
        QTest::addRow("untick%s", prefixes[int(attribute)]) << attribute;
}

void tst_Colours::untickResetsOnlyItsAttribute()
{
    QFETCH(A, attribute);

    ColourFixture f;
    f.chooseCustom();
    for (const A each : AllColorAttributes) {
        f.tick(each);
        f.pick(each, NavyItem);
    }

    f.tick(attribute);

    QVERIFY(!f.box(attribute)->isChecked());
    QVERIFY(!f.button(attribute).isEnabled());
    QCOMPARE(f.checkedItem(attribute), -1);
    QCOMPARE(f.slot(attribute), resetSlot(attribute));
    QCOMPARE(f.specSlot(attribute), resetSlot(attribute));
    QCOMPARE(f.previewColour(attribute), resetPreview(attribute));
    for (const A other : AllColorAttributes) {
        if (other == attribute)
            continue;
        QVERIFY(f.button(other).isEnabled());
        QCOMPARE(f.checkedItem(other), NavyItem);
        QCOMPARE(f.slot(other), QString::fromLatin1(prefixes[int(other)]) + QStringLiteral("\"#000080\""));
        QCOMPARE(f.previewColour(other), QColor(0, 0, 128));
    }
}

void tst_Colours::defaultKeepsCheckMarksCustomRemovesThem()
{
    ColourFixture f;
    f.chooseCustom();
    for (const A each : AllColorAttributes) {
        f.tick(each);
        f.pick(each, NavyItem);
    }

    f.chooseDefault();
    for (const A attribute : AllColorAttributes) {
        QVERIFY(!f.box(attribute)->isEnabled());
        QVERIFY(!f.box(attribute)->isChecked());
        QVERIFY(!f.button(attribute).isEnabled());
        QCOMPARE(f.slot(attribute), resetSlot(attribute));
        QCOMPARE(f.previewColour(attribute), resetPreview(attribute));
        QCOMPARE(f.checkedItem(attribute), NavyItem);
    }

    f.chooseCustom();
    for (const A attribute : AllColorAttributes) {
        QCOMPARE(f.checkedItem(attribute), -1);
        QVERIFY(f.box(attribute)->isEnabled());
        QVERIFY(!f.box(attribute)->isChecked());
        // A colour button waits for its box.
        QVERIFY(!f.button(attribute).isEnabled());
        QCOMPARE(f.slot(attribute), resetSlot(attribute));
    }
}

void tst_Colours::disabledBoxChangeIsSilent()
{
    ColourFixture f;
    f.chooseCustom();
    f.tick(A::Text);
    f.pick(A::Text, NavyItem);

    f.box(A::Text)->setEnabled(false);
    f.box(A::Text)->setChecked(false);
    QVERIFY(f.button(A::Text).isEnabled());
    QCOMPARE(f.checkedItem(A::Text), NavyItem);
    QCOMPARE(f.slot(A::Text), QStringLiteral(" TEXT=\"#000080\""));

    // Ticked by the program while disabled: no button, no check mark.
    f.chooseDefault();
    f.box(A::Link)->setChecked(true);
    QVERIFY(!f.button(A::Link).isEnabled());
    QCOMPARE(f.checkedItem(A::Link), -1);
}

void tst_Colours::backgroundImageTick()
{
    ColourFixture f;
    QCheckBox* include = f.wiz->chkBox[ChkBackgroundImage];
    auto* imageBox = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtBackgroundImage]);
    QPushButton* browse = f.wiz->cmdButton[CmdBrowseBackground];

    include->click();
    QVERIFY(imageBox->isEnabled());
    QVERIFY(browse->isEnabled());
    QTest::keyClicks(imageBox, QStringLiteral("sky.gif"));
    QCOMPARE(f.wiz->pageSpec().backgroundImage, std::string("sky.gif"));

    include->click();
    QCOMPARE(imageBox->text(), QString());
    QVERIFY(!imageBox->isEnabled());
    QVERIFY(!browse->isEnabled());
    QCOMPARE(f.wiz->pageSpec().backgroundImage, std::string());

    include->click();
    QCOMPARE(imageBox->text(), QString());
    QVERIFY(imageBox->isEnabled());

    // The browse button asks for a picture file.
    f.press(CmdBrowseBackground);
    QCOMPARE(f.platform.count(QStringLiteral("openFile")), 1);
}

void tst_Colours::colourButtonMouse_data()
{
    QTest::addColumn<int>("mouseButton");
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<QString>("faces"); // every picture replacement in order: Pressed, Raised
    QTest::addColumn<bool>("menuOpens");

    const int left = Qt::LeftButton;
    const QPoint in(5, 6);
    QTest::newRow("click opens the menu") << left << QList<QPoint>{} << in << "PR" << true;
    QTest::newRow("moves inside replace no face")
        << left << QList<QPoint>{{6, 6}, {7, 8}, {17, 17}, {1, 1}} << in << "PR" << true;
    QTest::newRow("dragged off and released outside opens nothing")
        << left << QList<QPoint>{{30, 6}} << QPoint(30, 6) << "PR" << false;
    QTest::newRow("moves outside replace the face once")
        << left << QList<QPoint>{{30, 6}, {40, 6}, {-5, 6}, {5, -9}} << QPoint(5, -9) << "PR" << false;
    QTest::newRow("dragged back before release opens the menu")
        << left << QList<QPoint>{{30, 6}, {9, 9}} << QPoint(9, 9) << "PRPR" << true;
    QTest::newRow("right edge counts as inside") << left << QList<QPoint>{{18, 6}} << QPoint(18, 6) << "PR" << true;
    QTest::newRow("bottom edge counts as inside") << left << QList<QPoint>{{6, 18}} << QPoint(6, 18) << "PR" << true;
    QTest::newRow("bottom right corner counts as inside")
        << left << QList<QPoint>{{18, 18}} << QPoint(18, 18) << "PR" << true;
    QTest::newRow("left edge counts as inside") << left << QList<QPoint>{{0, 6}} << QPoint(0, 6) << "PR" << true;
    QTest::newRow("one past the right edge is outside")
        << left << QList<QPoint>{{19, 6}} << QPoint(19, 6) << "PR" << false;
    QTest::newRow("one past the bottom edge is outside")
        << left << QList<QPoint>{{6, 19}} << QPoint(6, 19) << "PR" << false;
    QTest::newRow("one left of the left edge is outside")
        << left << QList<QPoint>{{-1, 6}} << QPoint(-1, 6) << "PR" << false;
    QTest::newRow("one above the top is outside") << left << QList<QPoint>{{6, -1}} << QPoint(6, -1) << "PR" << false;
    QTest::newRow("right button does nothing") << int(Qt::RightButton) << QList<QPoint>{{30, 6}, {6, 6}} << in << ""
                                               << false;
    QTest::newRow("middle button does nothing") << int(Qt::MiddleButton) << QList<QPoint>{} << in << "" << false;
}

void tst_Colours::colourButtonMouse()
{
    QFETCH(int, mouseButton);
    QFETCH(QList<QPoint>, moves);
    QFETCH(QPoint, release);
    QFETCH(QString, faces);
    QFETCH(bool, menuOpens);

    ColourFixture f;
    f.chooseCustom();
    f.tick(A::Link);
    ColourButton& button = f.button(A::Link);
    QCOMPARE(button.size(), QSize(18, 18));
    QString replaced;
    QObject::connect(&button, &ColourButton::faceReplaced, &button, [&replaced](ColourButton::Face face) {
        replaced += face == ColourButton::Face::Pressed ? u'P' : u'R';
    });

    const auto b = Qt::MouseButton(mouseButton);
    QTest::mousePress(&button, b, {}, QPoint(5, 6));
    QCOMPARE(shownFace(button), drawnFace(faces.startsWith(u'P') ? "pressed" : "raised", button.devicePixelRatioF()));
    for (const QPoint& at : moves)
        QTest::mouseMove(&button, at);
    QTest::mouseRelease(&button, b, {}, release);

    QCOMPARE(replaced, faces);
    QCOMPARE(button.face(), ColourButton::Face::Raised);
    QCOMPARE(f.popups.size(), size_t(menuOpens ? 1 : 0));
    if (menuOpens)
        QCOMPARE(f.popups[0].menu, f.page().menus().menu(A::Link));
}

void tst_Colours::menuOpensUnderTheButton_data()
{
    QTest::addColumn<A>("attribute");
    for (const A attribute : AllColorAttributes)
        QTest::addRow("menu%s", prefixes[int(attribute)]) << attribute;
}

void tst_Colours::menuOpensUnderTheButton()
{
    QFETCH(A, attribute);

    ColourFixture f;
    f.chooseCustom();
    f.tick(attribute);
    ColourButton& button = f.button(attribute);
    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 6));

    QCOMPARE(f.popups.size(), size_t(1));
    QCOMPARE(f.popups[0].menu, f.page().menus().menu(attribute));
    const QPoint inPanel = button.mapTo(f.wiz->panel(WizardPage::Colors), QPoint(0, 0));
    const QPoint expected(inPanel.x() + 159, inPanel.y() + button.height() + 6);
    QCOMPARE(f.popups[0].clientPoint, expected);
    // That is one pixel left of the button, on its last row.
    QCOMPARE(f.wiz->mapToGlobal(expected), button.mapToGlobal(QPoint(-1, button.height() - 1)));
}

void tst_Colours::poppedUpMenuChoosesByAccessKey()
{
    WizardFixture f;
    f.goTo(WizardPage::Colors);
    ColourPage& page = f.wiz->colourPage();
    f.wiz->optRadio[OptCustomColors]->click();
    f.wiz->chkBox[ChkFirstColour + int(A::VisitedLink)]->click();
    ColourButton& button = page.colourButton(A::VisitedLink);
    QMenu* menu = page.menus().menu(A::VisitedLink);

    QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(5, 6));
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), button.mapToGlobal(QPoint(-1, button.height() - 1)));

    QTest::keyClick(menu, Qt::Key_N);
    QTRY_VERIFY(!menu->isVisible());
    QCOMPARE(page.slotText(A::VisitedLink), std::string(" VLINK=\"#000080\""));
    QCOMPARE(page.preview().colour(A::VisitedLink), QColor(0, 0, 128));
}

void tst_Colours::keyboardOpensTheMenu()
{
    ColourFixture f;
    f.chooseCustom();
    f.tick(A::Background);
    ColourButton& button = f.button(A::Background);
    f.box(A::Background)->setFocus();
    QTest::keyClick(f.box(A::Background), Qt::Key_Tab);
    QCOMPARE(f.wiz->focusWidget(), &button);

    QTest::keyClick(&button, Qt::Key_Space);
    QCOMPARE(f.popups.size(), size_t(1));
    QCOMPARE(f.popups[0].menu, f.page().menus().menu(A::Background));
    QCOMPARE(f.wiz->mapToGlobal(f.popups[0].clientPoint), button.mapToGlobal(QPoint(-1, button.height() - 1)));
}

void tst_Colours::previewColoursAfterReset()
{
    // The text sample takes the desktop's button text colour as it is at the reset, also when "Default Colors" is
    // chosen already.
    ColourFixture f;
    const QPalette original = QApplication::palette();
    QPalette changed = original;
    changed.setColor(QPalette::ButtonText, QColor(12, 34, 56));
    QApplication::setPalette(changed);
    f.page().resetForAnotherPage();
    const QColor textAfterChange = f.previewColour(A::Text);
    QApplication::setPalette(original);
    QCOMPARE(textAfterChange, QColor(12, 34, 56));
}

void tst_Colours::resetForAnotherPage()
{
    ColourFixture f;
    f.chooseCustom();
    f.tick(A::Text);
    f.pick(A::Text, NavyItem);
    f.tick(A::Link);
    const CustomColors defined = numberedSlots(0x00400000);
    f.platform.colorAnswers.push_back({ColorRef(0x0C0B0A), defined});
    f.pick(A::Link, 0);
    f.wiz->chkBox[ChkBackgroundImage]->click();
    f.wiz->setBoxText(TxtBackgroundImage, QStringLiteral("sky.gif"));

    f.page().resetForAnotherPage();

    QVERIFY(f.wiz->optRadio[OptDefaultColors]->isChecked());
    for (const A attribute : AllColorAttributes) {
        QVERIFY(!f.box(attribute)->isChecked());
        QVERIFY(!f.box(attribute)->isEnabled());
        QVERIFY(!f.button(attribute).isEnabled());
        QCOMPARE(f.slot(attribute), resetSlot(attribute));
        QCOMPARE(f.previewColour(attribute), resetPreview(attribute));
    }
    QVERIFY(!f.wiz->chkBox[ChkBackgroundImage]->isChecked());
    QCOMPARE(f.wiz->boxText(TxtBackgroundImage), QString());
    QVERIFY(!f.wiz->txtBox[TxtBackgroundImage]->isEnabled());
    QVERIFY(!f.wiz->cmdButton[CmdBrowseBackground]->isEnabled());
    // What another page keeps.
    QCOMPARE(f.wiz->colourPage().customColors, defined);
    QCOMPARE(f.checkedItem(A::Text), NavyItem);
    QCOMPARE(f.checkedItem(A::Link), 0);
}

void tst_Colours::pictureButtonsAreNamedAndSharp()
{
    ColourFixture f;
    // Run a second time on a screen with twice the pixels per point; there the faces must be drawn at that ratio.
    const qreal screenRatio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? 2.0 : 1.0;
    for (const A attribute : AllColorAttributes) {
        const ColourButton& button = f.button(attribute);
        QCOMPARE(button.toolTip(), QStringLiteral("Select a Color"));
        QCOMPARE(button.accessibleName(), button.toolTip());
        const qreal ratio = button.devicePixelRatioF();
        QCOMPARE(ratio, screenRatio);
        QCOMPARE(button.facePicture().devicePixelRatio(), ratio);
        QCOMPARE(button.facePicture().size(), QSize(18, 18) * ratio);
    }
    const QPushButton* browse = f.wiz->cmdButton[CmdBrowseBackground];
    QCOMPARE(browse->objectName(), QStringLiteral("cmdButton_5"));
    QCOMPARE(browse->toolTip(), QStringLiteral("Browse for Image"));
    QCOMPARE(browse->accessibleName(), browse->toolTip());
    QVERIFY(!browse->icon().pixmap(browse->iconSize()).isNull());
    QVERIFY(browse->text().isEmpty());
}

QTEST_MAIN(tst_Colours)
#include "tst_colours.moc"
