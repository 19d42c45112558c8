#pragma once

#include <QList>

#include "schedule/ScheduleEntry.h"

// The 64 matches of the loaded chart: the group matches by label index and
// group (A0, B0, .. H0, A2, ..), then the knock-out rounds in bracket order.
using ScheduleIndex = QList<ScheduleEntry>;
