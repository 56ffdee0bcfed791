// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourfixture.h"

#include "colours/colorformat.h"

using namespace larkspan;

// The colour menus under the Colors page's buttons: their items, what each writes, the custom colour dialog, and
// how the menus open.
class tst_ColourMenus : public QObject {
    Q_OBJECT

private slots:
    void colourMenusHoldTheirItems()
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

    void formatColor_data()
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

    void formatColor()
    {
        QFETCH(uint, colour);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(FormatColor(colour)), text);
    }

    void namedColourIntoEverySlot_data()
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

    void namedColourIntoEverySlot()
    {
        QFETCH(A, attribute);
        QFETCH(int, item);
        QFETCH(QString, slot);
        QFETCH(QColor, preview);

        ColourFixture f(attribute);
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
        QCOMPARE(f.platform.count(PlatformCall::ChooseColor), 0);
    }

    void separatorOnlyRemovesCheckMarks()
    {
        ColourFixture f(A::Link);
        f.pick(A::Link, NavyItem);
        f.page().mnuColors2_Click(1);
        QCOMPARE(f.checkedItem(A::Link), -1);
        QCOMPARE(f.slot(A::Link), QStringLiteral(" LINK=\"#000080\""));
        QCOMPARE(f.previewColour(A::Link), QColor(0, 0, 128));
    }

    void customColour_data()
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

    void customColour()
    {
        QFETCH(A, attribute);
        QFETCH(bool, confirmed);
        QFETCH(uint, colour);
        QFETCH(QString, slot);
        QFETCH(QColor, preview);

        ColourFixture f(attribute);
        f.pick(attribute, NavyItem);
        const CustomColors before = f.wiz->colourPage().customColors;
        const CustomColors edited = numberedSlots(0x00101010);
        f.platform.colorAnswers.push_back({confirmed ? std::optional<ColorRef>(colour) : std::nullopt, edited});

        f.pick(attribute, 0);

        const auto dialogs = f.platform.callsOf(PlatformCall::ChooseColor);
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

    void customSlotsAreSharedBetweenMenus()
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

    void colourButtonMouse_data()
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
        QTest::newRow("bottom edge counts as inside")
            << left << QList<QPoint>{{6, 18}} << QPoint(6, 18) << "PR" << true;
        QTest::newRow("bottom right corner counts as inside")
            << left << QList<QPoint>{{18, 18}} << QPoint(18, 18) << "PR" << true;
        QTest::newRow("left edge counts as inside") << left << QList<QPoint>{{0, 6}} << QPoint(0, 6) << "PR" << true;
        QTest::newRow("one past the right edge is outside")
            << left << QList<QPoint>{{19, 6}} << QPoint(19, 6) << "PR" << false;
        QTest::newRow("one past the bottom edge is outside")
            << left << QList<QPoint>{{6, 19}} << QPoint(6, 19) << "PR" << false;
        QTest::newRow("one left of the left edge is outside")
            << left << QList<QPoint>{{-1, 6}} << QPoint(-1, 6) << "PR" << false;
        QTest::newRow("one above the top is outside")
            << left << QList<QPoint>{{6, -1}} << QPoint(6, -1) << "PR" << false;
        QTest::newRow("right button does nothing")
            << int(Qt::RightButton) << QList<QPoint>{{30, 6}, {6, 6}} << in << "" << false;
        QTest::newRow("middle button does nothing") << int(Qt::MiddleButton) << QList<QPoint>{} << in << "" << false;
    }

    void colourButtonMouse()
    {
        QFETCH(int, mouseButton);
        QFETCH(QList<QPoint>, moves);
        QFETCH(QPoint, release);
        QFETCH(QString, faces);
        QFETCH(bool, menuOpens);

        ColourFixture f(A::Link);
        ColourButton& button = f.button(A::Link);
        QCOMPARE(button.size(), QSize(18, 18));
        QString replaced;
        QObject::connect(&button, &ColourButton::faceReplaced, &button, [&replaced](ColourButton::Face face) {
            replaced += face == ColourButton::Face::Pressed ? u'P' : u'R';
        });

        const auto b = Qt::MouseButton(mouseButton);
        QTest::mousePress(&button, b, {}, QPoint(5, 6));
        QCOMPARE(shownFace(button),
                 drawnFace(faces.startsWith(u'P') ? "pressed" : "raised", button.devicePixelRatioF()));
        for (const QPoint& at : moves)
            QTest::mouseMove(&button, at);
        QTest::mouseRelease(&button, b, {}, release);

        QCOMPARE(replaced, faces);
        QCOMPARE(button.face(), ColourButton::Face::Raised);
        QCOMPARE(f.popups.size(), size_t(menuOpens ? 1 : 0));
        if (menuOpens)
            QCOMPARE(f.popups[0].menu, f.page().menus().menu(A::Link));
    }

    void menuOpensUnderTheButton_data() { addAttributeRows("menu"); }

    void menuOpensUnderTheButton()
    {
        QFETCH(A, attribute);

        ColourFixture f(attribute);
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

    void poppedUpMenuChoosesByAccessKey()
    {
        WizardFixture f(WizardPage::Colors);
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

    void keyboardOpensTheMenu()
    {
        ColourFixture f(A::Background);
        ColourButton& button = f.button(A::Background);
        f.box(A::Background)->setFocus();
        QTest::keyClick(f.box(A::Background), Qt::Key_Tab);
        QCOMPARE(f.wiz->focusWidget(), &button);

        QTest::keyClick(&button, Qt::Key_Space);
        QCOMPARE(f.popups.size(), size_t(1));
        QCOMPARE(f.popups[0].menu, f.page().menus().menu(A::Background));
        QCOMPARE(f.wiz->mapToGlobal(f.popups[0].clientPoint), button.mapToGlobal(QPoint(-1, button.height() - 1)));
    }
};

QTEST_MAIN(tst_ColourMenus)
#include "tst_colourmenus.moc"
