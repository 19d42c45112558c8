#include "gui/kit/FittingDelegate.h"

#include <algorithm>

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>

namespace {

QStyle *styleOf(const QWidget *widget)
{
    return widget ? widget->style() : QApplication::style();
}

} // namespace

FittingDelegate::FittingDelegate(int lines, QAbstractItemView *view)
    : QStyledItemDelegate(view)
    , m_lines(lines)
    , m_view(view)
{}

fittingText::Fit FittingDelegate::fitted(const QStyleOptionViewItem &option) const
{
    const QWidget *widget = option.widget;
    QStyle *style = styleOf(widget);
    const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &option, widget);
    // The style keeps this much clear on each side of an item's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    return fittingText::fit(option.text, option.font, room.width() - 2 * margin, room.height());
}

void FittingDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const fittingText::Fit fit = fitted(item);
    item.font = fit.font;
    item.fontMetrics = QFontMetrics(fit.font);
    item.text = fit.text;
    styleOf(option.widget)->drawControl(QStyle::CE_ItemViewItem, &item, painter, option.widget);
}

QSize FittingDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const int share = m_view->viewport()->height() / m_lines;
    if (share > 0)
        size.setHeight(std::min(size.height(), share));
    return size;
}

bool FittingDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                const QModelIndex &index)
{
    if (index.isValid()) {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        if (fittingText::showWholeText(view, event, item.text, fitted(item)))
            return true;
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
