#pragma once

#include <QByteArray>
#include <QString>

#include "storage/ChartHooks.h"

class IniDocument;
class Tournament;

// A file holds a chart when it has at least one of the chart's sections; a
// body of any other kind (an error page, random bytes, nothing) must never
// replace a chart or be loaded as one.
bool looksLikeChart(const IniDocument &file);
bool isChartFile(const QByteArray &bytes);

// The chart file: one INI section per cell family, one key per cell index,
// the cell's text as value (a draw mark is the tag of its team cell).
//
// LoadChart sets every cell through the model's ordinary setters, in a fixed
// order: draw marks, then group by group its scores before its names, then
// the knock-out rounds. With the ready flag set, each group recomputes as
// its cells arrive; without it nothing is computed until the caller's
// RefreshAll. A missing file or key loads the cell's default. A file too
// large to be a chart, or one that holds no chart (moved aside then, as
// "<file>.damaged"), loads the empty chart and is told to hooks.fileProblem.
// Returns false only when the version check stopped the load.
bool LoadChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks = {});

// Every load of a whole chart: the cells as the file holds them, then the
// ready flag and the full refresh, so that no team, podium or cup of the
// chart shown before remains. False when the version check stopped it.
bool LoadWholeChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks = {});

// Writes every score, team name and draw mark into the file of the current
// chart name, in one atomic replacement of the file; sections it does not
// own (version, link, message, match notes) stay as they were. A file that
// holds no chart is moved aside first, never written into. Returns false,
// with the file untouched, when it cannot be read or written.
bool SaveChart(const Tournament &t);
