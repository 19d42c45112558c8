#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// "vylora --score [--results FILE] [--json] [PREDICTION.ini...]": the
// ranking of the predictions given (every kept one by default) against the
// results chart (the user's chart by default), as text or as JSON. A
// prediction that cannot be scored is one line on err and leaves the rest
// ranked; kept predictions of another tournament are left out. Returns the exit status: 1 when the results
// cannot be read or a prediction was refused.
int runScoreCommand(const QString &resultsFile, const QStringList &predictions, bool json, QTextStream &out,
                    QTextStream &err);

// "vylora --keep NAME": keeps the user's chart as the
// prediction NAME; never over one of that name.
int runKeepCommand(const QString &name, QTextStream &out, QTextStream &err);
