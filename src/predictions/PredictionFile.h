#pragma once

#include <memory>

#include <QByteArray>
#include <QString>

class Tournament;

// OtherTournament: a whole chart, of another tournament than the results'.
enum class PredictionProblem { None, Unreadable, TooLarge, NotAChart, OtherTournament };

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
// The same into a chart of the format the bytes name; none when they name a
// format the program does not know or hold a part of another format.
std::unique_ptr<Tournament> loadedPrediction(const QByteArray &bytes);

// A prediction of the results' tournament is of its format and edition and
// names its teams as the results do, slot by slot; the charts of other
// tournaments do not.
bool sameTeams(const Tournament &prediction, const Tournament &results);
