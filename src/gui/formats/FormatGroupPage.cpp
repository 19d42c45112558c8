#include "gui/formats/FormatGroupPage.h"

#include "gui/controls/Controls.h"
#include "gui/formats/MatchNoteBox.h"
#include "gui/formats/ThirdsPanel.h"
#include "gui/groups/GroupFrame.h"
#include "tournament/Tournament.h"

#include <QEvent>

namespace {

constexpr int pageWidth = 17610;
constexpr int margin = 45;
constexpr int gap = 45;
constexpr int thirdsWidth = 3300;
// Over the way out, at the foot of the thirds' column.
constexpr int noteBottom = 9690;

} // namespace

FormatGroupPage::FormatGroupPage(Tournament &t, CellBinding &binding, QWidget *parent)
    : QFrame(parent)
    , m_tournament(t)
{
    setAutoFillBackground(true); // covers the 2010 page
    const int groups = int(t.groupIds().size());
    const int columns = groups > 8 ? 4 : 3;
    const int cardsWidth = pageWidth - thirdsWidth - 2 * margin - gap;
    const int cardWidth = (cardsWidth - (columns - 1) * gap) / columns;
    const GroupFrameLayout layout = GroupFrameLayout::card(cardWidth);
    for (GroupId g : t.groupIds()) {
        auto *frame = new GroupFrame(t, binding, g, this, layout);
        const int column = groupIndex(g) % columns;
        const int row = groupIndex(g) / columns;
        frame->setGeometry(twipsRect(margin + column * (cardWidth + gap), row * (layout.height() + 15), cardWidth,
                                     layout.height()));
        m_frames.append(frame);
    }
    m_thirds = new ThirdsPanel(t, thirdsWidth, this);
    m_thirds->setGeometry(
        twipsRect(pageWidth - margin - thirdsWidth, 0, thirdsWidth, ThirdsPanel::height(groups)));
    m_noteBox = new MatchNoteBox(this, pageWidth - margin - thirdsWidth, noteBottom - MatchNoteBox::heightTwips,
                                 thirdsWidth);
    showMessageTexts();
}

void FormatGroupPage::changeEvent(QEvent *event)
{
    QFrame::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        showMessageTexts();
}

void FormatGroupPage::showMessageTexts()
{
    for (GroupFrame *frame : m_frames)
        frame->setTitle(m_tournament.messages().text(Message::groupCaption).arg(groupLetter(frame->group())));
    m_thirds->showMessageTexts();
}
