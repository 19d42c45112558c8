#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "online/DownloadPage.h"

class Banner;
class MessageTable;
class Prompts;
class QProgressDialog;
class QWidget;
class ResultsUpdate;
struct UpdateOutcome;

// The "Mise à jour" button. The window's part of the results update: the
// question, the busy pointer and a progress window with Cancel; the
// download, the checks and the replacement of the file are ResultsUpdate's.
//
//   click -> question (No: nothing) -> ResultsUpdate, progress shown
//     success, or the server's word that the file holds the current
//     results -> MISAJOUR, the whole chart loaded ("Sauve" enabled, ready
//                flag, RefreshAll; the version notice may end the program
//                there), banner reloaded when shown
//     failure, Cancel, time-out -> "Erreur de connexion !" and the line of
//                its cause, chart and file as they were
class UpdateCommand final : public QObject
{
    Q_OBJECT
public:
    // loadChart loads "VYL2010" into the window's chart as every whole
    // chart is loaded, and returns false when the program ends during it.
    UpdateCommand(QWidget &window, const MessageTable &messages, Prompts &prompts, Banner &banner,
                  std::function<bool()> loadChart);
    ~UpdateCommand() override;

    void run();

    // MISAJOUR: a results download succeeded since the program started.
    bool resultsUpdated() const { return m_resultsUpdated; }

    void setLimits(DownloadPage::Limits limits) { m_limits = limits; }

signals:
    // The update ended, whichever way.
    void finished(bool updated);

private:
    void onFinished();
    void closeProgress();

    QWidget &m_window;
    const MessageTable &m_messages;
    Prompts &m_prompts;
    Banner &m_banner;
    std::function<bool()> m_loadChart;
    DownloadPage::Limits m_limits;
    QPointer<ResultsUpdate> m_update;
    QPointer<QProgressDialog> m_progress;
    bool m_resultsUpdated = false;
};
