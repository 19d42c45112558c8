#include "server/pool/PoolStandings.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <tuple>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "predictions/MatchDayOver.h"
#include "predictions/PredictionRanking.h"

namespace {

// Which parts are shown now, asked of the locks once rather than for each
// of a hundred thousand players.
struct Shown
{
    std::array<bool, groupMatches> matches{};
    bool bracket = false;
};

Shown shownAt(const PoolLocks &locks, const QDateTime &now)
{
    Shown shown;
    for (int m = 0; m < groupMatches; ++m)
        shown.matches[std::size_t(m)] = locks.matchLocked(m, now);
    shown.bracket = locks.bracketLocked(now);
    return shown;
}

PredictionFigures sealed(const PredictionFigures &sent, const Shown &shown)
{
    PredictionFigures figures;
    for (std::size_t m = 0; m < shown.matches.size(); ++m)
        if (shown.matches[m])
            figures.matches[m] = sent.matches[m];
    if (shown.bracket) {
        figures.rounds = sent.rounds;
        figures.champion = sent.champion;
    }
    return figures;
}

} // namespace

PredictionFigures sealedFigures(const PredictionFigures &sent, const PoolLocks &locks, const QDateTime &now)
{
    return sealed(sent, shownAt(locks, now));
}

QString standingsSource(const QByteArray &resultsDigest, const PoolLocks &locks, const QDateTime &now)
{
    QString locked(groupMatches + 1, u'0');
    for (int m = 0; m < groupMatches; ++m)
        if (locks.matchLocked(m, now))
            locked[m] = u'1';
    if (locks.bracketLocked(now))
        locked[groupMatches] = u'1';
    return QString::fromLatin1(resultsDigest.toHex()) + u':' + locked;
}

std::optional<PoolStore::Computed> computeStandings(PoolStore &store, const PredictionFigures &results,
                                                    const PoolLocks &locks, const QDateTime &now,
                                                    const QString &source)
{
    struct Entry
    {
        PoolStore::Standing row;
        QString key;
        PredictionScore score;
    };
    // A part not yet locked may still be changed into the best there is.
    const Shown shownNow = shownAt(locks, now);
    int open = shownNow.bracket ? 0 : maximumPoints - groupMatches * exactPoints;
    for (const bool locked : shownNow.matches)
        open += locked ? 0 : exactPoints;
    std::vector<Entry> entries;
    const bool read =
        store.forEachPlayer([&](const PoolStore::Player &player, const QString &folded, const QString &key) {
            const PredictionFigures shown = sealed(player.figures, shownNow);
            const PredictionScore score = scoreFigures(shown, results);
            entries.push_back({{0, folded, player.pseudo, score.points, score.exact, score.outcomes,
                                score.knockout, reachablePoints(shown, results, score) + open, false},
                               key,
                               score});
        });
    if (!read)
        return std::nullopt;
    // The program's order (rankPredictions), with each name folded once
    // rather than at every comparison.
    std::vector<std::size_t> order(entries.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const PoolStore::Standing &x = entries[a].row, &y = entries[b].row;
        const auto figures = [](const PoolStore::Standing &s) {
            return std::tuple(-s.points, -s.exact, -s.outcomes);
        };
        if (figures(x) != figures(y))
            return figures(x) < figures(y);
        if (const int names = QString::compare(entries[a].key, entries[b].key); names != 0)
            return names < 0;
        return x.pseudo < y.pseudo;
    });
    PoolStore::Computed computed;
    computed.source = source;
    computed.rows.reserve(entries.size());
    std::vector<ScoredPrediction> ranked;
    ranked.reserve(entries.size());
    for (std::size_t i : order) {
        computed.rows.push_back(std::move(entries[i].row));
        computed.rows.back().rank = int(computed.rows.size());
        ranked.push_back({computed.rows.back().pseudo, entries[i].score, {}});
    }
    entries = {};
    const int best = computed.rows.empty() ? 0 : computed.rows.front().points;
    for (PoolStore::Standing &row : computed.rows)
        row.canWin = row.maximum >= best;
    QJsonArray days;
    for (int day = 0; day < matchDays; ++day) {
        QJsonObject winner;
        if (const int i = matchDayOver(results, day) ? matchDayWinner(ranked, day) : -1; i >= 0)
            winner = {{QStringLiteral("winner"), ranked[std::size_t(i)].name},
                      {QStringLiteral("points"), matchDayPoints(ranked[std::size_t(i)].score, day)}};
        days.append(winner);
    }
    computed.days = QJsonDocument(days).toJson(QJsonDocument::Compact);
    return computed;
}
