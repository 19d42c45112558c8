#pragma once

class Tournament;

// The full refresh after a whole-chart load: every derived cell from the
// scores and names alone, in the order the window has always shown them.
void RefreshAll(Tournament &t);
