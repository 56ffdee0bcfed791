#pragma once

#include <QString>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace larkspan {

// What the bullet item list and the link list share: each entry keeps its exact text in Qt::UserRole, and a list
// holds at most 32767 entries (list positions are 16-bit signed numbers wherever the page is read back).
namespace entrylist {

inline constexpr int Capacity = 32767;

// Adds a list page's lower rows to its column: the add button with the counter beside it, the list taking the
// spare height, and the remove button under it.
void layOut(QVBoxLayout* column, QPushButton* add, QLabel* counter, QListWidget* list, QPushButton* remove);

// Where a list's TABs stop unless a page sets its own, in dialog units apart.
inline constexpr int DefaultTabStop = 32;

// Sets up a list for fast appends at any length (one row height for all rows), drawing its entries with tab stops
// (a TabStopDelegate). Entries wider than the list end in an ellipsis and show whole in a tool tip.
void prepare(QListWidget* list);
bool isFull(const QListWidget* list);
// Every entry's exact text, in list order.
std::vector<std::string> entries(const QListWidget* list);
// Appends without checking the capacity; the pages check it first so that they can tell the user.
void append(QListWidget* list, const QString& exactText, const QString& shownText);
// Appends entries as entries() reads them back; shown gives the text the list shows for each, the entry itself
// when null.
void appendAll(QListWidget* list, const std::vector<std::string>& exactTexts,
               QString (*shown)(const QString&) = nullptr);
// Removes the selected entry, if any, and leaves nothing selected.
void removeSelected(QListWidget* list);
bool hasSelection(const QListWidget* list);
// Empties the list without a selection change reaching the window's handler.
void clearKeepingButtons(QListWidget* list);

} // namespace entrylist

} // namespace larkspan
