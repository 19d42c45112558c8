#include "gui/chart/CellWiring.h"

#include "gui/calendar/MatchInfoPanel.h"
#include "gui/chart/ChartEdits.h"
#include "gui/chart/GroupPage.h"
#include "gui/controls/CellBinding.h"
#include "gui/formats/FormatBracketPage.h"
#include "gui/formats/FormatGroupPage.h"
#include "gui/formats/FormatPages.h"
#include "gui/formats/MatchNoteBox.h"
#include "gui/formats/ThirdsPanel.h"
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

namespace {

// What the user types into cells goes through the edits.
template <typename Cells>
void handToTheEdits(Tournament &t, ChartEdits &edits, const CellBinding &binding, const Cells &cells)
{
    for (QLineEdit *cell : cells) {
        const CellBinding::Address address = binding.cellOf(cell);
        if (!address.family)
            continue;
        QObject::connect(cell, &QLineEdit::textEdited, &edits, [&t, &edits, address](const QString &text) {
            // What the user types is shown as typed, also where the
            // table knows the name.
            t.messages().teamNames().keepAsTyped(text);
            edits.type(*address.family, address.index, text);
        });
        edits.leaveUndoToTheChart(cell);
    }
}

// Once the names are unlocked, a click on one is mostly for typing: it
// draws lots only while the group asks for it, so that the name being
// edited is not moved away under the caret.
void drawLotsOnClick(Tournament &t, ChartEdits &edits, const GroupFrame &frame)
{
    const GroupId g = frame.group();
    for (int slot = 1; slot <= 4; ++slot) {
        TeamNameEdit *team = frame.teamCells()[slot - 1];
        QObject::connect(team, &TeamNameEdit::clicked, &edits, [&t, &edits, g, slot, team] {
            if (team->isReadOnly() || !t.group(g).tieNotice->text(0).isEmpty())
                edits.drawLots(g, slot);
        });
    }
}

class TabChain
{
public:
    explicit TabChain(QWidget *previous = nullptr)
        : m_previous(previous)
    {}
    void add(QWidget *w)
    {
        if (m_previous)
            QWidget::setTabOrder(m_previous, w);
        m_previous = w;
    }

private:
    QWidget *m_previous = nullptr;
};

} // namespace

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
        handToTheEdits(m_tournament, m_edits, m_binding, frame->teamCells());
        handToTheEdits(m_tournament, m_edits, m_binding, frame->scoreCells());
        drawLotsOnClick(m_tournament, m_edits, *frame);
    }
}

void CellWiring::wireFormatGroups(const FormatPages &pages)
{
    Tournament &t = m_tournament;
    ChartEdits &edits = m_edits;
    for (GroupFrame *frame : pages.groups().frames()) {
        for (int i = 0; i <= 11; ++i) {
            QLabel *label = frame->matchLabels()[i];
            m_matchInfo.watchLabel(label);
            m_matchInfo.watchLabel(frame->scoreCells()[i], label);
        }
        m_matchInfo.watchBlank(frame);
    }
    m_matchInfo.watchBackground(&pages.groups());
    QObject::connect(&m_matchInfo, &MatchInfoPanel::shown, pages.groups().noteBox(), &MatchNoteBox::showInfo);

    TabChain chain;
    for (GroupFrame *frame : pages.groups().frames()) {
        handToTheEdits(t, edits, pages.binding(), frame->teamCells());
        handToTheEdits(t, edits, pages.binding(), frame->scoreCells());
        drawLotsOnClick(t, edits, *frame);
        for (ScoreEdit *cell : frame->scoreCells())
            chain.add(cell);
    }
    QObject::connect(pages.groups().thirds(), &ThirdsPanel::thirdClicked, &edits, &ChartEdits::drawThirdsLots);
}

void CellWiring::wireFormatBracket(const FormatPages &pages)
{
    FormatBracketPage &bracket = *pages.builtBracket();
    for (const FormatBracketPage::Side &side : bracket.sides())
        m_matchInfo.watchMatch(side.label,
                               [family = side.family, index = side.index] { return (*family)[index].toolTip; });
    m_matchInfo.watchKnockoutPage(&bracket);
    QObject::connect(&m_matchInfo, &MatchInfoPanel::shown, bracket.noteBox(), &MatchNoteBox::showInfo);
    handToTheEdits(m_tournament, m_edits, pages.binding(), bracket.scoreCells());
    // Tab goes on from the last score of the groups.
    TabChain chain(pages.groups().frames().back()->scoreCells().back());
    for (ScoreEdit *cell : bracket.scoreCells())
        chain.add(cell);
}

void CellWiring::wireKnockoutPage(KnockoutPanel &page, QWidget &window)
{
    for (QLabel *team : page.teamCells())
        m_matchInfo.watchLabel(team);
    m_matchInfo.watchKnockoutPage(&page);
    for (QWidget *box : page.matchBoxes())
        m_matchInfo.watchKnockoutPage(box);
    m_matchInfo.watchBackground(&window);
    handToTheEdits(m_tournament, m_edits, m_binding, page.scoreCells());
}

void CellWiring::chainTabOrder(const GroupPage *groups, const KnockoutPanel &knockout)
{
    TabChain chain;
    if (groups)
        for (GroupFrame *frame : groups->frames())
            for (ScoreEdit *cell : frame->scoreCells())
                chain.add(cell);
    for (ScoreEdit *cell : knockout.scoreCells())
        chain.add(cell);
}
