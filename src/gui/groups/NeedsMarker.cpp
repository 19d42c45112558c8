#include "gui/groups/NeedsMarker.h"

#include "gui/controls/CellBinding.h"
#include "tournament/Cell.h"

#include <QEvent>
#include <QPainter>

namespace {

QColor verdictColour(ResultVerdict verdict)
{
    switch (verdict) {
    case ResultVerdict::Through:
        return toColour(colours::winner);
    case ResultVerdict::Out:
        return toColour(colours::eliminated);
    case ResultVerdict::Depends:
        break;
    }
    return QColor(0xe0, 0x9a, 0x1a);
}

// Wide enough to be seen at a glance and pointed at for its tooltip.
constexpr int stripWidth = 8;

} // namespace

NeedsMarker::NeedsMarker(QWidget *parent)
    : QWidget(parent)
{
    hide();
    setCursor(Qt::WhatsThisCursor);
    parent->installEventFilter(this);
    setGeometry(1, 1, stripWidth, parent->height() - 2);
}

bool NeedsMarker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(1, 1, stripWidth, parentWidget()->height() - 2);
    return false;
}

void NeedsMarker::setNeeds(const std::optional<TeamNeeds> &needs)
{
    m_needs = needs;
    setVisible(needs.has_value());
    update();
}

void NeedsMarker::paintEvent(QPaintEvent *)
{
    if (!m_needs)
        return;
    QPainter painter(this);
    if (m_needs->status != NeedStatus::Open || !m_needs->nextMatch) {
        const ResultVerdict fate = m_needs->status == NeedStatus::Qualified    ? ResultVerdict::Through
                                   : m_needs->status == NeedStatus::Eliminated ? ResultVerdict::Out
                                                                               : ResultVerdict::Depends;
        painter.fillRect(rect(), verdictColour(fate));
        return;
    }
    // A win on top, a loss at the bottom, a pixel between them.
    const int height = (this->height() + 1) / 3;
    for (int result = 0; result < 3; ++result)
        painter.fillRect(QRect(0, result * height, width(), height - 1),
                         verdictColour((*m_needs->nextMatch)[std::size_t(result)]));
}
