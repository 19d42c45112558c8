#include "tournament/TeamRanking.h"

#include <algorithm>
#include <tuple>

namespace {

using Key = std::tuple<double, double, double>;

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
        std::vector<int> all(m_teams.size());
        for (std::size_t i = 0; i < all.size(); ++i)
            all[i] = int(i);
        rank(all, 0);
        return std::move(m_result);
    }

private:
    void rank(const std::vector<int> &block, std::size_t criterion)
    {
        if (block.size() == 1 || criterion == m_criteria.size()) {
            appendLevel(block);
            return;
        }
        const Criterion c = m_criteria[criterion];
        const std::vector<std::vector<int>> parts = split(block, c);
        if (parts.size() == 1) {
            rank(block, criterion + 1);
            return;
        }
        for (std::size_t i = 0; i < parts.size(); ++i) {
            if (i > 0)
                m_result.separatedBy.push_back(c);
            // A smaller set left level by the mini-table gets a mini-table
            // of its own matches before anything else.
            rank(parts[i], c == Criterion::HeadToHead ? criterion : criterion + 1);
        }
    }

    void appendLevel(const std::vector<int> &block)
    {
        for (std::size_t i = 0; i < block.size(); ++i) {
            if (i > 0)
                m_result.separatedBy.push_back(std::nullopt);
            m_result.order.push_back(block[i]);
        }
    }

    // The block in parts of equal key, best key first, each part in index
    // order; one part when the criterion cannot tell any of them apart.
    std::vector<std::vector<int>> split(const std::vector<int> &block, Criterion c) const
    {
        std::vector<std::pair<Key, int>> keyed;
        const std::optional<std::vector<Key>> keys = keysOf(block, c);
        if (!keys)
            return {block};
        for (std::size_t i = 0; i < block.size(); ++i)
            keyed.emplace_back((*keys)[i], block[i]);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto &a, const auto &b) { return a.first > b.first; });
        std::vector<std::vector<int>> parts;
        for (std::size_t i = 0; i < keyed.size(); ++i) {
            if (i == 0 || keyed[i].first != keyed[i - 1].first)
                parts.emplace_back();
            parts.back().push_back(keyed[i].second);
        }
        return parts;
    }

    std::optional<std::vector<Key>> keysOf(const std::vector<int> &block, Criterion c) const
    {
        std::vector<Key> keys;
        for (int team : block) {
            const TeamFigures &f = m_teams[std::size_t(team)];
            switch (c) {
            case Criterion::Points:
                keys.emplace_back(f.points, 0, 0);
                break;
            case Criterion::GoalDifference:
                keys.emplace_back(f.difference(), 0, 0);
                break;
            case Criterion::GoalsFor:
                keys.emplace_back(f.goalsFor, 0, 0);
                break;
            case Criterion::Wins:
                keys.emplace_back(f.wins, 0, 0);
                break;
            case Criterion::Conduct:
                if (!f.conduct)
                    return std::nullopt;
                keys.emplace_back(-*f.conduct, 0, 0);
                break;
            case Criterion::ShootOut:
                if (!shootOutDecides(block))
                    return std::nullopt;
                keys.emplace_back(f.marked ? 1 : 0, 0, 0);
                break;
            case Criterion::Mark:
                keys.emplace_back(f.marked ? 1 : 0, 0, 0);
                break;
            case Criterion::HeadToHead:
                keys.push_back(headToHead(team, block));
                break;
            }
        }
        return keys;
    }

    Key headToHead(int team, const std::vector<int> &block) const
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
    bool shootOutDecides(const std::vector<int> &block) const
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
