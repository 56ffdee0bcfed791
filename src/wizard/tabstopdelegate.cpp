// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/tabstopdelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace larkspan {

int TabStopDelegate::dialogUnitsToPixels(int units, const QFontMetrics& metrics)
{
    // The average character width of a font as dialog units have always been measured: the width of the 52 Latin
    // letters, halved twice with rounding.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int average = (letters / 26 + 1) / 2;
    return (units * average + 2) / 4;
}

int TabStopDelegate::nextTabStop(int x, int stop)
{
    if (stop <= 0)
        return x;
    return (x / stop + 1) * stop;
}

int TabStopDelegate::textWidth(QStringView text, const QFontMetrics& metrics, int stop)
{
    int x = 0;
    const QList<QStringView> parts = text.split(u'\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            x = nextTabStop(x, stop);
        x += metrics.horizontalAdvance(parts.at(i).toString());
    }
    return x;
}

QRect TabStopDelegate::textArea(const QStyleOptionViewItem& item)
{
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // The text's place as the style lays out the item, and the same inner margin that it leaves around the text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget).adjusted(margin, 0, 0, 0);
    area.setRight(item.rect.right() - margin); // the style sizes it to the text with its own TAB width
    // A row may be laid out wider than the list shows it; the text ends where the list does.
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget))
        area.setRight(std::min(area.right(), view->viewport()->rect().right() - margin));
    return area;
}

void TabStopDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const QRect area = textArea(item);
    // The style draws the background, selection and focus; the text is drawn here.
    const QString text = item.text;
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const bool enabled = item.state & QStyle::State_Enabled;
    const QPalette::ColorGroup group = !enabled
        ? QPalette::Disabled
        : (item.state & QStyle::State_Active ? QPalette::Normal : QPalette::Inactive);
    const QPalette::ColorRole role = item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;

    painter->save();
    painter->setClipRect(area);
    painter->setFont(item.font);
    painter->setPen(item.palette.color(group, role));
    const QFontMetrics metrics(item.font);
    int x = 0;
    const QList<QStringView> parts = QStringView(text).split(u'\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            x = nextTabStop(x, stop);
        if (x >= area.width())
            break;
        // A part that runs past the right edge ends in an ellipsis there.
        const QString part = metrics.elidedText(parts.at(i).toString(), Qt::ElideRight, area.width() - x);
        painter->drawText(area.adjusted(x, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, part);
        x += metrics.horizontalAdvance(part);
    }
    painter->restore();
}

bool TabStopDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                                const QModelIndex& index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    if (textWidth(item.text, QFontMetrics(item.font), stop) <= textArea(item).width()) {
        QToolTip::hideText();
        return true;
    }
    QString whole = item.text;
    QToolTip::showText(event->globalPos(), whole.replace(u'\t', QStringLiteral("    ")), view->viewport(),
                       view->visualRect(index));
    return true;
}

} // namespace larkspan
