#pragma once

#include "online/DownloadPage.h"

class QString;
class QTextStream;

// "vylora --update [--server URL] [--data-dir DIR]": the results update of
// the "Mise à jour" button without a window and without its question (the
// command is the answer). On success one line on out says what changed;
// on failure one line on err says why and the chart file is as it was.
// A chart already up to date is a success that writes nothing.
// Returns the exit status, 0 or 1.
// unnamed: the run's language's name for the user's own entries, kept
// before the results replace them when the user has no pseudo.
int runChartUpdate(QTextStream &out, QTextStream &err, const QString &unnamed, DownloadPage::Limits limits = {});
