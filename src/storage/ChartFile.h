#pragma once

#include <QString>

#include "storage/ChartHooks.h"

class Tournament;

// The chart file: one INI section per cell family, one key per cell index,
// the cell's text as value (a draw mark is the tag of its team cell).
//
// LoadChart sets every cell through the model's ordinary setters, in a fixed
// order: draw marks, then group by group its scores before its names, then
// the knock-out rounds. With the ready flag set, each group recomputes as
// its cells arrive; without it nothing is computed until the caller's
// RefreshAll. A missing file or key loads the cell's default. Returns false
// only when the version check stopped the load.
bool LoadChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks = {});

// Writes every score, team name and draw mark into the file of the current
// chart name, in one atomic replacement of the file; sections it does not
// own (version, link, message, match notes) stay as they were. Returns
// false, with the file untouched, when it cannot be written.
bool SaveChart(const Tournament &t);
