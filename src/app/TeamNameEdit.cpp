#include "app/TeamNameEdit.h"

#include <QMouseEvent>

#include "app/CellBinding.h"
#include "tournament/Cell.h"

TeamNameEdit::TeamNameEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setFrame(false);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
}

void TeamNameEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void TeamNameEdit::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    const bool eliminated = palette().color(QPalette::Text) == toColour(colours::eliminated);
    if (font().italic() != eliminated) {
        QFont face = font();
        face.setItalic(eliminated);
        setFont(face);
    }
}
