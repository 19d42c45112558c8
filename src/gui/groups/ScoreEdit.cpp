#include "gui/groups/ScoreEdit.h"

#include <algorithm>

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The room a line edit keeps on each side of its text, whatever its style.
constexpr int lineEditMargin = 2;

} // namespace

ScoreEdit::ScoreEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    // No length limit: the tables count what the cell holds, so the cell
    // keeps and shows all of it, as typed or as read from a chart.
    connect(this, &QLineEdit::textChanged, this, &ScoreEdit::fitText);
}

void ScoreEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fitText();
}

void ScoreEdit::fitText()
{
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int room =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - 2 * lineEditMargin;
    // "Any stretch" draws the face as it is, like "unstretched", but shares
    // the font engine of every other control: each stretch value asked for
    // loads an engine of its own, which start-up pays for.
    QFont upright = font();
    upright.setStretch(QFont::AnyStretch);
    const int needed = QFontMetrics(upright).horizontalAdvance(text()) + 1;
    // However narrow it gets: the tables count every figure, so a figure
    // scrolled out of sight would misread them.
    const int stretch = needed > room ? std::max(1, 100 * room / needed) : int(QFont::AnyStretch);
    if (font().stretch() == stretch)
        return;
    QFont narrowed = font();
    narrowed.setStretch(stretch);
    setFont(narrowed);
}

void ScoreEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    setCursorPosition(0);
}

void ScoreEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    setSelection(0, 2);
}
