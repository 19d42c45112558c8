#include "gui/groups/GroupToolTips.h"

#include "tournament/MessageTable.h"
#include "tournament/GroupNeeds.h"
#include "tournament/GroupStage.h"
#include "tournament/NumericValue.h"
#include "tournament/PlaceReason.h"
#include "tournament/Tournament.h"

#include <algorithm>
#include <array>

namespace {

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
        return messages.at(Message::pointsLine).arg(self.points).arg(other.points);
    case PlaceCriterion::GoalDifference:
        return messages.at(Message::differenceLine)
            .arg(signedNumber(self.difference), signedNumber(other.difference));
    case PlaceCriterion::GoalsFor:
        return messages.at(Message::goalsForLine).arg(formatNumber(self.goalsFor), formatNumber(other.goalsFor));
    case PlaceCriterion::DrawOfLots:
        return messages.at(Message::drawOfLotsLine);
    case PlaceCriterion::Level:
        break;
    }
    return messages.at(Message::levelLine);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

QString dependsOnTheOthers(const MessageTable &messages, int otherMatchesLeft)
{
    return messages.at(otherMatchesLeft == 1 ? Message::dependsOnTheOtherMatch
                                             : Message::dependsOnTheOtherMatches);
}

QString verdictLine(const MessageTable &messages, const TeamNeeds &team, int result)
{
    const ResultVerdict verdict = (*team.nextMatch)[std::size_t(result)];
    constexpr std::array<Message, 3> outcomes{Message::aWin, Message::aDraw, Message::aLoss};
    const QString &outcome = messages.at(outcomes[std::size_t(result)]);
    constexpr int loss = 2;
    switch (verdict) {
    case ResultVerdict::Through:
        return result == loss ? messages.at(Message::evenALossIsEnough)
                              : messages.at(Message::isEnough).arg(outcome);
    case ResultVerdict::Out:
        return result == loss ? messages.at(Message::aLossMeansOut)
                              : messages.at(Message::isNotEnough).arg(outcome);
    case ResultVerdict::Depends:
        break;
    }
    return messages.at(Message::depends)
        .arg(outcome, team.onlyGoalsDecide[std::size_t(result)]
                          ? messages.at(Message::dependsOnGoals)
                          : dependsOnTheOthers(messages, team.otherMatchesLeft));
}

} // namespace

QString placeToolTip(const Tournament &t, GroupId g, int slot)
{
    const MessageTable &messages = t.messages();
    if (messages.at(Message::ahead).isEmpty())
        return {};
    const GroupTable table = groupTable(t, g);
    const std::array<int, 4> order = slotsByRow(t, g);
    const auto reasons = decidedBy(table, order);
    const auto row = [&](int s) -> const StandingRow & { return table.rows[std::size_t(s - 1)]; };
    const CellFamily &team = *t.group(g).team;

    const std::size_t place = std::size_t(std::find(order.begin(), order.end(), slot) - order.begin());
    if (place + 1 < order.size()) {
        const int below = order[place + 1];
        // The other team as the chosen language names it, as its cell shows it.
        return messages.at(Message::ahead).arg(messages.teamNames().shown(team.text(below))) + u'\n' +
               criterionLine(messages, *reasons[place], row(slot), row(below));
    }
    const int above = order[place - 1];
    return messages.at(Message::behind).arg(messages.teamNames().shown(team.text(above))) + u'\n' +
           criterionLine(messages, *reasons[place - 1], row(slot), row(above));
}

QString needsToolTip(const MessageTable &messages, const TeamNeeds &team)
{
    if (messages.at(Message::depends).isEmpty())
        return {};
    switch (team.status) {
    case NeedStatus::Qualified:
        return messages.at(Message::qualifiedWhatever);
    case NeedStatus::Eliminated:
        return messages.at(Message::eliminatedWhatever);
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
