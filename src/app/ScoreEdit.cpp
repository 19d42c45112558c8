#include "app/ScoreEdit.h"

#include <QMouseEvent>

ScoreEdit::ScoreEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignCenter);
    setTextMargins(0, 0, 0, 0);
    setContextMenuPolicy(Qt::NoContextMenu);
}

void ScoreEdit::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    setSelection(0, 2);
}

void ScoreEdit::mouseReleaseEvent(QMouseEvent *event)
{
    // The base class would drop the selection made by the press when no
    // drag happened in between.
    const int start = selectionStart();
    const int length = selectedText().size();
    QLineEdit::mouseReleaseEvent(event);
    if (start >= 0 && !hasSelectedText())
        setSelection(start, length);
}
