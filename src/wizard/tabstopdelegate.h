// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

namespace larkspan {

// Draws a list entry with its TAB characters expanded to evenly spaced tab stops, so that the parts after the
// first TAB line up in a column whatever the length of the part before it. An entry wider than the list ends in
// an ellipsis and shows whole in its tool tip; the list never scrolls sideways.
class TabStopDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Distance between tab stops in pixels; the first stop lies this far from the text's left edge.
    void setTabStop(int pixels) { stop = pixels; }
    int tabStop() const { return stop; }

    // Dialog units (a quarter of the font's average character width each) in pixels for the given font.
    static int dialogUnitsToPixels(int units, const QFontMetrics& metrics);
    // Where text continues after a TAB at x: the first stop right of x.
    static int nextTabStop(int x, int stop);
    // The width of text with its TABs expanded to the stops.
    static int textWidth(QStringView text, const QFontMetrics& metrics, int stop);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

private:
    // Where the text goes: the style's text rectangle with its inner margin, as wide as the row allows.
    static QRect textArea(const QStyleOptionViewItem& item);

    int stop = 0;
};

} // namespace larkspan
