#include "gui/groups/GroupToolTips.h"

#include "tournament/MessageTable.h"
#include "tournament/GroupNeeds.h"
#include "tournament/GroupStage.h"
#include "tournament/NumericValue.h"
#include "tournament/PlaceReason.h"
#include "tournament/Tournament.h"

#include <algorithm>

namespace {

// Message entries of the explanations.
enum Message {
    Ahead = 65,
    Behind,
    PointsLine,
    DifferenceLine,
    GoalsForLine,
    DrawOfLotsLine,
    LevelLine,
    QualifiedWhatever,
    EliminatedWhatever,
    IsEnough,
    IsNotEnough,
    Depends,
    AWin,
    ADraw,
    ALoss,
    DependsOnTheOtherMatch,
    DependsOnTheOtherMatches,
    DependsOnGoals,
    EvenALossIsEnough,
    ALossMeansOut,
};

QString signedNumber(double value)
{
    return value > 0 ? u'+' + formatNumber(value) : formatNumber(value);
}

// The line that says how `self` compares with `other` on the criterion.
QString criterionLine(const MessageTable &messages, PlaceCriterion criterion, const StandingRow &self,
                      const StandingRow &other)
{
    switch (criterion) {
    case PlaceCriterion::Points:
        return messages.at(PointsLine).arg(self.points).arg(other.points);
    case PlaceCriterion::GoalDifference:
        return messages.at(DifferenceLine).arg(signedNumber(self.difference), signedNumber(other.difference));
    case PlaceCriterion::GoalsFor:
        return messages.at(GoalsForLine).arg(formatNumber(self.goalsFor), formatNumber(other.goalsFor));
    case PlaceCriterion::DrawOfLots:
        return messages.at(DrawOfLotsLine);
    case PlaceCriterion::Level:
        break;
    }
    return messages.at(LevelLine);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString dependsOnTheOthers(const MessageTable &messages, int otherMatchesLeft)
{
    return messages.at(otherMatchesLeft == 1 ? DependsOnTheOtherMatch : DependsOnTheOtherMatches);
}

QString verdictLine(const MessageTable &messages, const TeamNeeds &team, int result)
{
    const ResultVerdict verdict = (*team.nextMatch)[std::size_t(result)];
    const QString &outcome = messages.at(AWin + result);
    constexpr int loss = 2;
    switch (verdict) {
    case ResultVerdict::Through:
        return result == loss ? messages.at(EvenALossIsEnough) : messages.at(IsEnough).arg(outcome);
    case ResultVerdict::Out:
        return result == loss ? messages.at(ALossMeansOut) : messages.at(IsNotEnough).arg(outcome);
    case ResultVerdict::Depends:
        break;
    }
    return messages.at(Depends).arg(outcome, team.onlyGoalsDecide[std::size_t(result)]
                                                 ? messages.at(DependsOnGoals)
                                                 : dependsOnTheOthers(messages, team.otherMatchesLeft));
}

} // namespace

QString placeToolTip(const Tournament &t, GroupId g, int slot)
{
    const MessageTable &messages = t.messages();
    if (messages.at(Ahead).isEmpty())
        return {};
    const GroupTable table = groupTable(t, g);
    const std::array<int, 4> order = slotsByRow(t, g);
    const auto reasons = decidedBy(table, order);
    const auto row = [&](int s) -> const StandingRow & { return table.rows[std::size_t(s - 1)]; };
    const CellFamily &team = *t.group(g).team;

    const std::size_t place = std::size_t(std::find(order.begin(), order.end(), slot) - order.begin());
    if (place + 1 < order.size()) {
        const int below = order[place + 1];
        return messages.at(Ahead).arg(team.text(below)) + u'\n' +
               criterionLine(messages, *reasons[place], row(slot), row(below));
    }
    const int above = order[place - 1];
    return messages.at(Behind).arg(team.text(above)) + u'\n' +
           criterionLine(messages, *reasons[place - 1], row(slot), row(above));
}

QString needsToolTip(const MessageTable &messages, const TeamNeeds &team)
{
    if (messages.at(Depends).isEmpty())
        return {};
    switch (team.status) {
    case NeedStatus::Qualified:
        return messages.at(QualifiedWhatever);
    case NeedStatus::Eliminated:
        return messages.at(EliminatedWhatever);
    case NeedStatus::Open:
        break;
    }
    if (!team.nextMatch)
        return capitalised(dependsOnTheOthers(messages, team.otherMatchesLeft));
    QStringList lines;
    for (int result = 0; result < 3; ++result)
        lines << verdictLine(messages, team, result);
    return lines.join(u'\n');
}
