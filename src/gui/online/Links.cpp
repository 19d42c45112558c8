#include "gui/online/Links.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "online/ServerSettings.h"
#include "tournament/ProgramVersion.h"
#include "tournament/Tournament.h"

Links::Links(Tournament &t, QObject *parent)
    : QObject(parent)
    , m_tournament(t)
{}

std::function<QUrl()> Links::target(WebPage page) const
{
    switch (page) {
    case WebPage::Home:
    case WebPage::SiteAddress:
        return [] { return ServerSettings::address(QStringLiteral("/")); };
    case WebPage::Contact:
        return [] {
            return ServerSettings::address(QStringLiteral("/contacter.php?sub=VYL V") + ProgramVersion::text());
        };
    case WebPage::Partner:
        return [] { return ServerSettings::partnerUrl(); };
    case WebPage::Forum:
        return [] { return ServerSettings::forumUrl(); };
    case WebPage::News:
        return [this] { return newsAddress(); };
    }
    return [] { return QUrl(); };
}

void Links::wire(const LinkPoints &points)
{
    for (const LinkPoint &point : points) {
        QWidget *control = point.control;
        if (m_targets.contains(control))
            continue;
        // The address shown is the one a click opens.
        if (auto *label = qobject_cast<QLabel *>(control); label && point.page == WebPage::SiteAddress) {
            const std::optional<QUrl> site = ServerSettings::siteUrl();
            label->setText(site ? site->authority() + (site->path() == u"/" ? QString() : site->path())
                                : QString());
            label->setVisible(site.has_value());
        }
        m_targets.insert(control, target(point.page));
        control->setCursor(Qt::PointingHandCursor);
        control->installEventFilter(this);
        connect(control, &QObject::destroyed, this, [this, control] { m_targets.remove(control); });
    }
}

QUrl Links::newsAddress() const
{
    const QString tag = m_tournament.family(QStringLiteral("Lablien"))[0].tag.trimmed();
    if (tag.isEmpty())
        return QUrl();
    const QUrl url = QUrl::fromUserInput(tag);
    return ServerSettings::webAddress(url.toString()).value_or(QUrl());
}

bool Links::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto *release = static_cast<QMouseEvent *>(event);
        const auto *widget = static_cast<QWidget *>(watched);
        if (release->button() == Qt::LeftButton && widget->rect().contains(release->position().toPoint())) {
            const auto target = m_targets.constFind(watched);
            const QUrl url = target != m_targets.cend() ? (*target)() : QUrl();
            if (url.isValid() && !url.isEmpty())
                QDesktopServices::openUrl(url);
        }
    }
    return QObject::eventFilter(watched, event);
}
