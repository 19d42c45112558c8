#include "gui/kit/EscapeKey.h"

#include <QShortcut>
#include <QWidget>

void closeOnEscape(QWidget *panel, std::function<void()> close)
{
    // A shortcut of a hidden widget never fires, so the panels shown are
    // the only ones that answer.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), panel);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, panel, close);
    QObject::connect(escape, &QShortcut::activatedAmbiguously, panel, close);
}
