#include "gui/groups/ScoreEdit.h"

#include <QMouseEvent>

ScoreEdit::ScoreEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
    // Room for any real score and the "-" typed beside it; a longer
    // number would only make the tables unreadable.
    setMaxLength(3);
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
