#pragma once

#include "tournament/CellFamily.h"
#include "tournament/GroupId.h"
#include "tournament/MessageTable.h"
#include "tournament/TournamentFormat.h"

#include <array>
#include <deque>
#include <functional>
#include <vector>

#include <QHash>
#include <QString>

// The cell families of one group, in the irregular names of the chart.
struct GroupCells
{
    CellFamily *team;         // 1..4, tag = draw mark
    CellFamily *score;        // 0..11
    CellFamily *label;        // 0..11, match labels
    CellFamily *played;       // 1..4
    CellFamily *goalsFor;     // 1..4
    CellFamily *goalsAgainst; // 1..4
    CellFamily *difference;   // 1..4
    CellFamily *points;       // 1..4
    CellFamily *tieNotice;    // single
    CellFamily *conduct;      // 1..4, points lost to cards; none in the 32-team World Cup
};

// One knock-out round: sides 2k and 2k+1 meet in match k.
struct RoundCells
{
    CellFamily *team;
    CellFamily *goals;
    CellFamily *penalties;
    int sides;
};

// The round of 32 comes last so that the 32-team World Cup's rounds keep
// their numbers, which its files and schedules use.
enum class Round { RoundOf16, QuarterFinals, SemiFinals, ThirdPlace, Final, RoundOf32 };

// The rounds of the 32-team World Cup, the window's chart.
constexpr std::array<Round, 5> allRounds{Round::RoundOf16, Round::QuarterFinals, Round::SemiFinals,
                                         Round::ThirdPlace, Round::Final};

// The team cells of the round's matches, two a match.
constexpr int roundSides(Round r)
{
    constexpr std::array<int, 6> sides{16, 8, 4, 2, 2, 32};
    return sides[std::size_t(r)];
}

// The whole chart as plain data. Setting a different text is a change event:
// observers hear of it, then the family's change handler runs (and may set
// the same cell again, which re-enters the handler once). The window is one
// observer; the rules are the handlers, installed by the constructor.
class Tournament final
{
public:
    using Observer = std::function<void(const CellFamily &, int index, CellProperty)>;

    // A chart of the format of `rules`: its groups and rounds, named as the
    // 2010 chart names them and in the same way for the groups and round
    // it lacks.
    explicit Tournament(const FormatRules &rules = formatRules(FormatId::Wc32));
    Tournament(const Tournament &) = delete;
    Tournament &operator=(const Tournament &) = delete;

    CellFamily &family(const QString &name);
    const CellFamily *findFamily(const QString &name) const;
    const std::deque<CellFamily> &families() const { return m_families; }

    const FormatRules &rules() const { return *m_rules; }
    // The chart takes another format: its groups and rounds are the
    // format's from now on. No cell changes; a chart load fills them.
    void setFormat(const FormatRules &rules);
    // The edition the chart holds, 0 when its file does not say.
    int year() const { return m_year; }
    void setYear(int year) { m_year = year; }
    // The chart's groups and knock-out rounds, first round first.
    const std::vector<GroupId> &groupIds() const { return m_groupIds; }
    const std::vector<Round> &rounds() const { return m_rules->rounds; }
    bool hasRound(Round r) const { return m_rounds[std::size_t(r)].team != nullptr; }

    // A group the format lacks still has its cells, which nothing computes.
    const GroupCells &group(GroupId g) const
    {
        const auto i = std::size_t(groupIndex(g));
        return i < m_groups.size() ? m_groups[i] : m_allGroups[i];
    }
    const RoundCells &round(Round r) const { return m_rounds[std::size_t(r)]; }
    CellFamily &roundOf16Summary() const { return *m_rounds[0].team; } // Huit 16..31
    CellFamily &podium() const { return *m_podium; }

    void setText(CellFamily &f, int index, const QString &text);
    void setTag(CellFamily &f, int index, const QString &tag);
    void setToolTip(CellFamily &f, int index, const QString &toolTip);
    void setTextColour(CellFamily &f, int index, Rgb colour);
    void setBackground(CellFamily &f, int index, Rgb colour);
    void setBold(CellFamily &f, int index, bool bold);
    void setRow(CellFamily &f, int index, int row);

    void setChangeHandler(CellFamily &f, CellFamily::ChangeHandler handler);
    // Returns the key that removes the observer again, for observers that
    // do not live as long as the chart.
    int addObserver(Observer observer);
    void removeObserver(int key);

    // FChargee: false while the first chart is being loaded; nothing is
    // recomputed by a change until it is set.
    bool isReady() const { return m_ready; }
    void setReady(bool ready) { m_ready = ready; }

    // While held, RefreshGoalTotal does nothing: a full refresh passes
    // through it a dozen times and only its last pass can be seen.
    bool isGoalTotalHeld() const { return m_goalTotalHeld; }
    void holdGoalTotal(bool held) { m_goalTotalHeld = held; }

    QString chartName() const;
    void setChartName(const QString &name);

    // Every cell as it stands, family by family, and putting such a picture
    // back. Putting back is no edit: observers hear of each cell that
    // changes, but no rule runs, for the cells already hold what the rules
    // made of them (a chart set aside and brought back exactly).
    using CellsPicture = std::vector<std::vector<Cell>>;
    CellsPicture cells() const;
    void restoreCells(const CellsPicture &picture);

    MessageTable &messages() { return m_messages; }
    const MessageTable &messages() const { return m_messages; }

private:
    CellFamily &add(const QString &name, int first, int last);
    void notify(const CellFamily &f, int index, CellProperty property);
    template <typename T>
    void assign(CellFamily &f, int index, T Cell::*member, const T &value, CellProperty property);

    std::deque<CellFamily> m_families; // stable addresses
    QHash<QString, CellFamily *> m_byName;
    const FormatRules *m_rules = nullptr;
    int m_year = 0;
    std::vector<GroupId> m_groupIds;
    std::vector<GroupCells> m_groups;
    std::array<RoundCells, 6> m_rounds{};
    // The cells of every format's groups and rounds; the format shows some.
    std::vector<GroupCells> m_allGroups;
    std::array<RoundCells, 6> m_allRounds{};
    CellFamily *m_podium = nullptr;
    CellFamily *m_chartName = nullptr;
    std::vector<std::pair<int, Observer>> m_observers;
    int m_nextObserverKey = 0;
    MessageTable m_messages;
    bool m_ready = false;
    bool m_goalTotalHeld = false;
};
