#include "schedule/BuildSchedule.h"

#include <initializer_list>

#include "storage/ModuleSetting.h"
#include "tournament/Tournament.h"

ScheduleIndex BuildSchedule(Tournament &t, const QString &chartName, const QTimeZone &zone)
{
    return BuildScheduleFromFile(t, iniFilePath(chartName), zone);
}

ScheduleIndex BuildScheduleFromFile(Tournament &t, const QString &path, const QTimeZone &zone)
{
    // One reading of the file for the 64 notes, as the chart load does.
    return BuildScheduleFromDocument(t, readIniFileAt(path).document, zone);
}

ScheduleIndex BuildScheduleFromDocument(Tournament &t, const IniDocument &file, const QTimeZone &zone)
{
    ScheduleIndex index;
    // The schedule knows the 32-team World Cup's matches alone.
    if (!t.rules().isWc32())
        return index;
    index.reserve(64);
    const QString section = QStringLiteral("Match");
    auto add = [&](RoundCode code, int firstLabel, std::initializer_list<int> labelOffsets) {
        const MatchNote note =
            noteInZone(file.value(section, QString::number(matchKey(code, firstLabel))).value_or(QString()), zone);
        index.append({code, firstLabel, note});
        CellFamily &labels = labelFamily(t, code);
        for (int offset : labelOffsets)
            t.setToolTip(labels, firstLabel + offset, note);
    };

    for (int label = 0; label <= 10; label += 2)
        for (GroupId g : allGroups)
            add(groupRound(g), label, {0, 1});
    // Huit 16.. are the round of 16 again, in the summary on the group page.
    for (int label = 0; label <= 14; label += 2)
        add(RoundCode::V, label, {0, 1, 16, 17});
    for (int label = 0; label <= 6; label += 2)
        add(RoundCode::W, label, {0, 1});
    for (int label = 0; label <= 2; label += 2)
        add(RoundCode::X, label, {0, 1});
    add(RoundCode::Y, 0, {0, 1});
    add(RoundCode::Z, 0, {0, 1});
    return index;
}
