#include "gui/online/VersionNotice.h"

#include <QDesktopServices>

#include "gui/online/OnlineMessages.h"
#include "gui/kit/Prompts.h"
#include "online/ServerSettings.h"
#include "online/VersionCheck.h"

VersionNotice::VersionNotice(const MessageTable &messages, Prompts &prompts, QWidget *window,
                             std::function<void()> endProgram)
    : m_messages(messages)
    , m_prompts(prompts)
    , m_window(window)
    , m_endProgram(std::move(endProgram))
{}

bool VersionNotice::check(const QString &cv)
{
    if (m_headless || !newerVersionPublished(cv))
        return true;
    if (!m_prompts.question(m_window, QStringLiteral("Vylora"),
                            onlineMessages::text(m_messages, Message::newerVersion), true))
        return true;
    QDesktopServices::openUrl(ServerSettings::address(QStringLiteral("/vyl.php")));
    m_endProgram();
    return false;
}
