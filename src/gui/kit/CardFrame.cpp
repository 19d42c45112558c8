#include "gui/kit/CardFrame.h"

#include "gui/kit/ChartLook.h"

#include <QPainter>
#include <QPainterPath>

CardFrame::CardFrame(const QString &title, QWidget *parent)
    : QGroupBox(title, parent)
{}

void CardFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(rect()).adjusted(0.5, 8.5, -0.5, -0.5);
    painter.setPen(QPen(chartLook::line, 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 6, 6);

    QFont font = this->font();
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const QRectF tab(10, 1, metrics.horizontalAdvance(title()) + 14, metrics.height() + 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(chartLook::banner);
    painter.drawRoundedRect(tab, 3, 3);
    painter.setPen(Qt::white);
    painter.drawText(tab, Qt::AlignCenter, title());
}
