#pragma once

#include <QString>

class IniDocument;
struct FormatRules;

// The format a chart file names in its [Tournoi] section, and the edition.
// A file without that section is a 2010-style chart: the 32-team World Cup.
struct ChartForm
{
    const FormatRules *rules = nullptr; // none when the file names a format the program does not know
    int year = 0;
    QString problem; // why the file is refused, empty when it is not
};

ChartForm chartFormOf(const IniDocument &file);

// Why `file` is not a whole chart of `rules`: a key its format has and the
// file lacks, or a section or key of a group or round the format lacks (a
// chart of another format). Empty when it is whole. A 2010-style chart
// without [Tournoi] may lack keys, which load as their defaults, but never
// holds a part of another format.
QString chartFormProblem(const IniDocument &file, const FormatRules &rules);
