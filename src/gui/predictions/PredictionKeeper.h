#pragma once

#include <QObject>
#include <QString>

#include "predictions/PredictionFile.h"
#include "storage/OwnChart.h"

class MessageTable;
class Prompts;
class QWidget;
class Tournament;

// Keeps charts as named predictions for the window: the user's own
// ("Garder mon pronostic", under a name the user confirms) and a friend's
// file (added from the file dialog or dropped on the window, under its
// file name). A file that is no 2010 chart is refused in one line and
// nothing is kept; a name already kept is replaced only when the user says
// so.
class PredictionKeeper final : public QObject
{
    Q_OBJECT
public:
    PredictionKeeper(const Tournament &t, Prompts &prompts, QObject *parent = nullptr);

    // The user's chart as it stands: the one shown, or its file while
    // another chart is shown.
    bool keepOwn(QWidget *parent);
    // The user's chart `chartName` (the one predicted on by default) as it
    // stands, as keepOwn keeps it; empty, the refusal said, when its file
    // cannot be read while another is shown.
    QByteArray shownChart(QWidget *parent, const QString &chartName = OwnChart::current());
    bool addFile(QWidget *parent, const QString &path);

    // The one line that says why `file` is refused and nothing kept.
    static QString refusal(const MessageTable &messages, PredictionProblem problem, const QString &file);

signals:
    void kept(const QString &name);

private:
    bool store(QWidget *parent, const QString &name, const QByteArray &chart);
    void refuse(QWidget *parent, PredictionProblem problem, const QString &file);

    const Tournament &m_tournament;
    Prompts &m_prompts;
};
