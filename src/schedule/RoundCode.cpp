#include "schedule/RoundCode.h"

#include "tournament/Tournament.h"

RoundCode knockoutRound(Round r)
{
    switch (r) {
    case Round::RoundOf32:
        return RoundCode::U;
    case Round::RoundOf16:
        return RoundCode::V;
    case Round::QuarterFinals:
        return RoundCode::W;
    case Round::SemiFinals:
        return RoundCode::X;
    case Round::ThirdPlace:
        return RoundCode::Y;
    case Round::Final:
        break;
    }
    return RoundCode::Z;
}

CellFamily &labelFamily(const Tournament &t, RoundCode code)
{
    switch (code) {
    case RoundCode::U:
        return *t.round(Round::RoundOf32).team;
    case RoundCode::V:
        return *t.round(Round::RoundOf16).team;
    case RoundCode::W:
        return *t.round(Round::QuarterFinals).team;
    case RoundCode::X:
        return *t.round(Round::SemiFinals).team;
    case RoundCode::Y:
        return *t.round(Round::ThirdPlace).team;
    case RoundCode::Z:
        return *t.round(Round::Final).team;
    default:
        return *t.group(GroupId(char16_t(code) - u'A')).label;
    }
}

int matchKey(RoundCode code, int firstLabel)
{
    switch (code) {
    case RoundCode::V:
        return 100 + firstLabel;
    case RoundCode::W:
        return 200 + firstLabel;
    case RoundCode::X:
        return 300 + firstLabel;
    case RoundCode::Y:
        return 400;
    case RoundCode::Z:
        return 500;
    default:
        return 12 * (char16_t(code) - u'A') + firstLabel;
    }
}
