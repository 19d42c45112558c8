#pragma once

#include <optional>

#include <QByteArray>
#include <QDateTime>

#include "predictions/PredictionFigures.h"
#include "server/pool/PoolLocks.h"
#include "server/pool/PoolStore.h"

// A prediction as everyone may see it now: the parts not yet locked are
// left out, so neither a score nor its points tell what a player sent
// before the kick-off.
PredictionFigures sealedFigures(const PredictionFigures &sent, const PoolLocks &locks, const QDateTime &now);

// What the standings depend on besides the players: the published results
// (by their digest) and which parts are locked. A send never changes them
// by itself: it takes only parts not yet locked, and only locked parts are
// shown; what it sent counts from the moment its lock passes, which
// changes this.
QString standingsSource(const QByteArray &resultsDigest, const PoolLocks &locks, const QDateTime &now);

// The pool's ranking against the published results: the program's own
// scoring and order, each player's most points still reachable, and the
// winner of each match day as JSON (`[{"winner": pseudo, "points": n}, {}, ...]`).
// Players are read one at a time, so that a hundred thousand of them take
// their scores' room and not their predictions'.
std::optional<PoolStore::Computed> computeStandings(PoolStore &store, const PredictionFigures &results,
                                                    const PoolLocks &locks, const QDateTime &now,
                                                    const QString &source);
