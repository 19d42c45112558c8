#include "gui/online/UpdateCommand.h"

#include <limits>

#include <QApplication>
#include <QProgressDialog>

#include "gui/kit/Prompts.h"
#include "gui/online/Banner.h"
#include "gui/online/OnlineMessages.h"
#include "gui/predictions/KeptNotice.h"
#include "gui/online/UpdateFailureLine.h"
#include "online/ResultsUpdate.h"
#include "tournament/MessageTable.h"
#include "online/ServerSettings.h"

UpdateCommand::UpdateCommand(QWidget &window, const MessageTable &messages, Prompts &prompts, Banner &banner,
                             std::function<bool(const IniDocument &)> loadChart,
                             std::function<QByteArray()> typedChart)
    : QObject(&window)
    , m_window(window)
    , m_messages(messages)
    , m_prompts(prompts)
    , m_banner(banner)
    , m_loadChart(std::move(loadChart))
    , m_typedChart(std::move(typedChart))
{}

UpdateCommand::~UpdateCommand()
{
    if (m_update)
        QApplication::restoreOverrideCursor();
}

void UpdateCommand::run()
{
    if (m_update)
        return;
    const MessageTable &messages = m_messages;
    if (!m_prompts.question(&m_window, onlineMessages::text(messages, Message::updateTitle),
                            onlineMessages::text(messages, Message::updateQuestion), true))
        return;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Modal from here on: the chart shown is the one the user ends with.
    m_update = new ResultsUpdate(messages.text(Message::myPrediction), m_limits, m_typedChart(), this);
    connect(m_update, &ResultsUpdate::finished, this, &UpdateCommand::onFinished);

    // Modal, so that the chart cannot change under the download; Cancel
    // and the download's own time-out make sure it always ends.
    m_progress = new QProgressDialog(onlineMessages::text(messages, Message::downloading),
                                     onlineMessages::text(messages, Message::cancel), 0, 0, &m_window);
    m_progress->setObjectName(QStringLiteral("UpdateProgress"));
    m_progress->setWindowTitle(onlineMessages::text(messages, Message::updateTitle));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    connect(m_progress, &QProgressDialog::canceled, m_update, &ResultsUpdate::cancel);
    connect(m_update, &ResultsUpdate::progress, m_progress, [this](qint64 received, qint64 total) {
        // A server that drips its answer shows here, while the deadline runs.
        m_progress->setLabelText(
            onlineMessages::text(m_messages, Message::downloading) + u'\n' +
            onlineMessages::text(m_messages, Message::received).arg((received + 1023) / 1024));
        if (total > 0 && total <= std::numeric_limits<int>::max()) {
            m_progress->setMaximum(int(total));
            m_progress->setValue(int(received));
        }
    });
    m_progress->open();
}

void UpdateCommand::closeProgress()
{
    if (!m_progress)
        return;
    // Closing would say "canceled" to a download that is over.
    m_progress->disconnect(this);
    disconnect(m_progress, nullptr, m_update, nullptr);
    m_progress->hide();
    m_progress->deleteLater();
}

void UpdateCommand::onFinished()
{
    closeProgress();
    const UpdateOutcome outcome = m_update->outcome();
    m_update->deleteLater();
    m_update.clear();
    const MessageTable &messages = m_messages;

    if (!outcome.ok()) {
        QApplication::restoreOverrideCursor();
        // The program's own words first, then where it asked and why that
        // failed, so that the user can tell a dead server from a wrong one.
        QStringList lines{onlineMessages::text(messages, Message::connectionFailed),
                          onlineMessages::text(messages, Message::server)
                              .arg(ServerSettings::address(u'/' + outcome.chartName + QStringLiteral(".ini")).toString())};
        lines << updateFailureLine(messages, outcome);
        lines.removeAll(QString());
        m_prompts.notice(&m_window, QStringLiteral("Vylora 2010"), lines.join(u'\n'));
        emit finished(false);
        return;
    }

    m_resultsUpdated = true;
    if (!m_loadChart(*outcome.chart)) {
        QApplication::restoreOverrideCursor();
        emit finished(true);
        return;
    }
    if (m_banner.isShown())
        m_banner.reload();
    QApplication::restoreOverrideCursor();
    if (!outcome.keptAs.isEmpty())
        m_prompts.notice(&m_window, QStringLiteral("Vylora 2010"), keptNotice(messages, outcome.keptAs));
    emit finished(true);
}
