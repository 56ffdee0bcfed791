// SPDX-License-Identifier: GPL-3.0-or-later
#include "panelfixture.h"
#include "wizardfixture.h"

#include "wizard/bulletlistpage.h"
#include "wizard/entrylist.h"
#include "wizard/linkspage.h"
#include "ui/stringconvert.h"
#include "wizard/tabstopdelegate.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolTip>

#include <utility>

using namespace Qt::StringLiterals;

using namespace larkspan;

namespace {

// One of the two list pages, by its controls.
struct ListControls {
    int list;
    int add;
    int remove;
    int counter;
    const char* counterPrefix;
    WizardPage page;
};

const ListControls bulletItems{
    LstItems, CmdAddItem, CmdRemoveItem, LblItemCounter, "Current List Items: ", WizardPage::BulletList};
const ListControls links{LstLinks, CmdAddLink, CmdRemoveLink, LblLinkCounter, "Current Links: ", WizardPage::Links};

// Adds an entry through the page: an item of that text, or a link with that description.
void addThroughPage(WizardFixture& f, const ListControls& page, const QString& text)
{
    if (page.list == LstItems) {
        f.wiz->setBoxText(TxtBulletItem, text);
    } else {
        f.wiz->setBoxText(TxtLinkAddress, QStringLiteral("http://www.example.com/"));
        f.wiz->setBoxText(TxtLinkDescription, text);
    }
    f.wiz->cmdButton_Click(page.add);
}

QStringList exactTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->data(Qt::UserRole).toString();
    return texts;
}

QStringList toQtList(const TextList& entries)
{
    QStringList texts;
    for (const std::string_view entry : entries)
        texts << toQt(entry);
    return texts;
}

QString counterText(const ListControls& page, int count)
{
    return QLatin1String(page.counterPrefix) + QString::number(count);
}

