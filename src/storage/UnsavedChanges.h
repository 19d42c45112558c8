#pragma once

class Tournament;

// True when a cell that "Sauve" writes (score, penalty, team name, draw
// mark) differs from what the file of the current chart would load into it.
bool hasUnsavedChanges(const Tournament &t);
