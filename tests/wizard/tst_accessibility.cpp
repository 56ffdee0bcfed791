// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardfixture.h"

#include "app/translations.h"
#include "colours/colourpage.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeySequence>
#include <QScopeGuard>
#include <QTranslator>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

using namespace Qt::StringLiterals;

using namespace larkspan;

namespace {

// Where a control sits in the window, for comparing reading positions.
QRect placeInWindow(const QWidget* control)
{
    return QRect(control->mapTo(control->window(), QPoint()), control->size());
}

// Top to bottom, and left to right along a row: places whose heights overlap share a row.
bool placeReadsBefore(const QRect& a, const QRect& b)
{
    const bool sameRow = (a.center().y() >= b.top() && a.center().y() <= b.bottom())
        || (b.center().y() >= a.top() && b.center().y() <= a.bottom());
    return sameRow ? a.left() < b.left() : a.top() < b.top();
}

// A group reads as a whole, as a screen reader presents it: two controls compare as the two branches of the
// widget tree in which they part, the panel before the button row, a group box before the buttons beside it.
bool readsBefore(const QWidget* a, const QWidget* b)
{
    QList<const QWidget*> branchA{a};
    while (branchA.first()->parentWidget())
        branchA.prepend(branchA.first()->parentWidget());
    QList<const QWidget*> branchB{b};
    while (branchB.first()->parentWidget())
        branchB.prepend(branchB.first()->parentWidget());
    qsizetype common = 0;
    while (common + 1 < branchA.size() && common + 1 < branchB.size() && branchA[common + 1] == branchB[common + 1])
        ++common;
    const QWidget* partA = branchA[std::min(common + 1, branchA.size() - 1)];
    const QWidget* partB = branchB[std::min(common + 1, branchB.size() - 1)];
    return placeReadsBefore(placeInWindow(partA), placeInWindow(partB));
}

// The controls of the window that Tab visits, in the order it visits them, from the first in reading order.
QList<QWidget*> tabOrder(QWidget* window)
{
    QList<QWidget*> order;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy())
            order << w;
    }
    // The chain is a ring; reading starts at the control that reads first.
    const auto first = std::min_element(order.begin(), order.end(), readsBefore);
    std::rotate(order.begin(), first, order.end());
    return order;
}

// What a screen reader says for the control: its own name, or for a box the label that names it.
QString spokenName(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (!accessible)
        return {};
    if (qobject_cast<QAbstractButton*>(control))
        return accessible->text(QAccessible::Name);
    // A box's accessible text is its content; what names it is an explicit name or the label it is the buddy of.
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

QString describe(const QList<QWidget*>& controls)
{
    QStringList lines;
    for (QWidget* control : controls) {
        const QRect place = placeInWindow(control);
        lines << QStringLiteral("%1 at %2,%3 \"%4\"")
                     .arg(control->objectName())
                     .arg(place.x())
                     .arg(place.y())
                     .arg(spokenName(control));
    }
    return lines.join(QLatin1Char('\n'));
}

// What of a control's text or content cannot show in its place: its hint wider or taller than its geometry, for a
// word-wrapped text its height for its width; empty when it all shows.
QString cutOff(QWidget* w)
{
    // Pictures and picture buttons keep their size whatever the font; panels and the parts of a box hold no text.
    if (w->minimumSize() == w->maximumSize() || w->metaObject() == &QWidget::staticMetaObject
        || w->objectName().startsWith(QLatin1String("qt_scrollarea")))
        return {};
    // A box or a list scrolls: it needs room for two lines, not for all it holds.
    if (qobject_cast<QAbstractScrollArea*>(w)) {
        const int lines = 2 * w->fontMetrics().height();
        return w->height() >= lines
            ? QString()
            : QStringLiteral("%1 has %2 pixels for two lines of %3").arg(w->objectName()).arg(w->height()).arg(lines);
    }
    const QSize hint = qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w)
        ? w->sizeHint()
        : w->minimumSizeHint();
    const int height = w->hasHeightForWidth() ? w->heightForWidth(w->width()) : hint.height();
    const bool wraps = w->hasHeightForWidth();
    if ((!wraps && hint.width() > w->width()) || height > w->height())
        return QStringLiteral("%1 \"%2\" needs %3x%4, has %5x%6")
            .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()))
            .arg(wraps ? w->width() : hint.width())
            .arg(height)
            .arg(w->width())
            .arg(w->height());
    return {};
}

