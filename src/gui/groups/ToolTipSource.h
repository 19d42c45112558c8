#pragma once

#include <functional>

#include <QObject>

class QWidget;

// Gives a widget the tooltip that `text` makes at the moment the mouse asks
// for one, so that a tooltip that explains the chart is never stale and
// costs nothing until it is shown. Lives as long as the widget.
class ToolTipSource final : public QObject
{
    Q_OBJECT
public:
    ToolTipSource(QWidget *w, std::function<QString()> text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_widget;
    std::function<QString()> m_text;
};
