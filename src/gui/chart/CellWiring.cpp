#include "gui/chart/CellWiring.h"

#include "gui/calendar/MatchInfoPanel.h"
#include "gui/chart/ChartEdits.h"
#include "gui/chart/GroupPage.h"
#include "gui/controls/CellBinding.h"
#include "gui/groups/GroupFrame.h"
#include "gui/groups/ScoreEdit.h"
#include "gui/groups/TeamNameEdit.h"
#include "gui/knockout/KnockoutPanel.h"
#include "gui/knockout/RoundOf16Summary.h"
#include "tournament/Tournament.h"

#include <QLabel>

CellWiring::CellWiring(Tournament &t, CellBinding &binding, ChartEdits &edits, MatchInfoPanel &matchInfo)
    : m_tournament(t)
    , m_binding(binding)
    , m_edits(edits)
    , m_matchInfo(matchInfo)
{}

template <typename Cells> void CellWiring::handToTheEdits(const Cells &cells)
{
    for (QLineEdit *cell : cells) {
        const CellBinding::Address address = m_binding.cellOf(cell);
        if (!address.family)
            continue;
        QObject::connect(cell, &QLineEdit::textEdited, &m_edits, [this, address](const QString &text) {
            // What the user types is shown as typed, also where the
            // table knows the name.
            m_tournament.messages().teamNames().keepAsTyped(text);
            m_edits.type(*address.family, address.index, text);
        });
        m_edits.leaveUndoToTheChart(cell);
    }
}

void CellWiring::wireGroupPage(const GroupPage &page)
{
    for (GroupFrame *frame : page.frames()) {
        for (int i = 0; i <= 11; ++i) {
            QLabel *label = frame->matchLabels()[i];
            m_matchInfo.watchLabel(label);
            m_matchInfo.watchLabel(frame->scoreCells()[i], label);
        }
    }
    for (QLabel *team : page.summary()->teamCells())
        m_matchInfo.watchLabel(team);
    for (GroupFrame *frame : page.frames())
        m_matchInfo.watchBlank(frame);
    m_matchInfo.watchBlank(page.summary());
    for (GroupFrame *frame : page.frames()) {
        handToTheEdits(frame->teamCells());
        handToTheEdits(frame->scoreCells());
    }
    // Once the names are unlocked, a click on one is mostly for typing: it
    // draws lots only while the group asks for it, so that the name being
    // edited is not moved away under the caret.
    for (GroupId g : allGroups) {
        for (int slot = 1; slot <= 4; ++slot) {
            TeamNameEdit *team = page.frames()[groupIndex(g)]->teamCells()[slot - 1];
            QObject::connect(team, &TeamNameEdit::clicked, &m_edits, [this, g, slot, team] {
                if (team->isReadOnly() || !m_tournament.group(g).tieNotice->text(0).isEmpty())
                    m_edits.drawLots(g, slot);
            });
        }
    }
}

void CellWiring::wireKnockoutPage(KnockoutPanel &page, QWidget &window)
{
    for (QLabel *team : page.teamCells())
        m_matchInfo.watchLabel(team);
    m_matchInfo.watchKnockoutPage(&page);
    for (QWidget *box : page.matchBoxes())
        m_matchInfo.watchKnockoutPage(box);
    m_matchInfo.watchBackground(&window);
    handToTheEdits(page.scoreCells());
}

void CellWiring::chainTabOrder(const GroupPage *groups, const KnockoutPanel &knockout)
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    if (groups)
        for (GroupFrame *frame : groups->frames())
            for (ScoreEdit *cell : frame->scoreCells())
                chain(cell);
    for (ScoreEdit *cell : knockout.scoreCells())
        chain(cell);
}
