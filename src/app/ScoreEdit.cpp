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

