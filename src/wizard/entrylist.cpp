// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/entrylist.h"

#include "ui/stringconvert.h"
#include "ui/wizardcontrols.h"
#include "wizard/tabstopdelegate.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace larkspan::entrylist {

void prepare(QListWidget* list)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setUniformItemSizes(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* entries = new TabStopDelegate(list);
    entries->setTabStop(TabStopDelegate::dialogUnitsToPixels(DefaultTabStop, list->fontMetrics()));
    list->setItemDelegate(entries);
}

TextList entries(const QListWidget* list)
{
    TextList texts;
    texts.reserve(std::size_t(list->count()));
    for (int row = 0; row < list->count(); ++row) {
        const QByteArray text = list->item(row)->data(Qt::UserRole).toString().toUtf8();
        texts.push_back(std::string_view(text.constData(), std::size_t(text.size())));
    }
    return texts;
}

bool isFull(const QListWidget* list)
{
    return list->count() >= Capacity;
}

void append(QListWidget* list, const QString& exactText, const QString& shownText)
{
    auto* item = new QListWidgetItem(shownText);
    item->setData(Qt::UserRole, exactText);
    list->addItem(item);
}

void appendAll(QListWidget* list, const TextList& exactTexts, QString (*shown)(const QString&))
{
    for (const std::string_view each : exactTexts) {
        const QString text = toQt(each);
        append(list, text, shown ? shown(text) : text);
    }
}

void removeSelected(QListWidget* list)
{
    const QModelIndexList selected = list->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    delete list->takeItem(selected.constFirst().row());
    list->clearSelection();
}

bool hasSelection(const QListWidget* list)
{
    return list->selectionModel()->hasSelection();
}

void clearKeepingButtons(QListWidget* list)
{
    // Kept as is: starting another page leaves "Remove Item" and "Remove Link" enabled or disabled as they were.
    const QSignalBlocker quiet(list);
    list->clear();
}

Rows::Rows(WizardControls& wiz, Elements elements, const QString& counterText)
    : wiz(wiz), elements(elements), counterText(counterText)
{}

void Rows::make(QWidget* panel, const QString& addCaption, const QString& listName, const QString& removeCaption)
{
    wiz.addButton(panel, elements.add, addCaption, false);
    wiz.addLabel(panel, elements.counter, counterText.arg(0));
    prepare(wiz.addList(panel, elements.list, listName));
    wiz.addButton(panel, elements.remove, removeCaption, false);
}

void Rows::layOut(QVBoxLayout* column) const
{
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(wiz.cmdButton[elements.add]);
    addRow->addWidget(wiz.lblLabel[elements.counter], 1);
    column->addLayout(addRow);

    column->addWidget(list(), 1);

    auto* removeRow = new QHBoxLayout;
    removeRow->addWidget(wiz.cmdButton[elements.remove]);
    removeRow->addStretch();
    column->addLayout(removeRow);
}

QListWidget* Rows::list() const
{
    return wiz.lstBox[elements.list];
}

void Rows::updateCounter() const
{
    wiz.lblLabel[elements.counter]->setText(counterText.arg(list()->count()));
}

void Rows::removeSelected() const
{
    entrylist::removeSelected(list());
    selectionChanged();
    updateCounter();
}

void Rows::selectionChanged() const
{
    wiz.cmdButton[elements.remove]->setEnabled(hasSelection(list()));
}

void Rows::clear() const
{
    clearKeepingButtons(list());
    updateCounter();
}

} // namespace larkspan::entrylist
