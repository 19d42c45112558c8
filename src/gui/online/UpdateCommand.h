#pragma once

#include <functional>

#include <QObject>
#include <QPointer>

#include "online/DownloadPage.h"

class Banner;
class IniDocument;
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
//   click -> question (No: nothing) -> ResultsUpdate, given the chart as
//            shown, progress shown
//     success, or the server's word that the file holds the current
//     results -> MISAJOUR, the chart checked loaded ("Sauve" enabled, ready
//                flag, RefreshAll; the version notice may end the program
//                there), banner reloaded when shown, and the name of the
//                prediction that keeps the user's own entries, if any
//     failure, Cancel, time-out -> "Erreur de connexion !" and the line of
//                its cause, chart and file as they were
class UpdateCommand final : public QObject
{
    Q_OBJECT
public:
    // loadChart loads the checked chart as "VYL2010" into the window as
    // every whole chart is loaded, and returns false when the program ends
    // during it; typedChart gives the user's 2010 chart with what was typed,
    // saved or not, or nothing when the file holds it all.
    UpdateCommand(QWidget &window, const MessageTable &messages, Prompts &prompts, Banner &banner,
                  std::function<bool(const IniDocument &)> loadChart, std::function<QByteArray()> typedChart);
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
    std::function<bool(const IniDocument &)> m_loadChart;
    std::function<QByteArray()> m_typedChart;
    DownloadPage::Limits m_limits;
    QPointer<ResultsUpdate> m_update;
    QPointer<QProgressDialog> m_progress;
    bool m_resultsUpdated = false;
};
