#pragma once

#include "online/DownloadPage.h"

class QTextStream;

// "vylora --update [--server URL] [--data-dir DIR]": the results update of
// the "Mise à jour" button without a window and without its question (the
// command is the answer). On success one line on out says what changed;
// on failure one line on err says why and the chart file is as it was.
// A chart already up to date is a success that writes nothing.
// Returns the exit status, 0 or 1.
int runChartUpdate(QTextStream &out, QTextStream &err, DownloadPage::Limits limits = {});
