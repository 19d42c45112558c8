#include "app/ChartChanges.h"

#include "tournament/Tournament.h"

namespace {

// The cells the chart file keeps: what the user types, and draw marks.
bool isTyped(const Tournament &t, const CellFamily &family, int index, CellProperty property)
{
    for (GroupId g : allGroups) {
        const GroupCells &group = t.group(g);
        if (&family == group.score)
            return property == CellProperty::Text;
        if (&family == group.team)
            return property == CellProperty::Text || property == CellProperty::Tag;
    }
    for (Round r : allRounds) {
        const RoundCells &round = t.round(r);
        if (&family == round.goals || &family == round.penalties)
            return property == CellProperty::Text && index < round.sides;
    }
    return false;
}

} // namespace

ChartChanges::ChartChanges(Tournament &t)
    : m_tournament(t)
    , m_observerKey(t.addObserver([this](const CellFamily &family, int index, CellProperty property) {
        if (m_clean && isTyped(m_tournament, family, index, property))
            m_clean = false;
    }))
{}

ChartChanges::~ChartChanges()
{
    m_tournament.removeObserver(m_observerKey);
}
