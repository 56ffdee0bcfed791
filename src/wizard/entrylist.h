// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "page/textlist.h"

#include <QString>

class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace larkspan {

class WizardControls;

// What the bullet item list and the link list share: each entry keeps its exact text in Qt::UserRole, and a list
// holds at most 32767 entries (list positions are 16-bit signed numbers wherever the page is read back).
namespace entrylist {

inline constexpr int Capacity = 32767;

// Where a list's TABs stop unless a page sets its own, in dialog units apart.
inline constexpr int DefaultTabStop = 32;

// Sets up a list for fast appends at any length (one row height for all rows), drawing its entries with tab stops
// (a TabStopDelegate). Entries wider than the list end in an ellipsis and show whole in a tool tip.
void prepare(QListWidget* list);
bool isFull(const QListWidget* list);
// Every entry's exact text, in list order.
TextList entries(const QListWidget* list);
// Appends without checking the capacity; the pages check it first so that they can tell the user.
void append(QListWidget* list, const QString& exactText, const QString& shownText);
// Appends entries as entries() reads them back; shown gives the text the list shows for each, the entry itself
// when null.
void appendAll(QListWidget* list, const TextList& exactTexts, QString (*shown)(const QString&) = nullptr);
// Removes the selected entry, if any, and leaves nothing selected.
void removeSelected(QListWidget* list);
bool hasSelection(const QListWidget* list);
// Empties the list without a selection change reaching the window's handler.
void clearKeepingButtons(QListWidget* list);

// The lower rows of a list page: the add button with the counter beside it, the list taking the spare height, and
// the remove button under it. The controls are elements of the window's arrays; this keeps their indexes and
// does for either page what the rows do alike.
class Rows {
public:
    struct Elements {
        int add;     // cmdButton
        int counter; // lblLabel
        int list;    // lstBox
        int remove;  // cmdButton
    };
    // counterText: the counter's text, "%1" standing for the number of entries.
    Rows(WizardControls& wiz, Elements elements, const QString& counterText);

    // Makes the four controls on panel, in reading order, both buttons disabled.
    void make(QWidget* panel, const QString& addCaption, const QString& listName, const QString& removeCaption);
    // Adds them to the page's column, below what the page put there.
    void layOut(QVBoxLayout* column) const;

    QListWidget* list() const;
    void updateCounter() const;
    // The remove button: the selected entry goes, and the button then follows the selection.
    void removeSelected() const;
    // The list was clicked: the remove button follows its selection.
    void selectionChanged() const;
    // Another page: no entries, and no selection change reaching the window's handler. The remove button is left
    // as it is.
    void clear() const;

private:
    WizardControls& wiz;
    Elements elements;
    QString counterText;
};

} // namespace entrylist

} // namespace larkspan
