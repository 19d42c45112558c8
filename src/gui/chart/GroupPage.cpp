#include "gui/chart/GroupPage.h"

#include "gui/controls/Controls.h"
#include "gui/groups/GroupFrame.h"
#include "gui/groups/TeamNameEdit.h"
#include "gui/knockout/RoundOf16Summary.h"
#include "tournament/Tournament.h"

namespace {

constexpr int groupWidth = 6540;
constexpr int groupHeight = 2550;
constexpr int groupsTop = 1020;

} // namespace

GroupPage::GroupPage(QWidget &window, Tournament &t, CellBinding &binding)
{
    for (GroupId g : allGroups) {
        auto *frame = new GroupFrame(t, binding, g, &window);
        const int column = groupIndex(g) / 4;
        const int row = groupIndex(g) % 4;
        frame->setGeometry(twipsRect(45 + column * (groupWidth + 45), groupsTop + row * (groupHeight + 30),
                                     groupWidth, groupHeight));
        m_frames.append(frame);
    }
    m_summary = new RoundOf16Summary(t, binding, &window);
    m_summary->setGeometry(twipsRect(13230, 7860, 4365, 2820));
    // Beneath whatever the window built before: the pages and panels
    // above the groups cover them as they always did.
    m_summary->lower();
    for (auto it = m_frames.crbegin(); it != m_frames.crend(); ++it)
        (*it)->lower();
    // Built after the window may have been shown: shown with it.
    for (QWidget *w : widgets())
        w->show();
}

QList<TeamNameEdit *> GroupPage::teamCells() const
{
    return teamCellsOf(m_frames);
}

QList<QWidget *> GroupPage::widgets() const
{
    QList<QWidget *> all(m_frames.cbegin(), m_frames.cend());
    all.append(m_summary);
    return all;
}
