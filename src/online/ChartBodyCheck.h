#pragma once

#include <QByteArray>

// Whether bytes that came from the network hold a chart file: text (no NUL
// byte), not a web page, and a chart by the chart reader's own test. A
// server's error page sent with status 200 fails here, so it never replaces
// the user's chart.
bool holdsChart(const QByteArray &bytes);
