#pragma once

#include <QByteArray>

// Stand-in until the storage layer offers its own check of a chart's bytes.
//
// Whether bytes that came from the network hold a chart file: text (no NUL
// byte), not a web page, and at least one section that a chart file has.
// A server's error page sent with status 200 fails here, so it never
// replaces the user's chart.
bool holdsChart(const QByteArray &bytes);