void clickRow(QListWidget* list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

// Leftmost column where two renderings of a list row differ.
int firstDifference(const QImage& a, const QImage& b)
{
    for (int x = 0; x < a.width(); ++x)
        for (int y = 0; y < a.height(); ++y)
            if (a.pixel(x, y) != b.pixel(x, y))
                return x;
    return -1;
}

QImage renderRow(QListWidget* list, const QString& text)
{
    list->clear();
    list->addItem(text);
    const QModelIndex index = list->model()->index(0, 0);
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = QRect(QPoint(0, 0), QSize(list->viewport()->width(), list->visualRect(index).height()));
    option.widget = list;
    QImage image(option.rect.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    list->itemDelegate()->paint(&painter, option, index);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(ListControls)

class tst_ListPages : public QObject {
    Q_OBJECT

private slots:
    void startState()
    {
        WizardFixture f;
        const QComboBox* style = f.wiz->cbBox[CbBulletStyle];
        QCOMPARE(style->count(), 3);
        QCOMPARE(style->itemText(0), QStringLiteral("Disc"));
        QCOMPARE(style->itemText(2), QStringLiteral("Circle"));
        QCOMPARE(style->currentIndex(), 0);
        for (const ListControls& page : {bulletItems, links}) {
            QVERIFY(!f.wiz->cmdButton[page.add]->isEnabled());
            QVERIFY(!f.wiz->cmdButton[page.remove]->isEnabled());
            QCOMPARE(f.wiz->lblLabel[page.counter]->text(), counterText(page, 0));
        }
        QVERIFY(f.wiz->optRadio[OptDefaultLinkStyle]->isChecked());
    }

    void addButtonFollowsItsBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<bool>("enabled");

        QTest::newRow("typing an item enables Add Item") << TxtBulletItem << CmdAddItem << "a" << 0 << true;
        QTest::newRow("deleting it all disables it again") << TxtBulletItem << CmdAddItem << "ab" << 2 << false;
        QTest::newRow("a description alone enables Add Link")
            << TxtLinkDescription << CmdAddLink << "Home" << 0 << true;
        QTest::newRow("an address alone does not") << TxtLinkAddress << CmdAddLink << "http://x/" << 0 << false;
        QTest::newRow("an emptied description disables Add Link")
            << TxtLinkDescription << CmdAddLink << "H" << 1 << false;
    }

    void addButtonFollowsItsBox()
    {
        QFETCH(int, box);
        QFETCH(int, button);
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(bool, enabled);

        WizardFixture f(button == CmdAddItem ? WizardPage::BulletList : WizardPage::Links);
        f.wiz->txtBox[box]->setFocus();
        QTest::keyClicks(f.wiz->txtBox[box], typed);
        for (int i = 0; i < backspaces; ++i)
            QTest::keyClick(f.wiz->txtBox[box], Qt::Key_Backspace);

        QCOMPARE(f.wiz->cmdButton[button]->isEnabled(), enabled);
    }

    void addItems_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("two items in the order added")
            << QStringList{u"first"_s, u"second"_s} << QStringList{u"first"_s, u"second"_s};
        QTest::newRow("an item of two lines kept whole")
            << QStringList{u"line 1\r\nline 2"_s} << QStringList{QStringLiteral("line 1↵line 2")};
        QTest::newRow("blanks kept") << QStringList{u"  padded  "_s} << QStringList{u"  padded  "_s};
    }

    void addItems()
    {
        QFETCH(QStringList, items);
        QFETCH(QStringList, shown);

        WizardFixture f(WizardPage::BulletList);
        for (const QString& item : items) {
            f.wiz->setBoxText(TxtBulletItem, item);
            f.press(CmdAddItem);
            QVERIFY(f.wiz->boxText(TxtBulletItem).isEmpty());
            QVERIFY(!f.wiz->cmdButton[CmdAddItem]->isEnabled());
        }

        const QListWidget* list = f.wiz->lstBox[LstItems];
        QCOMPARE(toQtList(f.wiz->pageSpec().bulletItems), items);
        for (int row = 0; row < list->count(); ++row)
            QCOMPARE(list->item(row)->text(), shown.at(row));
        QCOMPARE(f.wiz->lblLabel[LblItemCounter]->text(), counterText(bulletItems, int(items.size())));
    }

    // Adding puts the focus back into the item box, wherever it was.
    void addItemFocusesTheBox()
    {
        WizardFixture f(WizardPage::BulletList);
        f.wiz->setBoxText(TxtBulletItem, QStringLiteral("item"));
        f.wiz->cmdButton[CmdAddItem]->setFocus();
        QTRY_COMPARE(f.focusName(), QStringLiteral("cmdButton_%1").arg(CmdAddItem));
        f.press(CmdAddItem);
        QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_5"));
    }

    void enterInItemBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("modifier");

        QTest::newRow("Enter after text adds it") << "abc" << int(Qt::NoModifier);
        QTest::newRow("Enter in the empty box adds an empty item") << "" << int(Qt::NoModifier);
        QTest::newRow("Shift+Enter too, with a CR LF break") << "abc" << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Enter too") << "abc" << int(Qt::ControlModifier);
        QTest::newRow("Alt+Enter too") << "abc" << int(Qt::AltModifier);
    }

    void enterInItemBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, modifier);

        WizardFixture f(WizardPage::BulletList);
        QWidget* box = f.wiz->txtBox[TxtBulletItem];
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return, Qt::KeyboardModifiers(modifier));

        QCOMPARE(exactTexts(f.wiz->lstBox[LstItems]), QStringList{typed});
        QCOMPARE(f.wiz->lblLabel[LblItemCounter]->text(), counterText(bulletItems, 1));
        // The box received the Enter key's line break after it was emptied.
        QCOMPARE(f.wiz->boxText(TxtBulletItem), QStringLiteral("\r\n"));
        QVERIFY(f.wiz->cmdButton[CmdAddItem]->isEnabled());

        QTest::keyClicks(box, QStringLiteral("next"));
        f.press(CmdAddItem);
        QCOMPARE(exactTexts(f.wiz->lstBox[LstItems]), (QStringList{typed, QStringLiteral("\r\nnext")}));
    }

    void addLink_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("entry"); // empty: refused

        QTest::newRow("address and Home") << "http://www.example.com/"
                                          << "Home"
                                          << "http://www.example.com/\tHome";
        QTest::newRow("blanks kept on both sides") << " http://a/ "
                                                   << "  Home "
                                                   << " http://a/ \t  Home ";
        QTest::newRow("address missing") << ""
                                         << "Home"
                                         << "";
        QTest::newRow("description missing") << "http://a/"
                                             << ""
                                             << "";
        QTest::newRow("pasted line breaks become blanks") << "http://a/\r\nb\rc"
                                                          << "Ho\nme\r\n"
                                                          << "http://a/ b c\tHo me ";
    }

    void addLink()
    {
        QFETCH(QString, address);
        QFETCH(QString, description);
        QFETCH(QString, entry);

        WizardFixture f(WizardPage::Links);
        // Pasted, as a user brings an address from elsewhere.
        for (const auto& [box, text] :
             {std::pair{TxtLinkAddress, address}, std::pair{TxtLinkDescription, description}}) {
            QGuiApplication::clipboard()->setText(text);
            qobject_cast<QLineEdit*>(f.wiz->txtBox[box])->paste();
        }
        f.wiz->txtBox[TxtLinkDescription]->setFocus();
        QTRY_COMPARE(f.focusName(), QStringLiteral("txtBox_7"));

        f.wiz->cmdButton_Click(CmdAddLink);

        QCOMPARE(f.focusName(), QStringLiteral("txtBox_7"));
        if (entry.isEmpty()) {
            QCOMPARE(f.platform.count(PlatformCall::Beep), 1);
            const std::vector<ScriptedPlatform::Call> boxes = f.platform.callsOf(PlatformCall::MessageBox);
            QCOMPARE(boxes.size(), std::size_t(1));
            QCOMPARE(boxes.front().args.mid(0, 4),
                     (QStringList{u"Please include both Link Address and Link Description."_s, u"ok"_s,
                                  u"information"_s, u"Larkspan"_s}));
            QCOMPARE(f.platform.calls.front().what, PlatformCall::Beep);
            QCOMPARE(f.wiz->lstBox[LstLinks]->count(), 0);
            QCOMPARE(f.wiz->boxText(TxtLinkAddress), address);
            QCOMPARE(f.wiz->boxText(TxtLinkDescription), description);
            QCOMPARE(f.wiz->lblLabel[LblLinkCounter]->text(), counterText(links, 0));
            return;
        }
        QCOMPARE(f.platform.count(PlatformCall::Beep), 0);
        QVERIFY(f.platform.messages().isEmpty());
        QCOMPARE(toQtList(f.wiz->pageSpec().links), QStringList{entry});
        QVERIFY(f.wiz->boxText(TxtLinkAddress).isEmpty());
        QVERIFY(f.wiz->boxText(TxtLinkDescription).isEmpty());
        QCOMPARE(f.wiz->lblLabel[LblLinkCounter]->text(), counterText(links, 1));
    }

    void removal_data()
    {
        QTest::addColumn<ListControls>("page");
        QTest::newRow("bullet items") << bulletItems;
        QTest::newRow("links") << links;
    }

    void removal()
    {
        QFETCH(ListControls, page);

        WizardFixture f(page.page);
        for (const char* text : {"a", "b", "c"})
            addThroughPage(f, page, QString::fromLatin1(text));
        QListWidget* list = f.wiz->lstBox[page.list];
        const ListControls& other = page.list == LstItems ? links : bulletItems;

        // Remove with nothing selected changes nothing.
        f.wiz->cmdButton_Click(page.remove);
        QCOMPARE(list->count(), 3);
        QCOMPARE(f.wiz->lblLabel[page.counter]->text(), counterText(page, 3));

        clickRow(list, 1);
        QVERIFY(f.wiz->cmdButton[page.remove]->isEnabled());
        QVERIFY(!f.wiz->cmdButton[other.remove]->isEnabled());

        f.press(page.remove);

        const QStringList left = exactTexts(list);
        QCOMPARE(left.size(), 2);
        QVERIFY(left.at(0).endsWith(u'a'));
        QVERIFY(left.at(1).endsWith(u'c'));
        QVERIFY(list->selectedItems().isEmpty());
        QVERIFY(!f.wiz->cmdButton[page.remove]->isEnabled());
        QCOMPARE(f.wiz->lblLabel[page.counter]->text(), counterText(page, 2));
    }

    void capacity_data()
    {
        QTest::addColumn<ListControls>("page");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("message");

        QTest::newRow("bullet items, Add Item") << bulletItems << false << "The list can hold at most 32767 items.";
        QTest::newRow("bullet items, Enter") << bulletItems << true << "The list can hold at most 32767 items.";
        QTest::newRow("links") << links << false << "The list can hold at most 32767 links.";
    }

    void capacity()
    {
        QFETCH(ListControls, page);
        QFETCH(bool, byEnter);
        QFETCH(QString, message);

        WizardFixture f(page.page);
        QListWidget* list = f.wiz->lstBox[page.list];
        for (int i = 1; i < entrylist::Capacity; ++i)
            entrylist::append(list, QStringLiteral("filler"), QStringLiteral("filler"));

        addThroughPage(f, page, QStringLiteral("last"));
        QCOMPARE(list->count(), entrylist::Capacity);
        QCOMPARE(f.wiz->lblLabel[page.counter]->text(), counterText(page, 32767));
        QVERIFY(f.platform.messages().isEmpty());

        const int box = page.list == LstItems ? TxtBulletItem : TxtLinkDescription;
        f.wiz->setBoxText(box, QStringLiteral("one too many"));
        if (page.list == LstLinks)
            f.wiz->setBoxText(TxtLinkAddress, QStringLiteral("http://a/"));
        if (byEnter)
            QTest::keyClick(f.wiz->txtBox[box], Qt::Key_Return);
        else
            f.press(page.add);

        QCOMPARE(f.platform.messages(), QStringList{message});
        QCOMPARE(list->count(), entrylist::Capacity);
        QCOMPARE(f.wiz->boxText(box), QStringLiteral("one too many"));
        QCOMPARE(f.wiz->lblLabel[page.counter]->text(), counterText(page, 32767));
    }

    void resetForAnotherPage()
    {
        WizardFixture f(WizardPage::BulletList);
        addThroughPage(f, bulletItems, QStringLiteral("item"));
        addThroughPage(f, links, QStringLiteral("link"));
        f.wiz->cbBox[CbBulletStyle]->setCurrentIndex(2);
        f.wiz->optRadio[OptComboLinkStyle]->setChecked(true);
        f.wiz->setBoxText(TxtBulletItem, QStringLiteral("typed"));
        f.wiz->setBoxText(TxtLinkAddress, QStringLiteral("http://a/"));
        f.wiz->setBoxText(TxtLinkDescription, QStringLiteral("typed"));

        clickRow(f.wiz->lstBox[LstItems], 0);
        QVERIFY(f.wiz->cmdButton[CmdRemoveItem]->isEnabled());

        f.wiz->bulletListPage().resetForAnotherPage();
        f.wiz->linksPage().resetForAnotherPage();

        for (const ListControls& page : {bulletItems, links}) {
            QCOMPARE(f.wiz->lstBox[page.list]->count(), 0);
            QCOMPARE(f.wiz->lblLabel[page.counter]->text(), counterText(page, 0));
            QVERIFY(!f.wiz->cmdButton[page.add]->isEnabled());
        }
        QCOMPARE(f.wiz->cbBox[CbBulletStyle]->currentIndex(), 0);
        QVERIFY(f.wiz->optRadio[OptDefaultLinkStyle]->isChecked());
        // The reset leaves the Remove buttons as they were.
        QVERIFY(f.wiz->cmdButton[CmdRemoveItem]->isEnabled());
        QVERIFY(!f.wiz->cmdButton[CmdRemoveLink]->isEnabled());
        for (int box : {TxtBulletItem, TxtLinkAddress, TxtLinkDescription})
            QVERIFY(f.wiz->boxText(box).isEmpty());
    }

    void descriptionsInOneColumn()
    {
        PanelFixture<LinksPage> f(WizardPage::Links);
        QListWidget* list = f.controls.lstBox[LstLinks];
        // 50 dialog units: a dialog unit across is a quarter of the font's average letter width, the 52 Latin letters
        // measured together.
        const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        const int averageLetter = qRound(list->fontMetrics().horizontalAdvance(letters) / 52.0);
        const int stop = qRound(50 * averageLetter / 4.0);
        QVERIFY(stop > 0);

        // Where "Home" starts: the first column in which the row with it differs from the row without it.
        const auto descriptionStart = [list](const QString& address) {
            return firstDifference(renderRow(list, address), renderRow(list, address + QStringLiteral("\tHome")));
        };
        const int atTextStart = firstDifference(renderRow(list, QString()), renderRow(list, QStringLiteral("Home")));
        const int shortAddress = descriptionStart(QStringLiteral("a"));
        QCOMPARE(shortAddress - atTextStart, stop);
        QCOMPARE(descriptionStart(QStringLiteral("http://")), shortAddress);
        // An address wider than the column pushes its description to the next stop after it.
        const QString longAddress = QStringLiteral("http://www.example.com/a/long/path");
        const int stopsPassed = list->fontMetrics().horizontalAdvance(longAddress) / stop;
        QVERIFY(stopsPassed >= 1);
        QCOMPARE(descriptionStart(longAddress) - shortAddress, stopsPassed * stop);
    }

    void longEntriesShownWhole_data()
    {
        QTest::addColumn<int>("list");
        QTest::addRow("bullet items") << LstItems;
        QTest::addRow("links") << LstLinks;
    }

    // However the entries' widths mix, a list never scrolls sideways; an entry wider than the list shows whole in its
    // tool tip, a short one has none.
    void longEntriesShownWhole()
    {
        QFETCH(int, list);
        const ListControls& page = list == LstItems ? bulletItems : links;
        WizardFixture f(page.page);
        QListWidget* box = f.wiz->lstBox[page.list];
        const QString longText = QStringLiteral(
            "A description long enough to run well past the right edge of the list, whatever font and style draw it");
        addThroughPage(f, page, longText);
        addThroughPage(f, page, QStringLiteral("Short"));
        QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!box->horizontalScrollBar()->isVisible());

        const auto toolTipAt = [box](int row) {
            // A tip fades out a moment after it is hidden; the next one is asked for once it has gone.
            QToolTip::hideText();
            if (!QTest::qWaitFor([] { return !QToolTip::isVisible(); }))
                return QStringLiteral("(the last tip stayed)");
            const QPoint at = box->visualRect(box->model()->index(row, 0)).topLeft() + QPoint(10, 3);
            QHelpEvent event(QEvent::ToolTip, at, box->viewport()->mapToGlobal(at));
            QApplication::sendEvent(box->viewport(), &event);
            return QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        const QString shownWhole = list == LstItems ? longText
                                                    : QStringLiteral("http://www.example.com/    ") + longText;
        QCOMPARE(toolTipAt(0), shownWhole);
        QCOMPARE(toolTipAt(1), QString());
    }
};

QTEST_MAIN(tst_ListPages)
#include "tst_listpages.moc"
