#pragma once

#include <QStyledItemDelegate>

#include "gui/kit/FittingText.h"

class QAbstractItemView;

// The items of a short list as the fitted labels show a text: smaller when
// too long, cut only at the floor with the whole line in the tooltip. The
// rows share the view's height so that `lines` of them always show without
// a scroll bar, whatever the scale the fonts were given.
class FittingDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
public:
    FittingDelegate(int lines, QAbstractItemView *view);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

private:
    // The item's text as it fits its row; `option` holds the item already.
    fittingText::Fit fitted(const QStyleOptionViewItem &option) const;

    int m_lines;
    QAbstractItemView *m_view;
};
