#include "cli/SheetCommand.h"

#include <QTextStream>

#include "cli/ChartFileLoad.h"
#include "i18n/LanguageFile.h"
#include "print/Paper.h"
#include "print/Sheet.h"
#include "print/SheetFile.h"
#include "tournament/TeamList.h"
#include "tournament/Tournament.h"

int runSheetCommand(const QString &out, const QString &chart, const QString &link, const QString &languageFile,
                    QTextStream &err, const QString &paperName)
{
    const std::optional<Paper> paper = paperFromName(paperName);
    if (!paper) {
        err << "vylora: unknown paper \"" << paperName << "\" (use a4 or a3)" << Qt::endl;
        return 1;
    }
    // The chart is built in the format its file holds, whichever it is.
    const ChartFileCheck check = checkChartFile(chart);
    if (!check.problem.isEmpty()) {
        err << chart << ": " << check.problem << Qt::endl;
        return 1;
    }
    Tournament t(*check.rules);
    if (!languageFile.isEmpty())
        LoadLanguageMessages(languageFile, t.messages());
    if (const QString reason = loadChartFile(chart, t); !reason.isEmpty()) {
        err << chart << ": " << reason << Qt::endl;
        return 1;
    }
    TeamList teams;
    if (t.rules().isWc32())
        ChargeInfo(t, teams);
    if (const QString reason = writeSheetFile(DrawChart(t, teams, link), out, *paper); !reason.isEmpty()) {
        err << out << ": " << reason << Qt::endl;
        return 1;
    }
    return 0;
}
