#include "gui/kit/ChartLook.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPalette>

namespace chartLook {

void applyApplicationLook()
{
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Window, pitch);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Button, QColor(0xf4, 0xf7, 0xf2));
    palette.setColor(QPalette::Highlight, banner);
    QApplication::setPalette(palette);
    // The chart is dense: a narrow face, one size below the desktop's usual.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}

void makeBanner(QLabel *label)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, banner);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    setFontSize(label, label->font().pointSizeF(), true);
}

void makeHeading(QLabel *label)
{
    setTextColour(label, muted);
    setFontSize(label, label->font().pointSizeF() - 1, true);
}

void setTextColour(QWidget *w, const QColor &colour)
{
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    w->setPalette(palette);
}

void setFontSize(QWidget *w, double points, bool bold)
{
    QFont font = w->font();
    font.setPointSizeF(points);
    font.setBold(bold);
    w->setFont(font);
}

void makeMatchBox(QFrame *box)
{
    box->setFrameShape(QFrame::Box);
    box->setAutoFillBackground(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, line);
    box->setPalette(palette);
}

} // namespace chartLook
