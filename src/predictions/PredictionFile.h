#pragma once

#include <QByteArray>
#include <QString>

class Tournament;

enum class PredictionProblem { None, Unreadable, TooLarge, NotA2010Chart };

struct PredictionFile
{
    PredictionProblem problem = PredictionProblem::None;
    QByteArray bytes; // the whole file when there is no problem
};

// Reads a chart file given by its path, whatever it is named: too large to
// be ours, unreadable (or missing), or holding no chart is said, not read.
PredictionFile readPredictionFile(const QString &path);

// Loads chart bytes as the window loads a whole chart (every cell, the
// ready flag, the full refresh), with the 2010 bracket whatever the file
// was called.
void loadPrediction(Tournament &t, const QByteArray &bytes);

// A prediction of the results' tournament names its 32 teams as the results
// do, slot by slot; the charts of past tournaments do not.
bool sameTeams(const Tournament &prediction, const Tournament &results);