// Every text half as long again, as many a translation is longer than the English, and marked, so that a text
// that does not pass through translation shows.
constexpr QChar Translated = u'\u00B7';
class LongerTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char*, int) const override
    {
        const QString text = QString::fromUtf8(source);
        return text + u' ' + text.left(text.size() / 2) + Translated;
    }
};

// The translator for a language ("longer" for the marked longer texts, "" for English), installed for the scope of
// the guard. A translator trying a new translation points LARKSPAN_QM_DIR at the folder of its .qm file.
std::unique_ptr<QTranslator> speak(const QString& language)
{
    std::unique_ptr<QTranslator> translator;
    if (language == u"longer") {
        translator = std::make_unique<LongerTexts>();
    } else if (!language.isEmpty()) {
        translator = std::make_unique<QTranslator>();
        const QString name = u"larkspan_"_s + language;
        if (!translator->load(name, qEnvironmentVariable("LARKSPAN_QM_DIR")) && !translator->load(name, u":/i18n"_s))
            qFatal("no translation into %s", qPrintable(language));
    }
    if (translator)
        QCoreApplication::installTranslator(translator.get());
    return translator;
}

// The text a control shows as its own: a caption, a label, a frame's title.
QString shownText(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(w))
        return group->title();
    return {};
}

constexpr std::pair<WizardPage, const char*> pageNames[] = {
    {WizardPage::Welcome, "Welcome"},        {WizardPage::About, "About"}, {WizardPage::Layout, "Layout"},
    {WizardPage::Colors, "Colors"},          {WizardPage::Image, "Image"}, {WizardPage::Text, "Text"},
    {WizardPage::BulletList, "Bullet List"}, {WizardPage::Links, "Links"}, {WizardPage::Finish, "Finish"}};

// The access keys that more than one of the texts marks, each with its texts: such a key cannot reach them all.
// Every text must mark one where mustHave.
QString sharedAccessKeys(const QStringList& texts, bool mustHave = false)
{
    QMap<QString, QStringList> owners;
    for (const QString& text : texts)
        owners[QKeySequence::mnemonic(text).toString()] << text;
    QStringList shared;
    for (auto it = owners.cbegin(); it != owners.cend(); ++it)
        if (it.key().isEmpty() ? mustHave : it.value().size() > 1)
            shared << it.key() + u": "_s + it.value().join(u", "_s);
    return shared.join(u'\n');
}

// A picture of the window for the translators, when they ask for pictures in LARKSPAN_SHOTS_DIR.
void keepPicture(QWidget* window, const QString& name)
{
    const QString folder = qEnvironmentVariable("LARKSPAN_SHOTS_DIR");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(name + u".png"_s));
}

QString labelOf(QAccessibleInterface* accessible)
{
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

} // namespace

