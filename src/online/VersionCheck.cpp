#include "online/VersionCheck.h"

#include "tournament/ProgramVersion.h"

namespace {

int digitValue(QChar c)
{
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : 0;
}

} // namespace

bool newerVersionPublished(const QString &cv)
{
    if (cv == u"-" || cv.size() != 3)
        return false;
    // In tenths, so that 2.6 against 2.6 compares exactly.
    const int published = digitValue(cv.front()) * 10 + digitValue(cv.back());
    return ProgramVersion::major * 10 + ProgramVersion::minor < published;
}
