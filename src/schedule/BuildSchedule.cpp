#include "schedule/BuildSchedule.h"

#include <initializer_list>

#include "storage/IniDocument.h"
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

namespace {

const QString section = QStringLiteral("Match");

// The clock the chart's notes are written on: the zone its "fuseau" names,
// else the 2010 publisher's.
QTimeZone notesClock(const IniDocument &file)
{
    const QString name = file.value(u"Tournoi", u"fuseau").value_or(QString()).trimmed();
    if (name.isEmpty())
        return tournamentZone();
    const QTimeZone named(name.toUtf8());
    return named.isValid() ? named : tournamentZone();
}

// A chart of another format keys its notes by group letter and first
// label ("A0" .. "L10") and by the knock-out matches' official numbers. Its
// labels lose whatever note an earlier chart gave them even when it has no
// notes, and then it has no schedule at all.
ScheduleIndex formatSchedule(Tournament &t, const IniDocument &file, const QTimeZone &zone, const QTimeZone &clock)
{
    ScheduleIndex index;
    const auto add = [&](RoundCode code, int firstLabel, const QString &key) {
        const MatchNote note = noteInZone(file.value(section, key).value_or(QString()), zone, clock);
        index.append({code, firstLabel, note});
        CellFamily &labels = labelFamily(t, code);
        t.setToolTip(labels, firstLabel, note);
        t.setToolTip(labels, firstLabel + 1, note);
    };
    for (int label = 0; label <= 10; label += 2)
        for (GroupId g : t.groupIds())
            add(groupRound(g), label, groupLetter(g) + QString::number(label));
    for (Round r : t.rounds()) {
        int firstLabel = 0;
        for (const BracketMatch &m : t.rules().matchesOf(r)) {
            add(knockoutRound(r), firstLabel, QString::number(m.number));
            firstLabel += 2;
        }
    }
    if (!file.hasSection(section))
        index.clear();
    return index;
}

} // namespace

ScheduleIndex BuildScheduleFromDocument(Tournament &t, const IniDocument &file, const QTimeZone &zone)
{
    const QTimeZone clock = notesClock(file);
    if (!t.rules().isWc32())
        return formatSchedule(t, file, zone, clock);
    ScheduleIndex index;
    index.reserve(64);
    auto add = [&](RoundCode code, int firstLabel, std::initializer_list<int> labelOffsets) {
        const MatchNote note = noteInZone(
            file.value(section, QString::number(matchKey(code, firstLabel))).value_or(QString()), zone, clock);
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
