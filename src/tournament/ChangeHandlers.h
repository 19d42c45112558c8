#pragma once

class Tournament;

// Wires each cell family's change event to its rule, as the window's text
// boxes would: score cells clean what was typed and recompute when the
// chart is ready; team names refresh the match labels.
void installChangeHandlers(Tournament &t);
