#include "tournament/GroupStage.h"

#include "tournament/FormatStage.h"
#include "tournament/GroupFixtures.h"
#include "tournament/Knockout.h"
#include "tournament/NumericValue.h"
#include "tournament/Tournament.h"

#include <algorithm>
#include <tuple>

namespace {

auto criteria(const StandingRow &r)
{
    return std::make_tuple(r.points, r.difference, r.goalsFor, r.drawMark);
}

double scoreValue(const QString &text)
{
    return isPlayed(text) ? numericValue(text) : 0;
}

} // namespace

GroupTable groupTable(const Tournament &t, GroupId g)
{
    const GroupCells &cells = t.group(g);
    const CellFamily &score = *cells.score;
    GroupTable table;
    auto row = [&](int slot) -> StandingRow & { return table.rows[std::size_t(slot - 1)]; };

    for (std::size_t m = 0; m < GroupFixtures.size(); ++m) {
        const QString &home = score.text(int(2 * m));
        const QString &away = score.text(int(2 * m + 1));
        if (!isPlayed(home) || !isPlayed(away))
            continue;
        StandingRow &h = row(GroupFixtures[m].home);
        StandingRow &a = row(GroupFixtures[m].away);
        const double homeGoals = numericValue(home);
        const double awayGoals = numericValue(away);
        if (homeGoals > awayGoals)
            h.points += 3;
        else if (awayGoals > homeGoals)
            a.points += 3;
        else {
            h.points += 1;
            a.points += 1;
        }
        h.played = h.played.value_or(0) + 1;
        a.played = a.played.value_or(0) + 1;
    }

    // Goal sums take every played cell, also of a half-entered match.
    for (int i = 0; i <= 11; ++i) {
        const double goals = scoreValue(score.text(i));
        row(slotOfLabel(i)).goalsFor += goals;
        row(slotOfLabel(i ^ 1)).goalsAgainst += goals;
    }

    for (int slot = 1; slot <= 4; ++slot) {
        StandingRow &r = row(slot);
        r.difference = r.goalsFor - r.goalsAgainst;
        r.drawMark = numericValue(cells.team->operator[](slot).tag);
        r.rankKey = r.points + r.difference / 100 + r.goalsFor / 1000 + r.drawMark / 10000;
    }

    // Exact comparison of each criterion in turn; equal teams keep the
    // traditional order of the higher slot first.
    table.slotAtPlace = {4, 3, 2, 1};
    std::stable_sort(table.slotAtPlace.begin(), table.slotAtPlace.end(),
                     [&](int a, int b) { return criteria(row(a)) > criteria(row(b)); });

    table.complete = true;
    for (int i = 0; i <= 11; ++i)
        table.complete = table.complete && isPlayed(score.text(i));

    for (int a = 1; a <= 4 && table.complete; ++a)
        for (int b = a + 1; b <= 4; ++b)
            table.tie = table.tie || criteria(row(a)) == criteria(row(b));
    return table;
}

void RefreshMatchLabels(Tournament &t)
{
    for (GroupId g : t.groupIds()) {
        const GroupCells &cells = t.group(g);
        for (int i = 0; i <= 11; ++i)
            t.setText(*cells.label, i, cells.team->text(slotOfLabel(i)));
        for (int i = 0; i <= 11; ++i)
            t.setBackground(*cells.label, i, (*cells.team)[slotOfLabel(i)].background);
    }
    if (!t.rules().isWc32())
        return;
    CellFamily &huit = *t.round(Round::RoundOf16).team;
    for (int i = 0; i <= 15; ++i)
        t.setText(huit, i, QString());
}

void ComputeGroupStandings(Tournament &t, GroupId g)
{
    if (!t.rules().isWc32()) {
        computeFormatGroup(t, g);
        refreshFormatKnockout(t);
        return;
    }
    writeGroupStandings(t, g);
    SeedRoundOf16(t);
}

void writeGroupStandings(Tournament &t, GroupId g)
{
    const GroupCells &cells = t.group(g);
    const GroupTable table = groupTable(t, g);

    for (int slot = 1; slot <= 4; ++slot) {
        const StandingRow &r = table.rows[std::size_t(slot - 1)];
        t.setText(*cells.goalsFor, slot, formatNumber(r.goalsFor));
        t.setText(*cells.goalsAgainst, slot, formatNumber(r.goalsAgainst));
        t.setText(*cells.difference, slot, formatNumber(r.difference));
        t.setText(*cells.played, slot, r.played ? formatWholeNumber(*r.played) : QString());
        t.setText(*cells.points, slot, formatWholeNumber(r.points));
    }

    for (int place = 1; place <= 4; ++place) {
        const int slot = table.slotAtPlace[std::size_t(place - 1)];
        const bool qualified = place <= 2;
        t.setBold(*cells.team, slot, table.complete && qualified);
        t.setTextColour(*cells.team, slot,
                        !table.complete ? colours::black
                        : qualified     ? colours::qualified
                                        : colours::eliminated);
        for (CellFamily *f : {cells.team, cells.goalsFor, cells.goalsAgainst, cells.points, cells.difference})
            t.setRow(*f, slot, placeRow(place));
        t.setRow(*cells.played, slot, placeRow(place) + 15);
    }

    t.setText(*cells.tieNotice, 0, table.tie ? t.messages().at(Message::drawLots) : QString());
}

void RefreshTieNotices(Tournament &t)
{
    for (GroupId g : t.groupIds()) {
        CellFamily &notice = *t.group(g).tieNotice;
        if (!notice.text(0).isEmpty())
            t.setText(notice, 0, t.messages().at(Message::drawLots));
    }
}

QString cleanedScoreText(const QString &text)
{
    if (text.size() > 1 && text.contains(u'-'))
        return QString(text).remove(u'-');
    return text;
}

void DrawLots(Tournament &t, GroupId g, int slot)
{
    const GroupCells &cells = t.group(g);
    if (!cells.tieNotice->text(0).isEmpty())
        t.setTag(*cells.team, slot, QStringLiteral("1"));
    ComputeGroupStandings(t, g);
}

void ResetTeamRows(Tournament &t)
{
    for (GroupId g : t.groupIds())
        for (int i = 0; i <= 11; ++i)
            if (isPlayed(t.group(g).score->text(i)))
                return;
    for (GroupId g : t.groupIds())
        for (int slot = 1; slot <= 4; ++slot)
            t.setRow(*t.group(g).team, slot, placeRow(slot));
}
