#include "cli/ChartReport.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include "cli/ChartFileLoad.h"
#include "history/GoalsByTeam.h"
#include "history/Ranking.h"
#include "history/Tournaments.h"
#include "i18n/LanguageFile.h"
#include "schedule/BuildSchedule.h"
#include "schedule/KickOffTime.h"
#include "tournament/FormatStage.h"
#include "tournament/GroupNeeds.h"
#include "tournament/GroupStage.h"
#include "tournament/Knockout.h"
#include "tournament/PlaceReason.h"
#include "tournament/Tournament.h"

namespace {

// A report is read like the window: team names in the user's language.
QString shown(const Tournament &t, const QString &team)
{
    return t.messages().teamNames().shown(team);
}

QJsonArray teamTexts(const Tournament &t, const CellFamily &teams, int first, int last)
{
    QJsonArray texts;
    for (int i = first; i <= last; ++i)
        texts.append(shown(t, teams.text(i)));
    return texts;
}

QJsonValue criterionValue(const std::optional<PlaceCriterion> &criterion)
{
    return criterion ? QJsonValue(criterionName(*criterion)) : QJsonValue(QJsonValue::Null);
}

// One object per team in table order; none for a complete group. A team
// with no match left has nothing to say about a win, a draw or a loss.
QJsonArray groupNeeds(const Tournament &t, GroupId g)
{
    const auto teams = needs(t, g);
    QJsonArray list;
    if (!teams)
        return list;
    static const std::array<QString, 3> results{QStringLiteral("win"), QStringLiteral("draw"),
                                                QStringLiteral("loss")};
    for (int slot : slotsByRow(t, g)) {
        const TeamNeeds &team = (*teams)[std::size_t(slot - 1)];
        QJsonObject entry{{QStringLiteral("team"), shown(t, t.group(g).team->text(slot))},
                          {QStringLiteral("status"), statusName(team.status)}};
        if (team.status == NeedStatus::Open)
            for (std::size_t r = 0; r < results.size(); ++r)
                entry.insert(results[r], team.nextMatch ? QJsonValue(verdictName((*team.nextMatch)[r]))
                                                        : QJsonValue(QJsonValue::Null));
        list.append(entry);
    }
    return list;
}

// The places as the window shows them: by the rows the team cells stand on.
QJsonArray groupRows(const Tournament &t, GroupId g)
{
    const CellFamily &team = *t.group(g).team;
    const GroupTable table = groupTable(t, g);
    const std::array<int, 4> slotOrder = slotsByRow(t, g);
    const auto reasons = decidedBy(table, slotOrder);

    QJsonArray rows;
    for (int place = 1; place <= 4; ++place) {
        const int slot = slotOrder[std::size_t(place - 1)];
        const StandingRow &r = table.rows[std::size_t(slot - 1)];
        rows.append(QJsonObject{
            {QStringLiteral("place"), place},
            {QStringLiteral("slot"), slot},
            {QStringLiteral("team"), shown(t, team.text(slot))},
            {QStringLiteral("played"), r.played ? QJsonValue(*r.played) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("points"), r.points},
            {QStringLiteral("goalsFor"), r.goalsFor},
            {QStringLiteral("goalsAgainst"), r.goalsAgainst},
            {QStringLiteral("difference"), r.difference},
            {QStringLiteral("qualified"), team[slot].textColour == colours::qualified},
            {QStringLiteral("decidedBy"), criterionValue(reasons[std::size_t(place - 1)])},
        });
    }
    return rows;
}

QJsonValue criterionValue(const std::optional<Criterion> &criterion)
{
    return criterion ? QJsonValue(criterionName(*criterion)) : QJsonValue(QStringLiteral("level"));
}

// The teams that nothing the chart holds tells apart, in runs of two or
// more: a mark must decide between them.
QJsonArray levelRuns(const RankedTeams &ranked, const std::function<QString(int)> &name)
{
    QJsonArray runs;
    QJsonArray run;
    for (std::size_t place = 0; place < ranked.order.size(); ++place) {
        run.append(name(ranked.order[place]));
        if (!ranked.levelWithNext(place)) {
            if (run.size() > 1)
                runs.append(run);
            run = QJsonArray();
        }
    }
    return runs;
}

QJsonObject formatGroupReport(const Tournament &t, GroupId g, const FormatGroup &group)
{
    const CellFamily &team = *t.group(g).team;
    QJsonArray rows;
    for (int place = 1; place <= 4; ++place) {
        const int slot = group.slotAt(place);
        const TeamFigures &f = group.figures[std::size_t(slot - 1)];
        rows.append(QJsonObject{
            {QStringLiteral("place"), place},
            {QStringLiteral("slot"), slot},
            {QStringLiteral("team"), shown(t, team.text(slot))},
            {QStringLiteral("played"), f.played > 0 ? QJsonValue(f.played) : QJsonValue(QJsonValue::Null)},
            {QStringLiteral("points"), f.points},
            {QStringLiteral("goalsFor"), f.goalsFor},
            {QStringLiteral("goalsAgainst"), f.goalsAgainst},
            {QStringLiteral("difference"), f.difference()},
            {QStringLiteral("qualified"), team[slot].textColour == colours::qualified},
            {QStringLiteral("decidedBy"), place < 4
                                              ? criterionValue(group.ranked.separatedBy[std::size_t(place - 1)])
                                              : QJsonValue(QJsonValue::Null)},
        });
    }
    return QJsonObject{
        {QStringLiteral("group"), QString(groupLetter(g))},
        {QStringLiteral("complete"), group.complete},
        {QStringLiteral("tieNotice"), !t.group(g).tieNotice->text(0).isEmpty()},
        {QStringLiteral("table"), rows},
        {QStringLiteral("level"),
         levelRuns(group.ranked, [&](int index) { return shown(t, team.text(index + 1)); })},
    };
}

// The third-placed teams in rank order, the line after the last that goes
// through.
QJsonObject thirdsReport(const Tournament &t, const ThirdsStanding &thirds)
{
    auto teamOf = [&](int i) {
        return shown(t, t.group(thirds.groups[std::size_t(i)]).team->text(thirds.slotInGroup[std::size_t(i)]));
    };
    QJsonArray ranking;
    for (std::size_t place = 0; place < thirds.ranked.order.size(); ++place) {
        const int i = thirds.ranked.order[place];
        const TeamFigures &f = thirds.figures[std::size_t(i)];
        ranking.append(QJsonObject{
            {QStringLiteral("place"), int(place) + 1},
            {QStringLiteral("group"), QString(groupLetter(thirds.groups[std::size_t(i)]))},
            {QStringLiteral("team"), teamOf(i)},
            {QStringLiteral("points"), f.points},
            {QStringLiteral("goalsFor"), f.goalsFor},
            {QStringLiteral("goalsAgainst"), f.goalsAgainst},
            {QStringLiteral("difference"), f.difference()},
            {QStringLiteral("wins"), f.wins},
            {QStringLiteral("through"), int(place) < thirds.through},
            {QStringLiteral("decidedBy"), place + 1 < thirds.ranked.order.size()
                                              ? criterionValue(thirds.ranked.separatedBy[place])
                                              : QJsonValue(QJsonValue::Null)},
        });
    }
    return QJsonObject{{QStringLiteral("known"), thirds.known},
                       {QStringLiteral("decided"), thirds.decided()},
                       {QStringLiteral("through"), thirds.through},
                       {QStringLiteral("ranking"), ranking},
                       {QStringLiteral("level"), levelRuns(thirds.ranked, teamOf)}};
}

QJsonValue bestThirds(const ThirdsStanding &thirds)
{
    if (!thirds.decided())
        return QJsonValue(QJsonValue::Null);
    QString letters;
    for (int g = 0; g < maxGroups; ++g)
        if (thirds.qualifying() & (1u << g))
            letters += groupLetter(GroupId(g));
    return letters;
}

QString roundName(Round r)
{
    switch (r) {
    case Round::RoundOf32:
        return QStringLiteral("roundOf32");
    case Round::RoundOf16:
        return QStringLiteral("roundOf16");
    case Round::QuarterFinals:
        return QStringLiteral("quarterFinals");
    case Round::SemiFinals:
        return QStringLiteral("semiFinals");
    case Round::ThirdPlace:
        return QStringLiteral("thirdPlace");
    case Round::Final:
        break;
    }
    return QStringLiteral("final");
}

QString stageName(Stage stage)
{
    switch (stage) {
    case Stage::Champion:
        return QStringLiteral("champion");
    case Stage::Final:
        return QStringLiteral("final");
    case Stage::Third:
        return QStringLiteral("third");
    case Stage::Fourth:
        return QStringLiteral("fourth");
    case Stage::QuarterFinal:
        return QStringLiteral("quarterFinal");
    case Stage::RoundOf16:
        return QStringLiteral("roundOf16");
    case Stage::RoundOf32:
        return QStringLiteral("roundOf32");
    case Stage::Group:
        break;
    }
    return QStringLiteral("group");
}

// The statistics window's ranking: each team with the line it shows.
QJsonArray rankingReport(const Tournament &t)
{
    QJsonArray ranking;
    for (const RankedTeam &r : ComputeRanking(t))
        ranking.append(QJsonObject{{QStringLiteral("position"), r.position},
                                   {QStringLiteral("team"), shown(t, r.team)},
                                   {QStringLiteral("stage"), stageName(r.stage)},
                                   {QStringLiteral("line"), r.line}});
    return ranking;
}

// The statistics window's goals list, in its order.
QJsonArray goalsReport(const Tournament &t)
{
    QJsonArray goals;
    for (const TeamGoals &g : goalsByTeam(t).teams)
        goals.append(QJsonObject{{QStringLiteral("team"), shown(t, g.team)}, {QStringLiteral("goals"), g.goals}});
    return goals;
}

// Every match with a kick-off in the notes, in kick-off order: the index runs
// group by group, so the second round of group A would come before the first
// of group H. Matches at the same hour keep the index's order.
QJsonArray scheduleReport(const Tournament &t, const ScheduleIndex &index, const QTimeZone &zone)
{
    struct Timed
    {
        QDateTime kickOff;
        const ScheduleEntry *entry;
    };
    std::vector<Timed> timed;
    for (const ScheduleEntry &entry : index)
        if (const std::optional<QDateTime> kickOff = kickOffOf(entry.note))
            timed.push_back({*kickOff, &entry});
    std::stable_sort(timed.begin(), timed.end(),
                     [](const Timed &a, const Timed &b) { return a.kickOff < b.kickOff; });
    QJsonArray schedule;
    for (const auto &[kickOff, entry] : timed) {
        const CellFamily &labels = labelFamily(t, entry->roundCode);
        schedule.append(QJsonObject{{QStringLiteral("round"), QString(letter(entry->roundCode))},
                                    {QStringLiteral("home"), shown(t, labels.text(entry->firstLabel))},
                                    {QStringLiteral("away"), shown(t, labels.text(entry->firstLabel + 1))},
                                    {QStringLiteral("kickOff"), kickOff.toTimeZone(zone).toString(Qt::ISODate)}});
    }
    return schedule;
}

QJsonArray wc32Groups(const Tournament &t)
{
    QJsonArray groups;
    for (GroupId g : t.groupIds()) {
        const GroupTable table = groupTable(t, g);
        groups.append(QJsonObject{
            {QStringLiteral("group"), QString(groupLetter(g))},
            {QStringLiteral("complete"), table.complete},
            // Whether the group shows its tie notice; the notice's text
            // comes from a language file, which a report does not load.
            {QStringLiteral("tieNotice"), table.tie},
            {QStringLiteral("table"), groupRows(t, g)},
            {QStringLiteral("needs"), groupNeeds(t, g)},
        });
    }
    return groups;
}

QJsonObject report(const Tournament &t, const ScheduleIndex &index, const QTimeZone &zone)
{
    QJsonObject r{
        {QStringLiteral("chart"), t.chartName()},
        {QStringLiteral("format"), formatName(t.rules().id)},
        {QStringLiteral("year"), t.year() != 0 ? t.year() : Tournaments::yearOfChart(t.chartName()).toInt()},
    };
    if (t.rules().isWc32()) {
        r.insert(QStringLiteral("groups"), wc32Groups(t));
    } else {
        const std::vector<FormatGroup> formatted = formatGroups(t);
        QJsonArray groups;
        for (GroupId g : t.groupIds())
            groups.append(formatGroupReport(t, g, formatted[std::size_t(groupIndex(g))]));
        const ThirdsStanding thirds = thirdsStanding(t, formatted);
        r.insert(QStringLiteral("groups"), groups);
        r.insert(QStringLiteral("thirds"), thirdsReport(t, thirds));
        r.insert(QStringLiteral("bestThirds"), bestThirds(thirds));
    }
    for (Round round : t.rounds()) {
        const RoundCells &cells = t.round(round);
        r.insert(roundName(round), teamTexts(t, *cells.team, 0, cells.sides - 1));
    }
    r.insert(QStringLiteral("podium"), teamTexts(t, t.podium(), 1, t.hasRound(Round::ThirdPlace) ? 4 : 2));
    r.insert(QStringLiteral("goalTotal"), goalTotal(t));
    r.insert(QStringLiteral("ranking"), rankingReport(t));
    r.insert(QStringLiteral("goals"), goalsReport(t));
    r.insert(QStringLiteral("timeZone"), QString::fromUtf8(zone.id()));
    r.insert(QStringLiteral("schedule"), scheduleReport(t, index, zone));
    return r;
}

QString yesNo(const QJsonValue &v)
{
    return v.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
}

QString number(const QJsonValue &v)
{
    return v.isNull() ? QStringLiteral("-") : QString::number(v.toDouble());
}

void printColumns(QTextStream &out, const std::vector<QStringList> &lines)
{
    std::vector<qsizetype> widths;
    for (const QStringList &line : lines) {
        widths.resize(std::max(widths.size(), std::size_t(line.size())));
        for (qsizetype c = 0; c < line.size(); ++c)
            widths[std::size_t(c)] = std::max(widths[std::size_t(c)], line[c].size());
    }
    for (const QStringList &line : lines) {
        QString text = QStringLiteral("  ");
        for (qsizetype c = 0; c < line.size(); ++c)
            text += line[c].leftJustified(widths[std::size_t(c)] + 2);
        out << text.trimmed().prepend(QStringLiteral("  ")) << '\n';
    }
}

void printNeeds(QTextStream &out, const QJsonArray &needs)
{
    if (needs.isEmpty())
        return;
    out << "  Needs\n";
    std::vector<QStringList> lines;
    for (const QJsonValue &value : needs) {
        const QJsonObject team = value.toObject();
        QStringList line{team[QStringLiteral("team")].toString(), team[QStringLiteral("status")].toString()};
        for (const QString &result : {QStringLiteral("win"), QStringLiteral("draw"), QStringLiteral("loss")})
            if (team[result].isString())
                line << result + QStringLiteral(": ") + team[result].toString();
        lines.push_back(line);
    }
    printColumns(out, lines);
}

void printLevel(QTextStream &out, const QJsonArray &runs)
{
    for (const QJsonValue &run : runs) {
        QStringList teams;
        for (const QJsonValue &team : run.toArray())
            teams << team.toString();
        out << "  Level, a mark must decide: " << teams.join(QStringLiteral(", ")) << '\n';
    }
}

// The thirds in rank order, a line under the last that goes through.
void printThirds(QTextStream &out, const QJsonObject &thirds)
{
    out << "\nThird-placed teams" << (thirds[QStringLiteral("decided")].toBool() ? "" : " (not decided)") << '\n';
    std::vector<QStringList> lines{{QStringLiteral("Place"), QStringLiteral("Group"), QStringLiteral("Team"),
                                    QStringLiteral("Points"), QStringLiteral("Diff"), QStringLiteral("For"),
                                    QStringLiteral("Wins"), QStringLiteral("Decided by")}};
    const int through = thirds[QStringLiteral("through")].toInt();
    for (const QJsonValue &value : thirds[QStringLiteral("ranking")].toArray()) {
        const QJsonObject row = value.toObject();
        lines.push_back({number(row[QStringLiteral("place")]), row[QStringLiteral("group")].toString(),
                         row[QStringLiteral("team")].toString(), number(row[QStringLiteral("points")]),
                         number(row[QStringLiteral("difference")]), number(row[QStringLiteral("goalsFor")]),
                         number(row[QStringLiteral("wins")]),
                         row[QStringLiteral("decidedBy")].toString(QStringLiteral("-"))});
        if (row[QStringLiteral("place")].toInt() == through)
            lines.push_back({QStringLiteral("--")});
    }
    printColumns(out, lines);
    printLevel(out, thirds[QStringLiteral("level")].toArray());
}

void printMatches(QTextStream &out, const QString &title, const QJsonArray &sides)
{
    out << '\n' << title << '\n';
    for (qsizetype k = 0; k + 1 < sides.size(); k += 2)
        out << "  " << sides[k].toString() << " v " << sides[k + 1].toString() << '\n';
}

// The ranking lines as the window lists them, then the goals by team.
void printStatistics(QTextStream &out, const QJsonObject &r)
{
    out << "\nRanking\n";
    for (const QJsonValue &entry : r[QStringLiteral("ranking")].toArray())
        out << "  " << entry[QStringLiteral("line")].toString() << '\n';
    out << "\nGoals by team\n";
    std::vector<QStringList> lines;
    for (const QJsonValue &entry : r[QStringLiteral("goals")].toArray())
        lines.push_back({entry[QStringLiteral("team")].toString(), number(entry[QStringLiteral("goals")])});
    printColumns(out, lines);
}

void printText(QTextStream &out, const QJsonObject &r)
{
    out << "Chart " << r[QStringLiteral("chart")].toString() << '\n';
    for (const QJsonValue &groupValue : r[QStringLiteral("groups")].toArray()) {
        const QJsonObject group = groupValue.toObject();
        out << "\nGroup " << group[QStringLiteral("group")].toString()
            << " (complete: " << yesNo(group[QStringLiteral("complete")])
            << ", tie notice: " << yesNo(group[QStringLiteral("tieNotice")]) << ")\n";
        std::vector<QStringList> lines{{QStringLiteral("Place"), QStringLiteral("Slot"), QStringLiteral("Team"),
                                        QStringLiteral("Played"), QStringLiteral("Points"), QStringLiteral("For"),
                                        QStringLiteral("Against"), QStringLiteral("Diff"),
                                        QStringLiteral("Qualified"), QStringLiteral("Decided by")}};
        for (const QJsonValue &rowValue : group[QStringLiteral("table")].toArray()) {
            const QJsonObject row = rowValue.toObject();
            lines.push_back({number(row[QStringLiteral("place")]), number(row[QStringLiteral("slot")]),
                             row[QStringLiteral("team")].toString(), number(row[QStringLiteral("played")]),
                             number(row[QStringLiteral("points")]), number(row[QStringLiteral("goalsFor")]),
                             number(row[QStringLiteral("goalsAgainst")]),
                             number(row[QStringLiteral("difference")]), yesNo(row[QStringLiteral("qualified")]),
                             row[QStringLiteral("decidedBy")].toString(QStringLiteral("-"))});
        }
        printColumns(out, lines);
        printLevel(out, group[QStringLiteral("level")].toArray());
        printNeeds(out, group[QStringLiteral("needs")].toArray());
    }
    if (r.contains(QStringLiteral("thirds")))
        printThirds(out, r[QStringLiteral("thirds")].toObject());
    static const std::array<std::pair<const char *, const char *>, 6> rounds{{
        {"roundOf32", "Round of 32"},
        {"roundOf16", "Round of 16"},
        {"quarterFinals", "Quarter-finals"},
        {"semiFinals", "Semi-finals"},
        {"thirdPlace", "Third place"},
        {"final", "Final"},
    }};
    for (const auto &[key, title] : rounds)
        if (r.contains(QLatin1String(key)))
            printMatches(out, QLatin1String(title), r[QLatin1String(key)].toArray());
    out << "\nPodium\n";
    const QJsonArray podium = r[QStringLiteral("podium")].toArray();
    for (qsizetype i = 0; i < podium.size(); ++i)
        out << "  " << i + 1 << ". " << podium[i].toString() << '\n';
    out << "\nGoal total: " << number(r[QStringLiteral("goalTotal")]) << '\n';
    if (r.contains(QStringLiteral("ranking")))
        printStatistics(out, r);
    out << "\nSchedule (" << r[QStringLiteral("timeZone")].toString() << ")\n";
    for (const QJsonValue &entry : r[QStringLiteral("schedule")].toArray()) {
        const QDateTime kickOff = QDateTime::fromString(entry[QStringLiteral("kickOff")].toString(), Qt::ISODate);
        out << "  " << kickOff.toString(QStringLiteral("yyyy-MM-dd hh:mm")) << "  "
            << entry[QStringLiteral("home")].toString() << " v " << entry[QStringLiteral("away")].toString()
            << '\n';
    }
}

} // namespace

int runChartReport(const QString &file, bool json, const QTimeZone &zone, const QString &languageFile,
                   QTextStream &out, QTextStream &err)
{
    const ChartFileCheck check = checkChartFile(file);
    if (!check.problem.isEmpty()) {
        err << file << ": " << check.problem << '\n';
        err.flush();
        return 1;
    }
    Tournament t(*check.rules);
    // Only the names of a language file count here.
    if (!languageFile.isEmpty())
        LoadLanguageMessages(languageFile, t.messages());
    ScheduleIndex schedule;
    ChartHooks hooks;
    // The notes on the 2010 publisher's clock, which kickOffOf reads: each
    // kick-off is moved on its own below.
    hooks.buildSchedule = [&](const IniDocument &chart) { schedule = BuildScheduleFromDocument(t, chart); };
    const QString reason = loadChartFile(file, t, hooks);
    if (!reason.isEmpty()) {
        err << file << ": " << reason << '\n';
        err.flush();
        return 1;
    }

    const QJsonObject r = report(t, schedule, zone);
    if (json)
        out << QString::fromUtf8(QJsonDocument(r).toJson(QJsonDocument::Indented));
    else
        printText(out, r);
    out.flush();
    return 0;
}
