#include "gui/groups/ToolTipSource.h"

#include <QEvent>
#include <QWidget>

ToolTipSource::ToolTipSource(QWidget *w, std::function<QString()> text)
    : QObject(w)
    , m_widget(w)
    , m_text(std::move(text))
{
    w->installEventFilter(this);
}

bool ToolTipSource::eventFilter(QObject *watched, QEvent *event)
{
    // The widget itself then shows the text, or hides the tip when empty.
    if (watched == m_widget && event->type() == QEvent::ToolTip)
        m_widget->setToolTip(m_text());
    return false;
}
