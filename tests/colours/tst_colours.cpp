// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourfixture.h"

#include <QLabel>
#include <QLineEdit>

using namespace larkspan;

// The Colors page: its boxes, buttons and preview, and what a reset leaves.
class tst_Colours : public QObject {
    Q_OBJECT

private slots:
    void startState()
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

    void tickStep_data()
    {
        QTest::addColumn<A>("attribute");
        QTest::addColumn<int>("defaultItem");
        QTest::newRow("background checks White") << A::Background << 16;
        QTest::newRow("text checks Black") << A::Text << 3;
        QTest::newRow("link checks Blue") << A::Link << 4;
        QTest::newRow("visited link checks Purple") << A::VisitedLink << 12;
        QTest::newRow("active link checks Red") << A::ActiveLink << 13;
    }

    void tickStep()
    {
        QFETCH(A, attribute);
        QFETCH(int, defaultItem);

        ColourFixture f(attribute);

        QVERIFY(f.button(attribute).isEnabled());
        QCOMPARE(f.checkedItem(attribute), defaultItem);
        // No colour in the page until one is picked; the background always has its white.
        QCOMPARE(f.slot(attribute), resetSlot(attribute));
        QCOMPARE(f.previewColour(attribute), resetPreview(attribute));
        for (const A other : AllColorAttributes)
            if (other != attribute)
                QVERIFY(!f.button(other).isEnabled());
    }

    void untickResetsOnlyItsAttribute_data() { addAttributeRows("untick"); }

    void untickResetsOnlyItsAttribute()
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

    void defaultKeepsCheckMarksCustomRemovesThem()
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

    void disabledBoxChangeIsSilent()
    {
        ColourFixture f(A::Text);
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

    void backgroundImageTick()
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
        QCOMPARE(f.platform.count(PlatformCall::OpenFile), 1);
    }

    void previewColoursAfterReset()
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

    void resetForAnotherPage()
    {
        ColourFixture f(A::Text);
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

    void pictureButtonsAreNamedAndSharp()
    {
        ColourFixture f;
        // Run a second time on a screen with twice the pixels per point; there the faces must be drawn at that ratio.
        const qreal screenRatio = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? 2.0 : 1.0;
        for (const A attribute : AllColorAttributes) {
            const ColourButton& button = f.button(attribute);
            QCOMPARE(button.toolTip(), QStringLiteral("Select a Color"));
            // A screen reader hears more than the tool tip: the attribute and its colour.
            QVERIFY(button.accessibleName().endsWith(QStringLiteral(" Color: White"))
                    || button.accessibleName().endsWith(QStringLiteral(" Color: none chosen")));
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
};

QTEST_MAIN(tst_Colours)
#include "tst_colours.moc"
