#include "gui/groups/ScoreEdit.h"

#include <algorithm>

#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

// The room a line edit keeps on each side of its text, whatever its style.
constexpr int lineEditMargin = 2;
constexpr int narrowest = 60;

} // namespace

ScoreEdit::ScoreEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Room for any real score and the "-" typed beside it; a longer
    // number would only make the tables unreadable.
    setMaxLength(3);
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
    QFont upright = font();
    upright.setStretch(QFont::Unstretched);
    const int needed = QFontMetrics(upright).horizontalAdvance(text()) + 1;
    const int stretch = needed > room ? std::max(narrowest, 100 * room / needed) : int(QFont::Unstretched);
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
