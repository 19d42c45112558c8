#include "storage/OwnChart.h"

#include "storage/ProgramFolder.h"
#include "storage/UserSettings.h"


namespace OwnChart {

const QStringList &names()
{
    static const QStringList charts{QStringLiteral("VYL2010"), QStringLiteral("EURO2028"), QStringLiteral("VYL2030")};
    return charts;
}

QString current()
{
    const QString stored = UserSettings().tournament();
    return names().contains(stored) ? stored : names().first();
}

QString filePath()
{
    return ProgramFolder::filePath(current() + QStringLiteral(".ini"));
}

bool choose(const QString &name)
{
    if (!names().contains(name))
        return false;
    if (!ProgramFolder::seedFile(name + QStringLiteral(".ini")))
        return false;
    UserSettings().setTournament(name == names().first() ? QString() : name);
    return true;
}

} // namespace OwnChart
