#include "cli/SheetCommand.h"

#include <QTextStream>

#include "cli/ChartFileLoad.h"
#include "i18n/LanguageFile.h"
#include "print/Sheet.h"
#include "print/SheetFile.h"
#include "tournament/TeamList.h"
#include "tournament/Tournament.h"

int runSheetCommand(const QString &out, const QString &chart, const QString &link, const QString &languageFile,
                    QTextStream &err)
{
    Tournament t;
    if (!languageFile.isEmpty())
        LoadLanguageMessages(languageFile, t.messages());
    if (const QString reason = loadChartFile(chart, t); !reason.isEmpty()) {
        err << chart << ": " << reason << Qt::endl;
        return 1;
    }
    TeamList teams;
    ChargeInfo(t, teams);
    if (const QString reason = writeSheetFile(DrawChart(t, teams, link), out); !reason.isEmpty()) {
        err << out << ": " << reason << Qt::endl;
        return 1;
    }
    return 0;
}
