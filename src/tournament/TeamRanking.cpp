#include "tournament/TeamRanking.h"

#include <algorithm>
#include <tuple>

#include <QVarLengthArray>

namespace {

using Key = std::tuple<double, double, double>;
// Teams by their index. A ranking runs at every keystroke, over at most the
// thirds of twelve groups: its lists live on the stack.
using Block = QVarLengthArray<int, 16>;
using Keys = QVarLengthArray<Key, 16>;

class Ranking final
{
public:
    Ranking(const std::vector<TeamFigures> &teams, const std::vector<PlayedMatch> &matches,
            const std::vector<Criterion> &criteria)
        : m_teams(teams)
        , m_matches(matches)
        , m_criteria(criteria)
    {}

    RankedTeams run()
    {
        Block all;
        for (std::size_t i = 0; i < m_teams.size(); ++i)
            all.push_back(int(i));
        m_result.order.reserve(m_teams.size());
        m_result.separatedBy.reserve(m_teams.size());
        rank(all, 0);
        return std::move(m_result);
    }

private:
    // A block is always in index order: the parts of a split keep it.
    void rank(const Block &block, std::size_t criterion)
    {
        if (block.size() == 1 || criterion == m_criteria.size()) {
            appendLevel(block);
            return;
        }
        const Criterion c = m_criteria[criterion];
        Keys keys(qsizetype(m_teams.size())); // by team; those of the block set
        if (!keysOf(block, c, keys)) {
            rank(block, criterion + 1);
            return;
        }
        if (std::all_of(block.begin(), block.end(), [&](int team) { return keys[team] == keys[block[0]]; })) {
            rank(block, criterion + 1);
            return;
        }
        // Best key first, equal keys in index order.
        Block sorted = block;
        const auto before = [&keys](int a, int b) { return keys[a] > keys[b] || (keys[a] == keys[b] && a < b); };
        std::sort(sorted.begin(), sorted.end(), before);
        // The block in parts of equal key.
        qsizetype begin = 0;
        for (qsizetype end = 1; end <= sorted.size(); ++end) {
            if (end < sorted.size() && keys[sorted[end]] == keys[sorted[begin]])
                continue;
            const Block part(sorted.begin() + begin, sorted.begin() + end);
            if (begin > 0)
                m_result.separatedBy.push_back(c);
            // A smaller set left level by the mini-table gets a mini-table
            // of its own matches before anything else.
            rank(part, c == Criterion::HeadToHead ? criterion : criterion + 1);
            begin = end;
        }
    }

    void appendLevel(const Block &block)
    {
        for (qsizetype i = 0; i < block.size(); ++i) {
            if (i > 0)
                m_result.separatedBy.push_back(std::nullopt);
            m_result.order.push_back(block[i]);
        }
    }

    // Each team's key into keys[team]; false when the criterion cannot tell
    // any of the block apart.
    bool keysOf(const Block &block, Criterion c, Keys &keys) const
    {
        for (int team : block) {
            const TeamFigures &f = m_teams[std::size_t(team)];
            Key &key = keys[team];
            switch (c) {
            case Criterion::Points:
                key = {f.points, 0, 0};
                break;
            case Criterion::GoalDifference:
                key = {f.difference(), 0, 0};
                break;
            case Criterion::GoalsFor:
                key = {f.goalsFor, 0, 0};
                break;
            case Criterion::Wins:
                key = {f.wins, 0, 0};
                break;
            case Criterion::Conduct:
                if (!f.conduct)
                    return false;
                key = {-*f.conduct, 0, 0};
                break;
            case Criterion::ShootOut:
                if (!shootOutDecides(block))
                    return false;
                key = {f.marked ? 1 : 0, 0, 0};
                break;
            case Criterion::Mark:
                key = {f.marked ? 1 : 0, 0, 0};
                break;
            case Criterion::HeadToHead:
                key = headToHead(team, block);
                break;
            }
        }
        return true;
    }

    Key headToHead(int team, const Block &block) const
    {
        auto inBlock = [&block](int t) { return std::find(block.begin(), block.end(), t) != block.end(); };
        double points = 0, scored = 0, conceded = 0;
        for (const PlayedMatch &m : m_matches) {
            if (!inBlock(m.first) || !inBlock(m.second) || (m.first != team && m.second != team))
                continue;
            const double own = m.first == team ? m.firstGoals : m.secondGoals;
            const double other = m.first == team ? m.secondGoals : m.firstGoals;
            points += own > other ? 3 : own == other ? 1 : 0;
            scored += own;
            conceded += other;
        }
        return {points, scored - conceded, scored};
    }

    // Two teams level on everything so far, the only ones on their points,
    // that met in the last round: their shoot-out decided, and the mark
    // tells who won it.
    bool shootOutDecides(const Block &block) const
    {
        if (block.size() != 2)
            return false;
        const int points = m_teams[std::size_t(block[0])].points;
        const auto samePoints = std::count_if(m_teams.begin(), m_teams.end(),
                                              [points](const TeamFigures &f) { return f.points == points; });
        const bool met = std::any_of(m_matches.begin(), m_matches.end(), [&block](const PlayedMatch &m) {
            return m.lastRound && ((m.first == block[0] && m.second == block[1]) ||
                                   (m.first == block[1] && m.second == block[0]));
        });
        return samePoints == 2 && met;
    }

    const std::vector<TeamFigures> &m_teams;
    const std::vector<PlayedMatch> &m_matches;
    const std::vector<Criterion> &m_criteria;
    RankedTeams m_result;
};

} // namespace

RankedTeams rankTeams(const std::vector<TeamFigures> &teams, const std::vector<PlayedMatch> &matches,
                      const std::vector<Criterion> &criteria)
{
    return Ranking(teams, matches, criteria).run();
}
