#pragma once

#include <QString>
#include <QStringList>

// The chart the user predicts on: it is saved, loaded at start, updated
// from the server and kept as a prediction. It is the 2010 World Cup's until
// "Nouveau tournoi" starts one of the tournaments to come; each keeps its
// own file in the data folder, begun from the shipped blank chart.
namespace OwnChart {

// "VYL2010", then the coming tournaments: "EURO2028", "VYL2030".
const QStringList &names();
// The one chosen last; the 2010 chart while none, or one this version does
// not know, is stored.
QString current();
// Where the current one's file lies in the data folder.
QString filePath();
// Chooses one of names(), its file seeded from the shipped blank chart when
// the data folder lacks it. False when that copy fails.
bool choose(const QString &name);

} // namespace OwnChart
