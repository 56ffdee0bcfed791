// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/bulletlistpage.h"

#include "ui/guardedboxes.h"
#include "ui/keyboard.h"
#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"
#include "wizard/entrylist.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace larkspan {

namespace {

const char* const bulletStyles[] = {
    QT_TRANSLATE_NOOP("BulletListPage", "Disc"),
    QT_TRANSLATE_NOOP("BulletListPage", "Square"),
    QT_TRANSLATE_NOOP("BulletListPage", "Circle"),
};

constexpr int ItemBoxLines = 3;

} // namespace

BulletListPage::BulletListPage(WizardControls& wiz)
    : wiz(wiz), rows(wiz, {CmdAddItem, LblItemCounter, LstItems, CmdRemoveItem}, tr("Current List Items: %1"))
{
    QWidget* panel = wiz.panel(WizardPage::BulletList);

    QLabel* instruction = wiz.addInstruction(
        panel,
        tr("Bullet list provide traditional indented items to your page. They are ideal "
           "for listing specific items you would like to set apart from the body of text."));

    auto* styleLabel = new QLabel(tr("Style"), panel);
    auto* style = new QComboBox(panel);
    style->setObjectName(QStringLiteral("cbBox_%1").arg(CbBulletStyle));
    styleLabel->setBuddy(style);
    wiz.cbBox[CbBulletStyle] = style;

    auto* itemLabel = new QLabel(tr("Bulleted Item Description"), panel);
    auto* item = new GuardedTextBox(panel);
    item->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    item->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    item->setTabChangesFocus(true);
    item->setFixedHeight(item->fontMetrics().lineSpacing() * ItemBoxLines + 2 * item->frameWidth() + 8);
    itemLabel->setBuddy(item);
    wiz.txtBox[TxtBulletItem] = item;
    itemBox = item;

    rows.make(panel, tr("&Add Item"), tr("Bullet items"), tr("&Remove Item"));

    auto* entry = new QGridLayout;
    entry->addWidget(styleLabel, 0, 0);
    entry->addWidget(itemLabel, 0, 1);
    entry->addWidget(style, 1, 0, Qt::AlignTop);
    entry->addWidget(item, 1, 1);
    entry->setColumnStretch(1, 1);

    QVBoxLayout* column = wiz.addColumn(panel, instruction);
    column->addLayout(entry);
    rows.layOut(column);
}

void BulletListPage::formLoad()
{
    QComboBox* style = wiz.cbBox[CbBulletStyle];
    for (const char* name : bulletStyles)
        style->addItem(tr(name));
    style->setCurrentIndex(0);
}

bool BulletListPage::addItem()
{
    QListWidget* list = rows.list();
    if (entrylist::isFull(list)) {
        wiz.platform.messageBox(&wiz.window, tr("The list can hold at most %1 items.").arg(entrylist::Capacity),
                                MessageButtons::Ok, MessageIcon::Information, tr("Larkspan"));
        return false;
    }
    // Any text goes in as it stands, an empty one included.
    const QString item = wiz.boxText(TxtBulletItem);
    entrylist::append(list, item, shownText(item));
    wiz.setBoxText(TxtBulletItem, {});
    wiz.txtBox[TxtBulletItem]->setFocus();
    rows.updateCounter();
    return true;
}

void BulletListPage::txtBox_Change(int)
{
    wiz.cmdButton[CmdAddItem]->setEnabled(!itemBox->document()->isEmpty());
}

bool BulletListPage::txtBox_KeyPress(int index, int keyAscii)
{
    if (index != TxtBulletItem || keyAscii != KeyAsciiReturn)
        return false;
    // Enter adds even when "Add Item" is disabled; the emptied box then receives the Enter key's line break.
    // A full list keeps the box exactly as it was.
    return !addItem();
}

void BulletListPage::lstBox_Click(int)
{
    rows.selectionChanged();
}

void BulletListPage::resetForAnotherPage()
{
    rows.clear();
    wiz.cbBox[CbBulletStyle]->setCurrentIndex(0);
    wiz.setBoxText(TxtBulletItem, {});
}

QString BulletListPage::shownText(const QString& item)
{
    static const QString mark(QChar(0x21B5)); // DOWNWARDS ARROW WITH CORNER LEFTWARDS, the Enter key's sign
    QString shown;
    shown.reserve(item.size());
    for (qsizetype i = 0; i < item.size(); ++i) {
        const QChar c = item.at(i);
        if (c == u'\r' || c == u'\n') {
            shown += mark;
            if (c == u'\r' && i + 1 < item.size() && item.at(i + 1) == u'\n')
                ++i;
        } else {
            shown += c;
        }
    }
    return shown;
}

void BulletListPage::cmdButton_Click(int index)
{
    if (index == CmdAddItem)
        addItem();
    else if (index == CmdRemoveItem)
        rows.removeSelected();
}

void BulletListPage::restore(const PageSpec& spec, const QString&)
{
    entrylist::appendAll(rows.list(), spec.bulletItems, shownText);
    wiz.cbBox[CbBulletStyle]->setCurrentIndex(std::clamp(spec.bulletStyle, 0, wiz.cbBox[CbBulletStyle]->count() - 1));
    rows.updateCounter();
}

void BulletListPage::describe(PageSpec& spec) const
{
    spec.bulletItems = entrylist::entries(rows.list());
    spec.bulletStyle = wiz.cbBox[CbBulletStyle]->currentIndex();
}

} // namespace larkspan
