#include "gui/print/SheetView.h"

#include <QPainter>

#include "print/SheetPainter.h"

SheetView::SheetView(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void SheetView::setSheet(Sheet sheet)
{
    m_sheet = std::move(sheet);
    update();
}

void SheetView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintSheet(p, m_sheet);
}
