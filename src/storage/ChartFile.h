#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QString>

#include "storage/ChartHooks.h"
#include "storage/IniDocument.h"

class Tournament;
struct FormatRules;
enum class Round;

// A file holds a chart when it has at least one of the chart's sections; a
// body of any other kind (an error page, random bytes, nothing) must never
// replace a chart or be loaded as one.
bool looksLikeChart(const IniDocument &file);
bool isChartFile(const QByteArray &bytes);

// A chart that may take the place of the user's whole chart, as the
// results update and the update server's upload need: every key of every
// section the program reads, and the notes of the 64 matches dated in
// 2010. The files name no tournament; the 2010 chart tells itself by its
// notes, which the past tournaments' charts do not carry. A body cut short
// anywhere lacks a section, a key or the date that ends the last note.
bool isWhole2010Chart(const QByteArray &bytes);
// The same check, handing back the chart it parsed when whole, so that the
// bytes checked are the bytes loaded, parsed once.
std::optional<IniDocument> wholeChart2010(const QByteArray &bytes);
// The published chart of the user's chart `chartName`: the 2010 one as
// above, or for a coming tournament a whole chart of the format and edition
// its name says ("EURO2028": the European Championship of 2028).
std::optional<IniDocument> wholeChartNamed(const QString &chartName, const QByteArray &bytes);
// The goal cells played in a chart of any format, and the matches whose two
// cells are; penalties are no scores of their own.
struct PlayedScores
{
    int cells = 0;
    int matches = 0;
};
PlayedScores playedScores(const IniDocument &chart);

// The chart file: one INI section per cell family, one key per cell index,
// the cell's text as value (a draw mark is the tag of its team cell).
//
// LoadChart reads "<program folder>/<name>.ini" and sets every cell through the model's ordinary setters, in a
// fixed order: draw marks, then group by group its scores before its names, then the knock-out rounds. With the
// ready flag set, each group recomputes as its cells arrive; without it nothing is computed until the caller's
// RefreshAll. A missing file or key loads the cell's default. A file too
// large to be a chart, or one that holds no chart (moved aside then, as
// "<file>.damaged"), loads the empty chart and is told to hooks.fileProblem.
// Returns false only when the version check stopped the load.
bool LoadChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks = {});
// The same for a chart file in any folder, named by its path; the chart's
// name is the file's stem.
bool LoadChartFromFile(Tournament &t, const QString &path, int languageIndex, const ChartHooks &hooks = {});
// The same load from a chart already read, named `name`: a chart that lives
// outside the program folder, or under a file name that is not its own.
bool LoadChartDocument(Tournament &t, const QString &name, const IniDocument &file, int languageIndex,
                       const ChartHooks &hooks = {});

// Every load of a whole chart: the cells as the file holds them, then the
// ready flag and the full refresh, so that no team, podium or cup of the
// chart shown before remains. False when the version check stopped it.
bool LoadWholeChart(Tournament &t, const QString &name, int languageIndex, const ChartHooks &hooks = {});
bool LoadWholeChartFromFile(Tournament &t, const QString &path, int languageIndex, const ChartHooks &hooks = {});
bool LoadWholeChartDocument(Tournament &t, const QString &name, const IniDocument &file, int languageIndex,
                            const ChartHooks &hooks = {});

// Writes every score, team name and draw mark into the file of the current
// chart name, in one atomic replacement of the file; sections it does not
// own (version, link, message, match notes) stay as they were. A file that
// holds no chart is moved aside first, never written into. Returns false,
// with the file untouched, when it cannot be read or written.
bool SaveChart(const Tournament &t);

// Every cell into file as SaveChart writes them, the other sections left.
void writeChartCells(const Tournament &t, IniDocument &file);
// The chart file of t's name as SaveChart would leave it: what t shows,
// saved or not, with the sections it does not own (notes, news) kept.
QByteArray shownChart(const Tournament &t);

// One cell as the chart file keeps it: its section, its key, the text it
// loads as when the key is missing, and whether it holds goals.
struct ChartKey
{
    QString section;
    QString key;
    QString defaultText;
    bool goals;
    bool optional; // conduct points: a chart may leave them out
};
// Every cell of a chart file: scores, names, draw marks, knock-out goals
// and penalties; those of the 2010 chart, or of a chart of `rules`.
const std::vector<ChartKey> &chartKeys();
const std::vector<ChartKey> &chartKeys(const FormatRules &rules);
// The goals and penalties sections of a knock-out round.
std::array<QString, 2> knockoutSections(Round r);
// The text the cell of `key` loads with from file.
QString chartText(const IniDocument &file, const ChartKey &key);
