#include "gui/formats/MatchNoteBox.h"

#include "gui/controls/Controls.h"
#include "gui/kit/ChartLook.h"
#include "schedule/MatchInfo.h"

#include <QLabel>

namespace {

QLabel *addLine(QWidget *box, int top, int width, int height, const QColor &colour, double points, bool bold)
{
    auto *label = new QLabel(box);
    label->setGeometry(twipsRect(60, top, width - 120, height));
    label->setAlignment(Qt::AlignCenter);
    chartLook::setTextColour(label, colour);
    chartLook::setFontSize(label, points, bold);
    return label;
}

} // namespace

MatchNoteBox::MatchNoteBox(QWidget *page, int left, int top, int width)
    : QFrame(page)
{
    setGeometry(twipsRect(left, top, width, heightTwips));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::white));
    chartLook::setTextColour(this, chartLook::line);
    // The mouse goes on to what lies beneath, as over the 2010 pages' box.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_venue = addLine(this, 60, width, 540, chartLook::venue, 9.75, false);
    m_venue->setWordWrap(true);
    m_date = addLine(this, 600, width, 330, chartLook::kickOff, 9.75, true);
    m_time = addLine(this, 930, width, 390, chartLook::kickOff, 13.5, true);
    hide();
}

void MatchNoteBox::showInfo(const MatchInfo &info)
{
    m_venue->setText(info.venue.trimmed());
    m_date->setText(info.date.trimmed());
    m_time->setText(info.time.trimmed());
    setVisible(info.hasText());
}
