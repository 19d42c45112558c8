#include "gui/kit/FittedLabel.h"

#include <algorithm>

#include <QPainter>
#include <QStyle>

bool FittedLabel::event(QEvent *event)
{
    return fittingText::showWholeText(this, event, text(), m_shown) || QLabel::event(event);
}

void FittedLabel::paintEvent(QPaintEvent *event)
{
    m_shown = fittingText::fit(text(), font(), textRoom().width());
    if (wordWrap() || !pixmap().isNull() || (!m_shown.elided && m_shown.font == font())) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setFont(m_shown.font);
    style()->drawItemText(&p, textRoom(), int(alignment()), palette(), isEnabled(), m_shown.text,
                          foregroundRole());
}

// Where QLabel itself puts a line of text: inside the frame and margin, and
// clear of the indent on the side the text is aligned to.
QRect FittedLabel::textRoom() const
{
    const int m = margin();
    QRect room = contentsRect().adjusted(m, m, -m, -m);
    const int shift = std::max(0, indent());
    if (alignment() & Qt::AlignLeft)
        room.setLeft(room.left() + shift);
    else if (alignment() & Qt::AlignRight)
        room.setRight(room.right() - shift);
    return room;
}
