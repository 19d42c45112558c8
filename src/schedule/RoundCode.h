#pragma once

#include <QChar>

#include "tournament/GroupId.h"

class CellFamily;
class Tournament;

// The round a scheduled match belongs to, by the letter the schedule uses:
// the groups A to L, then the round of 32 (U), the round of 16 (V) up to
// the final (Z).
enum class RoundCode : char16_t {
    A = u'A',
    B = u'B',
    C = u'C',
    D = u'D',
    E = u'E',
    F = u'F',
    G = u'G',
    H = u'H',
    I = u'I',
    J = u'J',
    K = u'K',
    L = u'L',
    U = u'U',
    V = u'V',
    W = u'W',
    X = u'X',
    Y = u'Y',
    Z = u'Z',
};

inline QChar letter(RoundCode code)
{
    return QChar(char16_t(code));
}

inline RoundCode groupRound(GroupId g)
{
    return RoundCode(u'A' + groupIndex(g));
}

enum class Round;

// The letter of a knock-out round.
RoundCode knockoutRound(Round r);

// The team labels of the round's matches: match labels of a group, team
// cells of a knock-out round.
CellFamily &labelFamily(const Tournament &t, RoundCode code);

// The key of the match's note in the chart's "Match" section.
int matchKey(RoundCode code, int firstLabel);
