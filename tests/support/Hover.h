#pragma once

#include <QTest>
#include <QWidget>

// Moves the mouse the way the user does: the window finds what lies under it.
inline void hover(QWidget *w, QPoint local = QPoint(-1, -1))
{
    if (local == QPoint(-1, -1))
        local = w->rect().center();
    QWidget *top = w->window();
    QTest::mouseMove(top->windowHandle(), w->mapTo(top, local));
}
