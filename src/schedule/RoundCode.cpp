#include "schedule/RoundCode.h"

#include "tournament/Tournament.h"

CellFamily &labelFamily(const Tournament &t, RoundCode code)
{
    switch (code) {
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
