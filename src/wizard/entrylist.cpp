#include "wizard/entrylist.h"

#include "ui/stringconvert.h"
#include "wizard/tabstopdelegate.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace larkspan::entrylist {

void layOut(QVBoxLayout* column, QPushButton* add, QLabel* counter, QListWidget* list, QPushButton* remove)
{
    auto* addRow = new QHBoxLayout;
    addRow->addWidget(add);
    addRow->addWidget(counter, 1);
    column->addLayout(addRow);

    column->addWidget(list, 1);

    auto* removeRow = new QHBoxLayout;
    removeRow->addWidget(remove);
    removeRow->addStretch();
    column->addLayout(removeRow);
}

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

std::vector<std::string> entries(const QListWidget* list)
{
    std::vector<std::string> texts;
    texts.reserve(std::size_t(list->count()));
    for (int row = 0; row < list->count(); ++row)
        texts.push_back(toStd(list->item(row)->data(Qt::UserRole).toString()));
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

void appendAll(QListWidget* list, const std::vector<std::string>& exactTexts, QString (*shown)(const QString&))
{
    for (const std::string& each : exactTexts) {
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

} // namespace larkspan::entrylist
