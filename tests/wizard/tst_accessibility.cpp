// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizardfixture.h"

#include <QAbstractButton>
#include <QAccessible>

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

} // namespace

// What a screen reader and a keyboard user meet on every page: a name for every control, Tab in reading order.
class tst_Accessibility : public QObject {
    Q_OBJECT

private slots:
    void everyPage_data()
    {
        QTest::addColumn<WizardPage>("page");

        QTest::newRow("Welcome") << WizardPage::Welcome;
        QTest::newRow("About") << WizardPage::About;
        QTest::newRow("Layout") << WizardPage::Layout;
        QTest::newRow("Colors") << WizardPage::Colors;
        QTest::newRow("Image") << WizardPage::Image;
        QTest::newRow("Text") << WizardPage::Text;
        QTest::newRow("Bullet List") << WizardPage::BulletList;
        QTest::newRow("Links") << WizardPage::Links;
        QTest::newRow("Finish") << WizardPage::Finish;
    }

    void everyPage()
    {
        QFETCH(WizardPage, page);

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
            // A picture button is called what its tool tip says.
            const auto* button = qobject_cast<QAbstractButton*>(control);
            if (button && button->text().isEmpty())
                QCOMPARE(spokenName(control), button->toolTip());
            // The colour buttons open their menus as buttons do, and are announced as buttons.
            if (control->objectName().startsWith(QLatin1String("imgWiz_")))
                QCOMPARE(QAccessible::queryAccessibleInterface(control)->role(), QAccessible::Button);
        }
        for (qsizetype i = 1; i < order.size(); ++i) {
            QVERIFY2(!readsBefore(order[i], order[i - 1]),
                     qPrintable(QStringLiteral("Tab goes from %1 back to %2:\n")
                                    .arg(order[i - 1]->objectName(), order[i]->objectName())
                                + shown));
        }
    }
};

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
