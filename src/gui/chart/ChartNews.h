#pragma once

class CellBinding;
class QWidget;
class Tournament;

// The chart's news: a framed message and a link below the calendar, each
// shown only while the loaded chart has something to say. Returns the link.
QWidget *buildChartNews(QWidget &window, Tournament &t, CellBinding &binding);
