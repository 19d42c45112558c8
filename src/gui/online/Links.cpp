#include "gui/online/Links.h"

#include <array>

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "gui/controls/ControlRegistry.h"
#include "online/ServerSettings.h"
#include "tournament/ProgramVersion.h"
#include "tournament/Tournament.h"

namespace {

enum class Page { Home, Contact, Partner, Forum, News };

using Within = Links::Within;

struct Link
{
    const char16_t *name;
    int index; // -1: not an array element
    Within within;
    Page page;
};

constexpr Within helpPanel = Within::HelpPanel;
constexpr Within knockoutPage = Within::KnockoutPage;
constexpr Within window = Within::Window;

constexpr std::array<Link, 13> links{{
    {u"Image2", -1, window, Page::Home},
    {u"Image5", -1, helpPanel, Page::Home},
    {u"Label9", -1, helpPanel, Page::Home},
    {u"Label6", 4, helpPanel, Page::Home},
    {u"Label3", -1, helpPanel, Page::Contact},
    {u"Image3", -1, helpPanel, Page::Partner},
    {u"Image6", -1, window, Page::Partner},
    {u"Image7", -1, knockoutPage, Page::Partner},
    {u"Label11", 0, window, Page::Partner},
    {u"Label11", 1, window, Page::Partner},
    {u"Label4", -1, helpPanel, Page::Forum},
    {u"Label8", -1, helpPanel, Page::Forum},
    {u"Lablien", -1, window, Page::News},
}};

} // namespace

Links::Links(ControlRegistry &controls, Tournament &t, QWidget &window, QWidget *knockoutPage, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
    , m_tournament(t)
    , m_window(window)
{
    m_panels[std::size_t(Within::KnockoutPage)] = knockoutPage;
    wire();
}

void Links::setHelpPanel(QWidget *panel)
{
    m_panels[std::size_t(Within::HelpPanel)] = panel;
    wire();
}

bool Links::lies(const QWidget *control, Within within) const
{
    // The window's own: not a control of the same name in a window of its
    // own, such as the statistics.
    if (within == Within::Window)
        return control->window() == &m_window;
    const QWidget *panel = m_panels[std::size_t(within)];
    return panel && panel->isAncestorOf(control);
}

void Links::wire()
{
    for (const Link &link : links) {
        const QString name = QString::fromUtf16(link.name);
        QList<QWidget *> found =
            m_controls.find(name, link.index >= 0 ? std::optional<int>(link.index) : std::nullopt);
        found.removeIf([this, &link](const QWidget *w) { return !lies(w, link.within); });
        for (QWidget *control : found) {
            if (m_targets.contains(control))
                continue;
            std::function<QUrl()> target;
            switch (link.page) {
            case Page::Home:
                target = [] { return ServerSettings::address(QStringLiteral("/")); };
                break;
            case Page::Contact:
                target = [] {
                    return ServerSettings::address(QStringLiteral("/contacter.php?sub=VYL V") +
                                                   ProgramVersion::text());
                };
                break;
            case Page::Partner:
                target = [] { return ServerSettings::partnerUrl(); };
                break;
            case Page::Forum:
                target = [] { return ServerSettings::forumUrl(); };
                break;
            case Page::News:
                target = [this] { return newsAddress(); };
                break;
            }
            // The address shown is the one a click opens.
            if (auto *label = qobject_cast<QLabel *>(control); label && name == u"Label9") {
                const std::optional<QUrl> site = ServerSettings::siteUrl();
                label->setText(site ? site->authority() + (site->path() == u"/" ? QString() : site->path())
                                    : QString());
                label->setVisible(site.has_value());
            }
            m_targets.insert(control, target);
            control->setCursor(Qt::PointingHandCursor);
            control->installEventFilter(this);
            connect(control, &QObject::destroyed, this, [this, control] { m_targets.remove(control); });
        }
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