// What a screen reader and a keyboard user meet on every page: a name for every control, Tab in reading order.
class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void everyPage_data()
    {
        QTest::addColumn<WizardPage>("page");
        QTest::addColumn<QString>("language");

        for (const QString& language : QStringList{QString()} + translatedLanguages())
            for (const auto& [page, name] : pageNames)
                QTest::addRow("%s%s%s", name, language.isEmpty() ? "" : " in ", qPrintable(language))
                    << page << language;
    }

    void everyPage()
    {
        QFETCH(WizardPage, page);
        QFETCH(QString, language);
        const auto translation = speak(language);

        WizardFixture f;
        if (page == WizardPage::About)
            f.press(CmdAbout);
        else
            f.goTo(page);
        QCOMPARE(WizardPage(f.wiz->CurrentPage()), page);
        // Tab passes over a disabled control, but it is named and placed all the same once enabled (the colour
        // buttons, Browse, Add and Remove): enable every one, so that none escapes the check.
        for (QWidget* control : f.wiz->findChildren<QWidget*>())
            control->setEnabled(true);

        const QList<QWidget*> order = tabOrder(f.wiz.get());
        const QString shown = describe(order);
        QVERIFY2(!order.isEmpty(), "nothing takes the focus");
        for (QWidget* control : order) {
            QVERIFY2(!spokenName(control).isEmpty(),
                     qPrintable(control->objectName() + u" has no name in:\n"_s + shown));
            // A picture button is called what its tool tip says; a colour button, more than its tool tip ("Select
            // a Color"), the attribute of its check box and its colour.
            const auto* button = qobject_cast<QAbstractButton*>(control);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
            if (control->objectName().startsWith(QLatin1String("imgWiz_"))) {
                QCOMPARE(accessible->role(), QAccessible::Button);
                QVERIFY(!labelOf(accessible).isEmpty());
                QVERIFY(spokenName(control).startsWith(labelOf(accessible) + u": "_s));
            } else if (button && button->text().isEmpty()) {
                QCOMPARE(spokenName(control), button->toolTip());
            }
            // No two controls of a page are called alike.
            for (QWidget* other : order)
                QVERIFY2(other == control || spokenName(other) != spokenName(control),
                         qPrintable(u"two controls called "_s + spokenName(control) + u" in:\n"_s + shown));
        }
        // Each access key reaches one control; the keys of the button row count on every page. So does each item
        // of a menu the page opens (the colour menus, the picture's menu), and each item has one.
        QStringList texts;
        for (QWidget* w : f.wiz->findChildren<QWidget*>())
            if (w->isVisible() && w->window() == f.wiz.get())
                texts << shownText(w);
        texts.removeAll(QString());
        QString shared = sharedAccessKeys(texts);
        QVERIFY(page != WizardPage::Colors || f.wiz->findChildren<QMenu*>().size() >= 5);
        for (const QMenu* menu : f.wiz->findChildren<QMenu*>()) {
            QStringList items;
            for (const QAction* action : menu->actions())
                if (!action->isSeparator())
                    items << action->text();
            shared += sharedAccessKeys(items, true);
        }
        QVERIFY2(shared.isEmpty(), qPrintable(u"access keys shared or missing:\n"_s + shared));
        for (qsizetype i = 1; i < order.size(); ++i) {
            QVERIFY2(!readsBefore(order[i], order[i - 1]),
                     qPrintable(QStringLiteral("Tab goes from %1 back to %2:\n")
                                    .arg(order[i - 1]->objectName(), order[i]->objectName())
                                + shown));
        }
    }

    void roomForText_data()
    {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<WizardPage>("page");
        QTest::addColumn<QString>("language"); // "longer": texts half as long again, as in a translation

        for (const qreal points : {9.0, 13.0, 16.0, 20.0})
            for (const auto& [page, name] : pageNames)
                QTest::addRow("%s at %g pt", name, points) << points << page << QString();
        for (const QString& language : QStringList{u"longer"_s} + translatedLanguages())
            for (const auto& [page, name] : pageNames)
                QTest::addRow("%s in %s", name, qPrintable(language)) << 9.0 << page << language;
    }

    void roomForText()
    {
        QFETCH(qreal, points);
        QFETCH(WizardPage, page);
        QFETCH(QString, language);
        const auto translation = speak(language);
        const QFont desktop = QApplication::font();
        QFont large = desktop;
        large.setPointSizeF(points);
        QApplication::setFont(large);
        const auto restore = qScopeGuard([&] { QApplication::setFont(desktop); });

        WizardFixture f;
        if (page == WizardPage::About)
            f.press(CmdAbout);
        else
            f.goTo(page, 5);
        f.wiz->cmdButton[CmdForward]->setText(QApplication::translate("larkspan::frmWiz", "&Finish"));
        QVERIFY(QTest::qWaitForWindowExposed(f.wiz.get()));
        // The new texts' requests for room, as the event loop would deliver them.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

        keepPicture(
            f.wiz.get(),
            QStringLiteral("%1-%2-%3pt")
                .arg(language.isEmpty() ? u"en"_s : language, QString::number(int(page)), QString::number(points)));

        QStringList faults;
        if (language == u"longer" && !f.wiz->windowTitle().contains(Translated))
            faults << u"the window's caption \""_s + f.wiz->windowTitle() + u"\" is not translated"_s;
        QList<QWidget*> shown;
        for (QWidget* w : f.wiz->findChildren<QWidget*>()) {
            if (!w->isVisible() || w->isWindow())
                continue;
            if (const QString cut = cutOff(w); !cut.isEmpty())
                faults << cut;
            // Every word the window shows passes through translation.
            if (const QString text = shownText(w); language == u"longer" && !text.contains(Translated)
                && std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }))
                faults << QStringLiteral("%1 \"%2\" is not translated").arg(w->objectName(), text);
            if (!w->parentWidget()->inherits("QGroupBox") && w->parentWidget() != f.wiz->panel(page)
                && w->parentWidget() != f.wiz.get())
                continue;
            // Siblings in the window, on the page or in a frame do not overlap.
            for (QWidget* other : std::as_const(shown))
                if (other->parentWidget() == w->parentWidget() && other->geometry().intersects(w->geometry()))
                    faults << QStringLiteral("%1 overlaps %2").arg(w->objectName(), other->objectName());
            shown << w;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void names_data()
    {
        QTest::addColumn<WizardPage>("page");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label"); // the name of the control that labels it

        QTest::newRow("main window: a frame under its caption")
            << WizardPage::Colors << u"frmWiz"_s << QAccessible::Window
            << u"Larkspan 1.1 - Select the color for your page"_s << QString();
        QTest::newRow("background colour button: attribute and colour, labelled by its check box")
            << WizardPage::Colors << u"imgWiz_1"_s << QAccessible::Button << u"Background Color: White"_s
            << u"Background Color"_s;
        QTest::newRow("text colour button before a colour is chosen")
            << WizardPage::Colors << u"imgWiz_2"_s << QAccessible::Button << u"Text Color: none chosen"_s
            << u"Text Color"_s;
        QTest::newRow("layout combo labelled by the instruction above it")
            << WizardPage::Layout << u"cbBox_0"_s << QAccessible::ComboBox << u"Basic Style"_s
            << u"Select a layout style for your web page."_s;
        QTest::newRow("image width reads as its number")
            << WizardPage::Image << u"lblLabel_26"_s << QAccessible::StaticText << u"240"_s << QString();
        QTest::newRow("image height reads as its number")
            << WizardPage::Image << u"lblLabel_27"_s << QAccessible::StaticText << u"160"_s << QString();
    }

    void names()
    {
        QFETCH(WizardPage, page);
        QFETCH(QString, control);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, label);

        WizardFixture f(page);
        f.wiz->lblLabel[LblImageWidth]->setText(u"240"_s);
        f.wiz->lblLabel[LblImageHeight]->setText(u"160"_s);
        QWidget* widget = control == f.wiz->objectName() ? f.wiz.get() : f.wiz->findChild<QWidget*>(control);
        QVERIFY(widget);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(labelOf(accessible), label);
    }

    void colourButtonSaysItsColourAndPresses()
    {
        WizardFixture f(WizardPage::Colors);
        QStringList opened;
        f.wiz->colourPage().popupMenu = [&](QMenu* menu, const QPoint&) { opened << menu->objectName(); };
        f.wiz->optRadio[OptCustomColors]->click();
        f.wiz->chkBox[ChkFirstColour + 1]->click();
        QWidget* button = f.wiz->imgWiz[ImgFirstColourButton + 1];
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);

        // The screen reader's Press opens the menu, as Space does.
        QVERIFY(accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(opened.size(), 1);

        f.wiz->colourPage().ApplyColorChoice(ColorAttribute::Text, 10);
        QCOMPARE(accessible->text(QAccessible::Name), u"Text Color: Navy"_s);
    }

    void pageChange_data()
    {
        QTest::addColumn<WizardPage>("from");
        QTest::addColumn<QString>("focusBefore");
        QTest::addColumn<int>("key"); // with Alt
        QTest::addColumn<WizardPage>("to");
        QTest::addColumn<QString>("focusAfter");

        QTest::newRow("Alt+N from Layout: the focus on its first control, as it lands on the Colors page")
            << WizardPage::Layout << u"txtBox_1"_s << int(Qt::Key_N) << WizardPage::Colors << u"optRadio_0"_s;
        QTest::newRow("Alt+N from Colors: Include Image, not Help")
            << WizardPage::Colors << u"optRadio_0"_s << int(Qt::Key_N) << WizardPage::Image << u"chkBox_6"_s;
        QTest::newRow("Alt+N from Image: the page text, where the wizard puts it")
            << WizardPage::Image << u"chkBox_6"_s << int(Qt::Key_N) << WizardPage::Text << u"txtBox_4"_s;
        QTest::newRow("Alt+B from Image: Default Colors")
            << WizardPage::Image << u"chkBox_6"_s << int(Qt::Key_B) << WizardPage::Colors << u"optRadio_0"_s;
        QTest::newRow("Alt+B from Text: Include Image")
            << WizardPage::Text << u"txtBox_4"_s << int(Qt::Key_B) << WizardPage::Image << u"chkBox_6"_s;
        QTest::newRow("Alt+A on Welcome: OK on About")
            << WizardPage::Welcome << u"cmdButton_0"_s << int(Qt::Key_A) << WizardPage::About << u"cmdButton_0"_s;
    }

    void pageChange()
    {
        QFETCH(WizardPage, from);
        QFETCH(QString, focusBefore);
        QFETCH(int, key);
        QFETCH(WizardPage, to);
        QFETCH(QString, focusAfter);

        WizardFixture f(from);
        QWidget* before = f.wiz->findChild<QWidget*>(focusBefore);
        before->setFocus();
        QTRY_COMPARE(f.focusName(), focusBefore);
        QTest::keyClick(before, Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(WizardPage(f.wiz->CurrentPage()), to);

        QTRY_COMPARE(f.focusName(), focusAfter);
        // The page's heading, the caption, reaches the screen reader as the window's description too (the events
        // that tell of it are heard by the test on the accessibility bus).
        QCOMPARE(f.wiz->accessibleDescription(), f.wiz->windowTitle());
    }

    void hiddenBoxesHoldNoSelection()
    {
        WizardFixture f(WizardPage::Layout);
        auto* title = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtTitle]);
        auto* heading = qobject_cast<QLineEdit*>(f.wiz->txtBox[TxtHeading]);
        title->setText(u"My Garden"_s);
        heading->setText(u"Bob's roses"_s);
        heading->setFocus();
        QTRY_COMPARE(f.focusName(), u"txtBox_1"_s);
        QCOMPARE(title->selectedText(), u"My Garden"_s);

        // Selected by the rule while their page is hidden, they report nothing and are not showing.
        f.forward();
        f.wiz->txtBox[TxtBackgroundImage]->setEnabled(true);
        f.wiz->setBoxText(TxtBackgroundImage, u"tile.gif"_s);
        f.wiz->txtBox[TxtBackgroundImage]->setFocus();
        QTRY_COMPARE(f.focusName(), u"txtBox_2"_s);
        for (QLineEdit* box : {title, heading}) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(accessible->textInterface()->selectionCount(), 0);
            QVERIFY(accessible->state().invisible);
        }

        // Back on their page they hold the whole text as the rule selected it.
        f.backward();
        QCOMPARE(title->selectedText(), u"My Garden"_s);
        QCOMPARE(heading->selectedText(), u"Bob's roses"_s);
        QCOMPARE(QAccessible::queryAccessibleInterface(title)->textInterface()->selectionCount(), 1);
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
