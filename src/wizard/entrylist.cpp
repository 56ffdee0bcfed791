#include "wizard/entrylist.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace larkspan::entrylist {

void prepare(QListWidget* list)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setUniformItemSizes(true);
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

} // namespace larkspan::entrylist
